// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/lazy_picture.h"

#include <QPixmap>

#include "platform/picture_file.h"

LazyPicture::LazyPicture(QWidget* parent) : QLabel(parent) {}

void LazyPicture::SetPicture(const QString& path) {
  picture_ = path;
  loaded_ = false;
  if (!isHidden())
    Load();
}

// Loaded on the program's own show() rather than in showEvent(): the picture is then there
// as soon as the label is meant to be seen, even while its window is hidden or minimised.
void LazyPicture::setVisible(bool visible) {
  if (visible)
    Load();
  QLabel::setVisible(visible);
}

void LazyPicture::Load() {
  if (loaded_)
    return;
  loaded_ = true;
  setPixmap(picture_.isEmpty() ? QPixmap() : ScreenPicture(picture_));
}
