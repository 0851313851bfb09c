// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The background of the main window: its colour, a picture stretched over it
// or a texture repeated over the screen, and the three commands that choose it.
#pragma once

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QObject>
#include <QSize>
#include <cstdint>
#include <functional>

#include "platform/prompter_qt.h"
#include "settings.h"

class Game;
#include "settings/form_dibujof.h"

class Background : public QObject {
  Q_OBJECT

 public:
  // The main window's context-menu commands "Fondo de color...", "Fondo con
  // imagen..." and "Fondo con textura...".
  struct Commands {
    QAction* colour;
    QAction* picture;
    QAction* texture;
  };

  // `image` is the background picture control (its parent is the area it
  // covers, whose colour is the window's colour); `tile` holds a texture's tile.
  Background(QLabel* image, QLabel* tile, Commands commands, TForm_dibujof& chooser, Game& game,
             Dialogs& dialogs);

  // The window's colour (0x00BBGGRR) becomes the background: the picture is
  // hidden and the mode is colour. A colour cannot fail.
  void ApplyColour(std::uint32_t colour);
  // The window takes the colour (0x00BBGGRR); a picture or texture shown over
  // it stays, and so does the mode.
  void SetWindowColour(std::uint32_t colour);
  // Stretches the picture at `path` over the window; the mode becomes picture.
  // False, with nothing changed and no message, when it cannot be read: each
  // caller says it in its own words.
  bool ApplyPicture(const QString& path);
  // Repeats the texture at `path` over the screen; the mode becomes texture.
  // When it cannot be read: "Error en archivo de textura para fondo.", the
  // plain colour shows, the mode becomes colour, and false.
  bool ApplyTexture(const QString& path);
  // Copies the tile held by the tile control over the background picture, from
  // the top-left corner, until the whole screen is covered.
  void TileTexture();

  void Mp_ColordefondoClick();
  void Mp_ImagendefondoClick();
  void Mp_TexturaparafondoClick();

  // The screen's size in pixels; tests give their own.
  void SetScreenSize(std::function<QSize()> screenSize) { screenSize_ = std::move(screenSize); }

 protected:
  // Keeps the picture over the whole area as it changes size.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowPicture(const QImage& picture, const QString& path);
  void ShowTexture(const QImage& tile, const QString& path);

  QLabel* image_;
  QLabel* tile_;
  TForm_dibujof& chooser_;
  Game& game_;
  Dialogs& dialogs_;
  std::function<QSize()> screenSize_;
};
