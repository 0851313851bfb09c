// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/config_file.h"

#include <QFile>
#include <QFileInfo>
#include <exception>
#include <optional>

#include "charset.h"
#include "platform/game_folder.h"
#include "platform/prompter_qt.h"
#include "platform/save_file.h"

namespace {

const char* const kWrongFileText = "\nError.\n\nArchivo de configuración incorrecto.\n";
const char* const kReadFailedText =
    "\nError.\n\nNO se ha podido leer correctamente el archivo de configuración.\n";
const char* const kNoDefaultText =
    "\nError.\n\nNO se ha encontrado el archivo de configuración por defecto.\n";
const char* const kSaveFailedText =
    "\nError.\n\nNO se ha podido guardar la configuración de la pantalla.\n";
const char* const kUserConfig = "config.pan";
const char* const kDefaultConfig = "config.def";

enum class ReadOutcome { Read, CannotOpen, ReadError };

// One record's worth of bytes (fewer when the file is shorter). Only regular files are read.
ReadOutcome ReadRecordFile(const QString& fileName, std::string& bytes) {
  if (!QFileInfo(fileName).isFile())
    return ReadOutcome::CannotOpen;
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly))
    return ReadOutcome::CannotOpen;
  const QByteArray read = file.read(kScreenConfigSize);
  if (file.error() != QFileDevice::NoError)
    return ReadOutcome::ReadError;
  bytes = read.toStdString();
  return ReadOutcome::Read;
}

QString FromUtf8(const std::string& path) {
  return QString::fromStdString(path);
}

}  // namespace

bool ConfigFile::ReadScreenConfig(const QString& fileName) {
  try {
    std::string bytes;
    switch (ReadRecordFile(folder_.File(fileName), bytes)) {
      case ReadOutcome::CannotOpen:
        return false;
      case ReadOutcome::ReadError:
        dialogs_.Plain(Ansi(kReadFailedText));
        return false;
      case ReadOutcome::Read:
        break;
    }
    const auto config = ParseScreenConfig(bytes);
    if (!config) {
      dialogs_.Plain(Ansi(kWrongFileText));
      return false;
    }
    if (!Apply(*config)) {
      dialogs_.Plain(Ansi(kReadFailedText));
      return false;
    }
    return true;
  } catch (const std::exception&) {
    dialogs_.Plain(Ansi(kReadFailedText));
    return false;
  }
}

// In the order the window has always applied them; a picture that cannot be
// loaded stops the reading there.
bool ConfigFile::Apply(const ScreenConfig& config) {
  settings_.windowColour = config.windowColor;
  look_.SetWindowColour(config.windowColor);
  if (!ApplyBackground(config))
    return false;
  look_.SetListPath(FromUtf8(StoredListPath(config)));
  settings_.wordFont = StoredWordFont(config, settings_.wordFont);
  look_.SetWordFont(settings_.wordFont);
  ApplyStoredOptions(config, settings_);
  look_.ShowGameOptions(settings_);
  return true;
}

// A picture that cannot be loaded is not recorded: the background keeps its mode and file.
bool ConfigFile::ApplyBackground(const ScreenConfig& config) {
  const std::string file = StoredBackgroundFile(config);
  switch (StoredBackgroundMode(config)) {
    case BackgroundMode::Picture:
      if (!look_.ShowBackgroundPicture(FromUtf8(file)))
        return false;
      settings_.backgroundMode = BackgroundMode::Picture;
      settings_.backgroundFile = file;
      return true;
    case BackgroundMode::Texture:
      if (look_.ApplyTexture(FromUtf8(file))) {
        settings_.backgroundMode = BackgroundMode::Texture;
        settings_.backgroundFile = file;
      } else {
        settings_.backgroundMode = BackgroundMode::Colour;
      }
      return true;
    case BackgroundMode::Colour:
      break;
  }
  look_.HideBackground();
  settings_.backgroundMode = BackgroundMode::Colour;
  settings_.backgroundFile = file;
  return true;
}

void ConfigFile::SaveScreenConfig(const QString& listPath) {
  const auto config = ConfigFromSettings(settings_, listPath.toStdString());
  bool saved = false;
  if (config) {
    const ScreenConfigRecord record = SerializeScreenConfig(*config);
    const QByteArray bytes(reinterpret_cast<const char*>(record.data()),
                           static_cast<qsizetype>(record.size()));
    saved = SaveWhole(folder_.File(kUserConfig), bytes);
  }
  if (!saved)
    dialogs_.Plain(Ansi(kSaveFailedText));
}

bool ConfigFile::M_PonerconfiguracionpordefectoClick() {
  if (ReadScreenConfig(kDefaultConfig))
    return true;
  dialogs_.Plain(Ansi(kNoDefaultText));
  return false;
}
