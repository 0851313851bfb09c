// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the word-solved and word-failed dialogs share: no title-bar buttons,
// "Seguir" as the only way out (Esc and close requests press it), a message and an optional
// picture.
#pragma once

#include <QDialog>
#include <functional>

#include "feedback.h"

class QLabel;
class QPushButton;
class Dialogs;

class FeedbackDialog : public QDialog {
  Q_OBJECT

 public:
  explicit FeedbackDialog(QWidget* owner);

  // "Seguir" is hidden while the child walks out of the room.
  void SetSeguirVisible(bool visible);
  // Esc and close requests: a click on "Seguir" while it shows, nothing while it is hidden.
  void PressSeguir();
  QPushButton* Seguir() const { return seguir_; }
  QLabel* Message() const { return message_; }
  QLabel* Picture() const { return picture_; }
  // Where the game's design block begins on the screen now. The dialogs keep their design
  // place below the word from it, however the game is centred in a larger window.
  void SetGameOrigin(std::function<QPoint()> origin) { gameOrigin_ = std::move(origin); }

  void setVisible(bool visible) override;

 protected:
  void Bind(QLabel* message, QPushButton* seguir, QLabel* picture, QPushButton* nulo);
  // Loads the picture; the dialog goes on without it on failure. The message
  // names the file as the game folder knows it.
  void LoadPicture(const QString& path, const char* fileName, Dialogs& dialogs);
  void ShowText(const DialogText& text);
  void PlaceBelowOwner(int right, int down);
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void done(int result) override;

 private:
  QWidget* owner_;
  std::function<QPoint()> gameOrigin_;
  QLabel* message_ = nullptr;
  QPushButton* seguir_ = nullptr;
  QLabel* picture_ = nullptr;
  QString picturePath_;  // a picture checked, to be decoded at the first show
  bool closing_ = false;
};
