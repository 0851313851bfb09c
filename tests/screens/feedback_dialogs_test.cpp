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

// Each way a dialog's picture can be unusable: both are reported, one message each.
struct PictureFault {
  const char* name;
  void (*spoil)(const QString& folder);
};

class FeedbackPictureTest : public WindowTest,
                            public ::testing::WithParamInterface<PictureFault> {};

TEST_P(FeedbackPictureTest, IsReportedOnceAtCreationAndNotShown) {
  EXPECT_FALSE(program->Form_Acierto->Picture()->pixmap().isNull());
  EXPECT_FALSE(program->Form_Error->Picture()->pixmap().isNull());
  GetParam().spoil(folder.path());
  dialogs.messages.clear();
  Program another(GameFolder(folder.path()), dialogs, sound);
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[0].text,
            "\nError.\n\nProblema con archivo de imagen 'acierto.bmp'.\n");
  EXPECT_EQ(dialogs.messages[1].text, "\nError.\n\nProblema con archivo de imagen 'error.bmp'.\n");
  EXPECT_TRUE(another.Form_Acierto->Picture()->pixmap().isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FeedbackPictureTest,
    ::testing::Values(PictureFault{"Missing",
                                   [](const QString& folder) {
                                     QFile::remove(folder + "/acierto.bmp");
                                     QFile::remove(folder + "/error.bmp");
                                   }},
                      // A picture cut short would load as black; a folder stands for the other.
                      PictureFault{"Damaged",
                                   [](const QString& folder) {
                                     QFile picture(folder + "/acierto.bmp");
                                     ASSERT_TRUE(picture.open(QIODevice::ReadWrite));
                                     ASSERT_TRUE(picture.resize(picture.size() - 1));
                                     picture.close();
                                     QFile::remove(folder + "/error.bmp");
                                     ASSERT_TRUE(QDir(folder).mkdir("error.bmp"));
                                   }}),
    [](const auto& info) { return std::string(info.param.name); });

// The failed dialog refuses close requests and Enter; Esc presses "Seguir", which only closes
// it: the main window starts the next word once the press that lost the word, and the dialog
// it opened, have returned.
TEST_F(WindowTest, FailedDialogClosesOnlyOnSeguirAndTheNextWordWaitsForIt) {
  StartUp();
  TForm_Error& dialog = *program->Form_Error;
  const std::string lostWord = game().state().displayText;
  bool closeRefused = false;
  bool enterIgnored = false;
  bool escClosed = false;
  bool playingWhileOpen = true;
  bool playingAfterSeguir = true;
  std::string wordAfterSeguir;
  QString message;
  WhileModal(
      [&] {
        for (int wrong = 0; wrong < 6 && game().state().wordInPlay; ++wrong)
          main().FormKeyPress(WrongLetter(wrong));
      },
      [&] {
        playingWhileOpen = game().state().wordInPlay;
        message = dialog.Message()->text();
        dialog.close();
        closeRefused = dialog.isVisible();
        QTest::keyClick(&dialog, Qt::Key_Return);
        enterIgnored = dialog.isVisible();
        QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_Escape);
        escClosed = !dialog.isVisible();
        if (!escClosed)
          dialog.Seguir()->click();  // the test goes on to its end
        playingAfterSeguir = game().state().wordInPlay;
        wordAfterSeguir = game().state().displayText;
      });
  EXPECT_EQ(message, "¡¡ Has fallado !!\nPrueba con otra palabra");
  EXPECT_TRUE(closeRefused);
  EXPECT_TRUE(enterIgnored);
  EXPECT_TRUE(escClosed);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_FALSE(playingWhileOpen);
  EXPECT_FALSE(playingAfterSeguir);
  EXPECT_EQ(wordAfterSeguir, lostWord);
  EXPECT_TRUE(game().state().wordInPlay);
  EXPECT_EQ(game().state().failureSteps, 0);
  EXPECT_FALSE(main().ui()->Image_sfallo6->isVisibleTo(&main()));
  EXPECT_EQ(main().ui()->Label_pfalladas->text(), "1");
  EXPECT_EQ(main().ui()->Label_pacertadas->text(), "0");
}

// The dialog counts the failures it shows: every sixth has the long message and the picture.
TEST_F(WindowTest, EverySixthFailedDialogShowsTheLongMessageAndThePicture) {
  TForm_Error& dialog = *program->Form_Error;
  for (int failure = 1; failure <= 7; ++failure) {
    dialog.Prepare();
    EXPECT_EQ(dialog.Picture()->isVisibleTo(&dialog), failure == 6) << failure;
    if (failure == 6) {
      EXPECT_EQ(dialog.Message()->text(),
                "¡ Estás fallando mucho !\n\nSigue probando\npero debes pensar mejor.");
    }
  }
}
