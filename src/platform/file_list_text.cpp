// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/file_list_text.h"

#include <QFileSystemModel>
#include <QLocale>

namespace {

constexpr int kSizeColumn = 1;
constexpr int kKindColumn = 2;
constexpr int kDateColumn = 3;

}  // namespace

QVariant SpanishFileListText(const QFileSystemModel& model, const QModelIndex& index, int role) {
  if (role != Qt::DisplayRole || !index.isValid())
    return {};
  // The program's locale (Spanish), not the desktop's that Qt's list asks for.
  const QLocale spanish;
  const QFileInfo info = model.fileInfo(index);
  switch (index.column()) {
    case kSizeColumn:
      return info.isDir() ? QVariant() : spanish.formattedDataSize(info.size());
    case kKindColumn:
      // Files are named by their kind's description in the program's language already.
      return info.isDir() ? QString("Carpeta") : QVariant();
    case kDateColumn:
      return spanish.toString(info.lastModified(), QLocale::ShortFormat);
    default:
      return {};
  }
}

QVariant SpanishFileList::data(const QModelIndex& index, int role) const {
  if (const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel())) {
    const QVariant spanish = SpanishFileListText(*files, mapToSource(index), role);
    if (spanish.isValid())
      return spanish;
  }
  return QIdentityProxyModel::data(index, role);
}
