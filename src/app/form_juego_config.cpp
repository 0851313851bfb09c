// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's configuration files, and what reading one changes on the screen.
#include "app/form_juego.h"
#include "settings/background.h"

// What was applied before a failure stays applied, as the file was read.
bool TForm_juego::ReadScreenConfig(const QString& fileName) {
  Settings read = game_.settings();
  const bool done = ConfigFile(*this, read, dialogs_, folder_).ReadScreenConfig(fileName);
  game_.ApplySettings(read);
  return done;
}

void TForm_juego::M_Guardar_configuracionClick() {
  Settings current = game_.settings();
  ConfigFile(*this, current, dialogs_, folder_)
      .SaveScreenConfig(QString::fromStdString(game_.words().listPath));
}

// A changed number of wrong letters takes effect at once, with a new word.
void TForm_juego::M_PonerconfiguracionpordefectoClick() {
  Settings read = game_.settings();
  const bool done =
      ConfigFile(*this, read, dialogs_, folder_).M_PonerconfiguracionpordefectoClick();
  game_.ApplySettings(read);
  if (done)
    game_.StartWord();
}

void TForm_juego::SetWindowColour(std::uint32_t colour) {
  background_->SetWindowColour(colour);
}

bool TForm_juego::ShowBackgroundPicture(const QString& file) {
  return background_->ApplyPicture(file);
}

bool TForm_juego::ApplyTexture(const QString& file) {
  return background_->ApplyTexture(file);
}

void TForm_juego::HideBackground() {
  background_->ApplyColour(game_.settings().windowColour);
}

void TForm_juego::SetListPath(const QString& path) {
  game_.SetListPath(path.toStdString());
}

void TForm_juego::SetWordFont(const WordFont& font) {
  game_.SetWordFont(font);
}

// With only the vowels judged, the coloured vowels show; their menu mark stays as it was.
void TForm_juego::ShowGameOptions(const Settings& settings) {
  if (settings.vowelsOnly)
    ShowVowelOverlay(true);
}
