// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and writing the configuration file: "config.pan" (the user's, saved
// by "Guardar configuración actual") and "config.def" (shipped, never written).
#pragma once

#include <QString>
#include <cstdint>

#include "platform/game_folder.h"
#include "screen_config.h"

class Dialogs;

// What reading a configuration changes in the main window. Each call makes the
// window show what the settings now hold.
class ScreenLook {
 public:
  virtual ~ScreenLook() = default;
  virtual void SetWindowColour(std::uint32_t colour) = 0;  // 0x00BBGGRR or a system colour
  // The picture stretched over the window, behind every control; false when it
  // cannot be loaded (the background is then as it was).
  virtual bool ShowBackgroundPicture(const QString& file) = 0;
  // The texture tiled over the window, behind every control. When it cannot be
  // loaded it says "Error en archivo de textura para fondo.", leaves the window
  // its plain colour and gives false.
  virtual bool ApplyTexture(const QString& file) = 0;
  virtual void HideBackground() = 0;
  // The word list the next start opens (no list is loaded now).
  virtual void SetListPath(const QString& path) = 0;
  // The font of the word; the wrong-letter labels take its name.
  virtual void SetWordFont(const WordFont& font) = 0;
  // The four game options and their menu marks, the coloured vowels with "only vowels".
  virtual void ShowGameOptions(const Settings& settings) = 0;
};

class ConfigFile {
 public:
  // `settings` is the copy the reading changes; the caller hands it to the game.
  ConfigFile(ScreenLook& look, Settings& settings, Dialogs& dialogs, const GameFolder& folder)
      : look_(look), settings_(settings), dialogs_(dialogs), folder_(folder) {}

  // Reads a configuration file of the game folder and applies it. False, without
  // a message, when the file cannot be opened; false after a message when it is
  // not a configuration or something of it cannot be applied (what was applied
  // before stays).
  bool ReadScreenConfig(const QString& fileName);
  // "Guardar configuración actual": writes "config.pan" with the word list
  // `listPath`, whole or not at all.
  void SaveScreenConfig(const QString& listPath);
  // "Poner configuración por defecto": reads "config.def". True when it was
  // read; the caller then starts a new word so the options take effect at once.
  bool M_PonerconfiguracionpordefectoClick();

 private:
  bool Apply(const ScreenConfig& config);
  bool ApplyBackground(const ScreenConfig& config);

  ScreenLook& look_;
  Settings& settings_;
  Dialogs& dialogs_;
  GameFolder folder_;
};
