// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The word-solved and word-failed dialogs on their own.
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "screens/form_acierto.h"
#include "screens/form_error.h"
#include "support/window_fixture.h"
#include "ui_form_juego.h"

// A missing picture is reported once at creation and not shown: one message for each. A
// picture that is there is decoded when its dialog first shows.
TEST_F(WindowTest, MissingFeedbackPicturesAreReportedOnceEach) {
  for (FeedbackDialog* dialog : {static_cast<FeedbackDialog*>(program->Form_Acierto),
                                 static_cast<FeedbackDialog*>(program->Form_Error)}) {
    EXPECT_TRUE(dialog->Picture()->pixmap().isNull());
    dialog->show();
    EXPECT_FALSE(dialog->Picture()->pixmap().isNull());
    dialog->hide();
  }
  QFile::remove(folder.path() + "/acierto.bmp");
  QFile::remove(folder.path() + "/error.bmp");
  dialogs.messages.clear();
  Program another(GameFolder(folder.path()), dialogs, sound);
  std::string texts;
  for (const ShownMessage& message : dialogs.messages)
    texts += message.text;
  EXPECT_EQ(texts,
            "\nError.\n\nProblema con archivo de imagen 'acierto.bmp'.\n"
            "\nError.\n\nProblema con archivo de imagen 'error.bmp'.\n");
  EXPECT_TRUE(another.Form_Acierto->Picture()->pixmap().isNull());
}

// The failed dialog refuses Enter; Esc presses "Seguir", which only closes it: the main window
// starts the next word once the press that lost the word, and the dialog it opened, have
// returned.
TEST_F(WindowTest, FailedDialogClosesOnlyOnSeguirAndTheNextWordWaitsForIt) {
  StartUp();
  TForm_Error& dialog = *program->Form_Error;
  const std::string lostWord = game().state().displayText;
  std::string seen;
  const auto see = [&](const char* what) {
    seen += std::string(what) + (dialog.isVisible() ? " open" : " closed") +
            (game().state().wordInPlay ? " playing" : "") +
            (game().state().displayText == lostWord ? "" : " another word") + ", ";
  };
  WhileModal(
      [&] {
        for (int wrong = 0; wrong < 6 && game().state().wordInPlay; ++wrong)
          main().FormKeyPress(WrongLetter(wrong));
      },
      [&] {
        EXPECT_EQ(dialog.Message()->text(), "¡¡ Has fallado !!\nPrueba con otra palabra");
        // Minimised and restored, the dialog does not count the failure twice.
        ExpectKeptWhenRestored(dialog, [&] {
          return std::to_string(dialog.FailureCount()) + dialog.Message()->text().toStdString();
        });
        QTest::keyClick(&dialog, Qt::Key_Return);
        see("enter");
        QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_Escape);
        see("esc");
        if (dialog.isVisible())
          dialog.Seguir()->click();  // the test goes on to its end
      });
  EXPECT_EQ(seen, "enter open, esc closed, ");
  EXPECT_TRUE(game().state().wordInPlay);
  EXPECT_EQ(game().state().failureSteps, 0);
  EXPECT_FALSE(main().ui()->Image_sfallo6->isVisibleTo(&main()));
  EXPECT_EQ(main().ui()->Label_pfalladas->text() + main().ui()->Label_pacertadas->text(), "10");
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

struct DialogPlaceCase {
  std::string name;
  QSize window;
  bool solve;  // solved after one wrong letter, else lost
};

class DialogPlaceTest : public WindowTest, public ::testing::WithParamInterface<DialogPlaceCase> {};

// However large the main window, and so wherever the game is centred in it, the dialog that
// ends a word opens below the word, leaving it in sight.
TEST_P(DialogPlaceTest, LeavesTheWordInSight) {
  main().resize(GetParam().window);
  StartUp();
  const QWidget& word = *main().ui()->Panel_palabra;
  QDialog* dialog = GetParam().solve ? static_cast<QDialog*>(program->Form_Acierto)
                                     : static_cast<QDialog*>(program->Form_Error);
  QRect placed;
  WhileModal(
      [&] {
        main().FormKeyPress(WrongLetter());
        for (int i = 1; i < 6 && game().state().wordInPlay; ++i) {
          main().FormKeyPress(GetParam().solve ? LettersToFind().front() : WrongLetter(i));
        }
      },
      [&] {
        placed = dialog->frameGeometry();
        QTest::keyClick(dialog, Qt::Key_Escape);
      });
  const QRect shown(word.mapToGlobal(QPoint()), word.size());
  EXPECT_FALSE(placed.intersects(shown)) << placed.y() << " against the word's " << shown.y();
  EXPECT_GE(placed.top(), shown.bottom());
}

INSTANTIATE_TEST_SUITE_P(Windows, DialogPlaceTest,
                         ::testing::Values(DialogPlaceCase{"DesignLost", {835, 724}, false},
                                           DialogPlaceCase{"TallLost", {1280, 1000}, false},
                                           DialogPlaceCase{"TallSolved", {1280, 1000}, true},
                                           DialogPlaceCase{"WideSolved", {1600, 900}, true}),
                         [](const auto& info) { return info.param.name; });
