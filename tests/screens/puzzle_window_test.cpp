// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The puzzle window: the pieces it shows, the reward, and how it sits beside
// the word-solved dialog.
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include "screens/form_acierto.h"
#include "screens/form_puzle.h"
#include "support/window_fixture.h"
#include "ui_form_juego.h"
#include "ui_form_puzle.h"

namespace {

// Every pixel a colour of its own, so a piece shown in the wrong place shows.
QImage TestPicture(int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      picture.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 100 + 30));
  }
  return picture;
}

// `area` of `shown` holds the picture's pixels, or with no picture is white inside the
// outline of the window's colour that runs along its border.
bool Shows(const QImage& shown, const QImage* picture, QRect area) {
  if (!picture)
    area.adjust(1, 1, -1, -1);
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (shown.pixel(x, y) != (picture ? picture->pixel(x, y) : qRgb(255, 255, 255)))
        return false;
    }
  }
  return true;
}

class PuzzleWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    QDir(folder.path()).mkpath("puzles");
    owner.move(30, 40);
    players.playerCount = 3;
  }
  void SavePicture(const QImage& picture) {
    ASSERT_TRUE(picture.save(folder.path() + "/puzles/puzle1.bmp", "BMP"));
  }
  TForm_puzle& Window() {
    if (!window) {
      ResetPuzzles(state);  // as the game starts
      const PuzzleSteps steps{
          [this]() -> const PuzzleState& { return state; },
          [this](PuzzleView& view) { AdvancePuzzle(state, view, sound, dialogs, players); }};
      window = std::make_unique<TForm_puzle>(&owner, steps, folder.path());
    }
    return *window;
  }
  // Clean solves, each as the end of the exit animation runs it.
  void CleanSolves(int count) {
    for (int i = 0; i < count; ++i)
      Window().Present();
  }
  QImage Shown() { return Window().ui()->Image_visible_puzle->pixmap().toImage(); }

  QTemporaryDir folder;
  QMainWindow owner;
  ScriptedDialogs dialogs;
  RecordingSound sound;
  PlayerTable players;
  PuzzleState state;
  std::unique_ptr<TForm_puzle> window;
};

// The first clean solve opens the window beside its owner with the first piece; each
// further solve adds one on a white ground drawn with the window's outline.
TEST_F(PuzzleWindowTest, CleanSolvesShowOnePieceMoreEachOnAWhiteGround) {
  const QImage picture = TestPicture(320, 200);
  SavePicture(picture);
  CleanSolves(1);
  EXPECT_TRUE(Window().isVisible());
  EXPECT_FALSE(Window().isModal());
  EXPECT_EQ(Window().pos(), QPoint(30 + 345, 40 + 10));
  EXPECT_EQ(Window().ui()->Label_aviso->text(), "Cuando completes el puzle");
  // Esc does not close it; nor does a close request here, where no solved dialog answers it.
  Window().close();
  QTest::keyClick(&Window(), Qt::Key_Escape);
  EXPECT_TRUE(Window().isVisible());
  for (int solves = 1; solves <= 3; ++solves) {
    for (int order = 1; order <= kPuzzlePieces; ++order) {
      const PieceRect p = PuzzlePiece(order);
      const QRect area(p.left, p.top, p.right - p.left, p.bottom - p.top);
      EXPECT_TRUE(Shows(Shown(), order <= solves ? &picture : nullptr, area))
          << solves << " solves, piece " << order;
    }
    CleanSolves(solves < 3 ? 1 : 0);
  }
  const QColor outline(0, 105, 210);
  EXPECT_EQ(Shown().pixelColor(319, 50), outline) << "the right edge of a hidden piece";
  EXPECT_EQ(Shown().pixelColor(100, 0), outline) << "the top edge of a hidden piece";
}

// --- Beside the word-solved dialog, in the whole program ---

class PuzzleInProgramTest : public WindowTest {
 protected:
  // A word solved without a wrong letter, and the exit animation to its end (its ninth step
  // runs the puzzle); `seguir` then presses "Seguir".
  void CleanSolve(bool seguir = true) {
    for (char c : LettersToFind())
      main().FormKeyPress(c);
    ASSERT_TRUE(game().state().exitAnimationPending);
    for (int step = 1; step <= 9; ++step)
      main().Timer_iconoTimer();
    solvedText = program->Form_Acierto->Message()->text();
    ASSERT_TRUE(program->Form_Acierto->isVisible());
    if (seguir)
      QTest::mouseClick(program->Form_Acierto->Seguir(), Qt::LeftButton);
  }
  QString solvedText;
};

// The reward's rules are the engine's; the program shows it at once, in the points and in
// the solved dialog.
TEST_F(PuzzleInProgramTest, EightCleanSolvesCompleteThePuzzleAndShowTheReward) {
  StartUp();
  TForm_puzle& puzzle = *program->Form_puzle;
  for (int solve = 1; solve < kPuzzlePieces; ++solve) {
    CleanSolve(false);
    EXPECT_TRUE(puzzle.isVisible()) << "solve " << solve;
    EXPECT_EQ(solvedText, QString::fromUtf8("¡¡ HURRA !!\nAcertaste sin errores y puedes pasar"));
    QTest::mouseClick(program->Form_Acierto->Seguir(), Qt::LeftButton);
    EXPECT_FALSE(puzzle.isVisible()) << "\"Seguir\" closes it";
  }
  CleanSolve();
  EXPECT_EQ(main().ui()->Label_puntos->text(), "100 / 100");
  EXPECT_EQ(solvedText, QString::fromUtf8("¡¡ BIEN !!\n\nHas completado\nun puzle\n¡Sigue así!"));
  EXPECT_FALSE(program->Form_Acierto->Picture()->isHidden()) << "the long layout";
}

// Without pictures puzzles switch off: said once, and the window stays away.
TEST_F(PuzzleInProgramTest, WithPuzzlesOffTheSolvedDialogShowsItsLongText) {
  QDir(folder.path() + "/puzles").removeRecursively();
  StartUp();
  CleanSolve();
  CleanSolve(false);
  EXPECT_EQ(dialogs.messages.size(), 1u) << "said once";
  EXPECT_FALSE(program->Form_puzle->isVisible());
  EXPECT_EQ(solvedText, QString::fromUtf8("¡¡ HURRA !!\n\nAcertaste\nsin errores\ny puedes pasar"));
}

// The program fills the screen less its panels, at the scale that fits it: a 4:3 screen, a
// 1366x768 one at 1.25, a 1920x1080 one at 1.8, a 5:4 one at 1.6, a large screen unscaled.
struct Screen {
  const char* name;
  QRect available;
  bool roomForTheHint;  // the window fits on it beside the word without covering the hint too
};

class PuzzlePlaceTest : public PuzzleInProgramTest, public ::testing::WithParamInterface<Screen> {};

TEST_P(PuzzlePlaceTest, LeavesTheWordAndItsHintInSight) {
  const QRect area = GetParam().available;
  StartUp();
  main().setGeometry(area);
  program->Form_puzle->SetAvailableArea([area] { return area; });
  CleanSolve(false);
  const QRect puzzle = program->Form_puzle->frameGeometry();
  EXPECT_TRUE(area.contains(puzzle)) << puzzle.x() << ", " << puzzle.y();
  const auto inSight = [&puzzle](const QWidget* widget) {
    return !puzzle.intersects(QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()));
  };
  EXPECT_TRUE(inSight(main().ui()->Label_palabra));
  if (GetParam().roomForTheHint)
    EXPECT_TRUE(inSight(main().ui()->Label_pista));
  EXPECT_TRUE(inSight(program->Form_Acierto->Seguir()));
}

INSTANTIATE_TEST_SUITE_P(Screens, PuzzlePlaceTest,
                         ::testing::Values(Screen{"FourByThree", {0, 0, 800, 600}, false},
                                           Screen{"Wide1366", {0, 0, 1092, 614}, false},
                                           Screen{"Wide1920", {0, 0, 1066, 600}, false},
                                           Screen{"FiveByFour", {0, 0, 800, 640}, true},
                                           Screen{"LargeUnscaled", {0, 0, 1920, 1040}, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
