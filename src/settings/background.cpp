// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/background.h"

#include <QEvent>
#include <QPainter>
#include <QScreen>

#include "game.h"
#include "platform/game_folder.h"
#include "platform/picture_file.h"
#include "settings/word_font.h"
#include "tiling.h"

namespace {

const char* const kTextureError = "Error en archivo de textura para fondo.";

}  // namespace

Background::Background(QLabel* image, QLabel* tile, Commands commands, TForm_dibujof& chooser,
                       Game& game, Dialogs& dialogs)
    : QObject(image),
      image_(image),
      tile_(tile),
      chooser_(chooser),
      game_(game),
      dialogs_(dialogs),
      screenSize_([image] { return image->screen()->geometry().size(); }) {
  // Presses on the picture go to the area below it, whose context menu offers
  // these commands. The picture stays enabled: Qt greys out a disabled one.
  image_->setAttribute(Qt::WA_TransparentForMouseEvents);
  image_->setEnabled(true);
  if (QWidget* area = image_->parentWidget()) {
    image_->setGeometry(area->rect());
    area->installEventFilter(this);
  }
  connect(commands.colour, &QAction::triggered, this, &Background::Mp_ColordefondoClick);
  connect(commands.picture, &QAction::triggered, this, &Background::Mp_ImagendefondoClick);
  connect(commands.texture, &QAction::triggered, this, &Background::Mp_TexturaparafondoClick);
  for (QAction* command : {commands.colour, commands.picture, commands.texture})
    command->setEnabled(true);
}

bool Background::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && watched == image_->parentWidget())
    image_->setGeometry(image_->parentWidget()->rect());
  return QObject::eventFilter(watched, event);
}

void Background::SetWindowColour(std::uint32_t colour) {
  game_.SetWindowColour(colour);
  // The area and every widget around it up to the window show the colour.
  for (QWidget* widget = image_->parentWidget(); widget != nullptr;
       widget = widget->parentWidget()) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, FromColourRef(colour));
    widget->setPalette(palette);
    if (widget->isWindow())
      break;
  }
}

void Background::ApplyColour(std::uint32_t colour) {
  SetWindowColour(colour);
  image_->hide();
  game_.SetBackground(BackgroundMode::Colour, game_.settings().backgroundFile);
}

bool Background::ApplyPicture(const QString& path) {
  const std::optional<QImage> picture = LoadBackgroundPicture(chooser_.InGameFolder(path));
  if (!picture)
    return false;
  ShowPicture(*picture, path);
  return true;
}

bool Background::ApplyTexture(const QString& path) {
  const std::optional<QImage> tile = LoadBackgroundPicture(chooser_.InGameFolder(path));
  if (!tile) {
    dialogs_.Plain(kTextureError);
    image_->hide();
    game_.SetBackground(BackgroundMode::Colour, game_.settings().backgroundFile);
    return false;
  }
  ShowTexture(*tile, path);
  return true;
}

void Background::ShowPicture(const QImage& picture, const QString& path) {
  image_->setScaledContents(true);
  image_->setPixmap(QPixmap::fromImage(picture));
  image_->show();
  image_->lower();
  game_.SetBackground(BackgroundMode::Picture, path.toStdString());
}

void Background::ShowTexture(const QImage& tile, const QString& path) {
  // The tile was read before the old background is given up.
  image_->clear();
  image_->setScaledContents(false);
  image_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  tile_->setPixmap(QPixmap::fromImage(tile));
  TileTexture();
  image_->show();
  image_->lower();
  game_.SetBackground(BackgroundMode::Texture, path.toStdString());
}

void Background::TileTexture() {
  const QPixmap tile = tile_->pixmap();
  const QSize screen = screenSize_();
  // The picture is made once; it covers the screen so that a larger window shows no gap.
  const QSize canvasSize = screen.expandedTo(image_->size());
  QPixmap canvas = image_->pixmap();
  if (canvas.isNull() || canvas.size() != canvasSize) {
    canvas = QPixmap(canvasSize);
    canvas.fill(FromColourRef(game_.settings().windowColour));
  }
  QPainter painter(&canvas);
  for (const TilePosition& at :
       TilePositions(tile.width(), tile.height(), screen.width(), screen.height())) {
    painter.drawPixmap(at.x, at.y, tile);
  }
  painter.end();
  image_->setPixmap(canvas);
}

void Background::Mp_ColordefondoClick() {
  const std::optional<QColor> colour =
      dialogs_.AskColor(FromColourRef(game_.settings().windowColour));
  if (colour)
    ApplyColour(ToColourRef(*colour));
}

void Background::Mp_ImagendefondoClick() {
  const BackgroundMode remembered = game_.settings().backgroundMode;
  game_.SetBackground(BackgroundMode::Picture, game_.settings().backgroundFile);
  const std::optional<ChosenBackground> chosen = chooser_.Choose(BackgroundKind::Picture);
  // A picture that could not be read is not recorded: the chooser has said so.
  if (chosen && !chosen->image.isNull())
    ShowPicture(chosen->image, chosen->path);
  else
    game_.SetBackground(remembered, game_.settings().backgroundFile);
}

void Background::Mp_TexturaparafondoClick() {
  const BackgroundMode remembered = game_.settings().backgroundMode;
  game_.SetBackground(BackgroundMode::Texture, game_.settings().backgroundFile);
  const std::optional<ChosenBackground> chosen = chooser_.Choose(BackgroundKind::Texture);
  if (chosen && !chosen->image.isNull())
    ShowTexture(chosen->image, chosen->path);
  else
    game_.SetBackground(remembered, game_.settings().backgroundFile);
}
