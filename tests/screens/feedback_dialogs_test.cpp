// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The word-solved and word-failed dialogs on their own.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "screens/form_acierto.h"
#include "screens/form_error.h"
#include "support/window_fixture.h"
#include "ui_form_acierto.h"
#include "ui_form_error.h"
#include "ui_form_juego.h"

TEST_F(WindowTest, DialogsKeepTheirDesignControls) {
  const std::pair<FeedbackDialog*, const char*> dialogsShown[] = {
      {program->Form_Acierto, "Lurimba. Palabra acertada."},
      {program->Form_Error, "Lurimba. Palabra fallada."}};
  for (const auto& [dialog, caption] : dialogsShown) {
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(caption));
    EXPECT_EQ(dialog->Seguir()->text(), "Seguir");
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    auto* nulo = dialog->findChild<QPushButton*>("Button_nulo");
    ASSERT_NE(nulo, nullptr);
    EXPECT_EQ(nulo->y(), 500);
    EXPECT_FALSE(dialog->Picture()->pixmap().isNull());
  }
}

TEST_F(WindowTest, MissingPicturesAreReportedOnceAtCreation) {
  QFile::remove(folder.path() + "/acierto.bmp");
  QFile::remove(folder.path() + "/error.bmp");
  dialogs.messages.clear();
  Program another(GameFolder(folder.path()), dialogs, sound);
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[0].text,
            "\nError.\n\nProblema con archivo de imagen 'acierto.bmp'.\n");
  EXPECT_EQ(dialogs.messages[1].text, "\nError.\n\nProblema con archivo de imagen 'error.bmp'.\n");
  EXPECT_TRUE(another.Form_Acierto->Picture()->pixmap().isNull());
}

// A picture cut short would load as black; it is refused with the picture's message.
TEST_F(WindowTest, DamagedPicturesAreReportedAndNotShown) {
  QFile picture(folder.path() + "/acierto.bmp");
  ASSERT_TRUE(picture.open(QIODevice::ReadWrite));
  ASSERT_TRUE(picture.resize(picture.size() - 1));
  picture.close();
  QFile::remove(folder.path() + "/error.bmp");
  ASSERT_TRUE(QDir(folder.path()).mkdir("error.bmp"));  // a folder of that name
  dialogs.messages.clear();
  Program another(GameFolder(folder.path()), dialogs, sound);
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[0].text,
            "\nError.\n\nProblema con archivo de imagen 'acierto.bmp'.\n");
  EXPECT_EQ(dialogs.messages[1].text, "\nError.\n\nProblema con archivo de imagen 'error.bmp'.\n");
  EXPECT_TRUE(another.Form_Acierto->Picture()->pixmap().isNull());
}

TEST_F(WindowTest, DialogsRefuseCloseRequestsAndIgnoreEnter) {
  StartUp();
  TForm_Error& dialog = *program->Form_Error;
  bool closeRefused = false;
  bool enterIgnored = false;
  WhileModal(
      [&] {
        for (int wrong = 0; wrong < 6 && game().state().wordInPlay; ++wrong) {
          main().FormKeyPress(WrongLetter(wrong));
        }
      },
      [&] {
        dialog.close();
        closeRefused = dialog.isVisible();
        QTest::keyClick(&dialog, Qt::Key_Return);
        enterIgnored = dialog.isVisible();
        dialog.Seguir()->click();
      });
  EXPECT_TRUE(closeRefused);
  EXPECT_TRUE(enterIgnored);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(game().state().wordInPlay);
  // The short layout: the message across the dialog, no picture.
  EXPECT_EQ(dialog.Message()->size(), QSize(488, 79));
  EXPECT_EQ(dialog.Seguir()->pos(), QPoint(173, 99));
}

// "Seguir" only closes the dialog: the main window starts the next word once the
// press that lost the word, and the dialog it opened, have returned.
TEST_F(WindowTest, NextWordStartsAfterTheFailedDialogHasReturned) {
  StartUp();
  const std::string lostWord = game().state().displayText;
  bool playingWhileOpen = true;
  bool playingAfterSeguir = true;
  std::string wordAfterSeguir;
  WhileModal(
      [&] {
        for (int wrong = 0; wrong < 6 && game().state().wordInPlay; ++wrong)
          main().FormKeyPress(WrongLetter(wrong));
      },
      [&] {
        playingWhileOpen = game().state().wordInPlay;
        program->Form_Error->Seguir()->click();
        playingAfterSeguir = game().state().wordInPlay;
        wordAfterSeguir = game().state().displayText;
      });
  EXPECT_FALSE(playingWhileOpen);
  EXPECT_FALSE(playingAfterSeguir);
  EXPECT_EQ(wordAfterSeguir, lostWord);
  EXPECT_TRUE(game().state().wordInPlay);
  EXPECT_EQ(game().state().failureSteps, 0);
  EXPECT_FALSE(main().ui()->Image_sfallo6->isVisibleTo(&main()));
}
