// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The columns of Qt's lists of files and folders in Spanish: Qt names a folder's kind and
// writes dates and sizes in the desktop's language (its "Folder" and "7 Dec 2026"), whatever
// the program's.
#pragma once

#include <QIdentityProxyModel>
#include <QVariant>

class QFileSystemModel;

// What the list of `model` shows at `index` in Spanish where Qt's own text is not; an invalid
// value where Qt's is right.
QVariant SpanishFileListText(const QFileSystemModel& model, const QModelIndex& index, int role);

// A file dialog's list (QFileDialog::setProxyModel) with the Spanish texts above.
class SpanishFileList : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;
  QVariant data(const QModelIndex& index, int role) const override;
};
