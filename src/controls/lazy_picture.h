// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A picture label that decodes its picture only when it is first shown. Pictures that most
// games never show (the broken floor, the steps of the walk to the exit) then cost neither
// start-up time nor memory.
#pragma once

#include <QLabel>
#include <QString>

class LazyPicture : public QLabel {
  Q_OBJECT
  // Settable from a window description (stdset="0"): the picture's path, usually a resource.
  Q_PROPERTY(QString Picture READ Picture WRITE SetPicture)

 public:
  explicit LazyPicture(QWidget* parent = nullptr);

  QString Picture() const { return picture_; }
  // Takes effect at the next show; a picture on show is replaced at once.
  void SetPicture(const QString& path);

  void setVisible(bool visible) override;

 private:
  void Load();

  QString picture_;
  bool loaded_ = false;
};
