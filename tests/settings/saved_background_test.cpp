// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A texture chosen and saved as the configuration is the background of the
// next start of the program.
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "platform/background_picture.h"
#include "settings/form_dibujof.h"
#include "support/window_fixture.h"
#include "ui_form_dibujof.h"
#include "ui_form_juego.h"

TEST_F(WindowTest, ASavedTextureIsTheBackgroundAfterARestart) {
  StartUp();
  TForm_dibujof& chooser = *program->Form_dibujof;
  WhileModal([&] { main().ui()->Mp_Texturaparafondo->trigger(); },
             [&] {
               QListWidget& list = *chooser.ui()->FileListBox;
               const auto items = list.findItems("ladrillo.bmp", Qt::MatchExactly);
               ASSERT_EQ(items.size(), 1);
               QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                                 list.visualItemRect(items.first()).center());
               QTest::mouseClick(chooser.ui()->Button_aceptar, Qt::LeftButton);
             });
  main().ui()->M_Guardar_configuracion->trigger();
  ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text;

  // The program ends and starts again on the same game folder.
  program.reset();
  program = std::make_unique<Program>(GameFolder(folder.path()), dialogs, sound);
  StartUp();

  EXPECT_TRUE(dialogs.messages.empty());
  const QString texture = folder.path() + "/texturas/ladrillo.bmp";
  EXPECT_EQ(game().settings().backgroundMode, BackgroundMode::Texture);
  EXPECT_EQ(game().settings().backgroundFile, texture.toStdString());
  const QLabel& background = *main().ui()->Image_fondopantalla;
  EXPECT_FALSE(background.isHidden());
  const QImage tile = LoadBackgroundPicture(texture);
  const QImage shown = background.pixmap().toImage();
  ASSERT_FALSE(tile.isNull());
  ASSERT_GE(shown.width(), 2 * tile.width());
  for (const QPoint at : {QPoint(0, 0), QPoint(tile.width() + 3, 7), QPoint(5, tile.height() + 1)})
    EXPECT_EQ(shown.pixel(at), tile.pixel(at.x() % tile.width(), at.y() % tile.height()));
}
