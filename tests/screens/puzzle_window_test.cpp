// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The puzzle window: the pieces it shows, the reward, and how it sits beside
// the word-solved dialog.
#include <QCloseEvent>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include "platform/sound_player_qt.h"
#include "screens/form_acierto.h"
#include "screens/form_puzle.h"
#include "support/window_fixture.h"
#include "ui_form_juego.h"
#include "ui_form_puzle.h"

namespace {

const QColor kOutline(0, 105, 210);

// Every pixel a colour of its own, so a piece shown in the wrong place shows.
QImage TestPicture(int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 100 + 30));
  return picture;
}

QRect Area(const PieceRect& p) {
  return QRect(p.left, p.top, p.right - p.left, p.bottom - p.top);
}

bool SamePixels(const QImage& shown, const QImage& picture, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (shown.pixel(x, y) != picture.pixel(x, y))
        return false;
  return true;
}

bool White(const QImage& shown, const QRect& area) {
  // The outline of the window's colour runs along the border; inside all is white.
  const QRect inside = area.adjusted(1, 1, -1, -1);
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x)
      if (shown.pixel(x, y) != qRgb(255, 255, 255))
        return false;
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

  void SavePicture(int number, const QImage& picture) {
    ASSERT_TRUE(picture.save(folder.path() + QString("/puzles/puzle%1.bmp").arg(number), "BMP"));
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

}  // namespace

// The first clean solve opens the window beside its owner with the first piece; each
// further solve adds one on a white ground drawn with the window's outline.
TEST_F(PuzzleWindowTest, CleanSolvesShowOnePieceMoreEachOnAWhiteGround) {
  const QImage picture = TestPicture(320, 200);
  SavePicture(1, picture);
  for (int solves = 1; solves <= 3; ++solves) {
    CleanSolves(1);
    const QImage shown = Shown();
    for (int order = 1; order <= kPuzzlePieces; ++order) {
      const QRect area = Area(PuzzlePiece(order));
      if (order <= solves)
        EXPECT_TRUE(SamePixels(shown, picture, area)) << solves << " solves, piece " << order;
      else
        EXPECT_TRUE(White(shown, area)) << solves << " solves, piece " << order;
    }
    if (solves == 1) {
      EXPECT_TRUE(Window().isVisible());
      EXPECT_FALSE(Window().isModal());
      EXPECT_EQ(Window().pos(), QPoint(30 + 345, 40 + 10));
      EXPECT_EQ(Window().ui()->Label_aviso->text(), "Cuando completes el puzle");
    }
  }
  EXPECT_EQ(Shown().pixelColor(319, 50), kOutline) << "the right edge of a hidden piece";
  EXPECT_EQ(Shown().pixelColor(100, 0), kOutline) << "the top edge of a hidden piece";
}

struct SizeCase {
  const char* name;
  int width, height;
};

class PictureSizeTest : public PuzzleWindowTest, public ::testing::WithParamInterface<SizeCase> {};

// The pieces come from the picture's own pixels: its top-left part, white beyond it.
TEST_P(PictureSizeTest, ShowsTheTopLeftPart) {
  const QImage picture = TestPicture(GetParam().width, GetParam().height);
  SavePicture(1, picture);
  CleanSolves(kPuzzlePieces);
  const QImage shown = Shown();
  const QRect covered = QRect(0, 0, 320, 200) & picture.rect();
  EXPECT_TRUE(SamePixels(shown, picture, covered));
  if (picture.width() < 320) {
    EXPECT_TRUE(White(shown, QRect(picture.width() - 1, 0, 320 - picture.width() + 1, 200)));
  }
  if (picture.height() < 200) {
    EXPECT_TRUE(White(shown, QRect(0, picture.height() - 1, 320, 200 - picture.height() + 1)));
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, PictureSizeTest,
                         ::testing::Values(SizeCase{"Bigger", 400, 300},
                                           SizeCase{"Smaller", 200, 120},
                                           SizeCase{"Narrow", 100, 250}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PuzzleWindowTest, WithoutPicturesSaysSoOnceAndStaysAway) {
  QDir(folder.path() + "/puzles").removeRecursively();
  CleanSolves(1);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_FALSE(Window().PuzzlesEnabled());
  Window().Dismiss();
  CleanSolves(1);
  EXPECT_FALSE(Window().isVisible()) << "no longer shown";
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(PuzzleWindowTest, AFileThatIsNotAPictureSwitchesPuzzlesOff) {
  QFile file(folder.path() + "/puzles/puzle1.bmp");
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("BM no es un dibujo");
  file.close();
  CleanSolves(1);
  EXPECT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(state.puzzleState, -1);
}

// No title-bar buttons: neither Esc nor the window manager closes it.
TEST_F(PuzzleWindowTest, OnlyDismissClosesIt) {
  SavePicture(1, TestPicture(320, 200));
  CleanSolves(1);
  TForm_puzle& puzzle = Window();
  puzzle.close();
  EXPECT_TRUE(puzzle.isVisible());
  QTest::keyClick(puzzle.ui()->Image_visible_puzle, Qt::Key_Escape);
  QTest::keyClick(&puzzle, Qt::Key_Escape);
  EXPECT_TRUE(puzzle.isVisible());
  puzzle.Dismiss();
  EXPECT_FALSE(puzzle.isVisible());
}

// --- Beside the word-solved dialog, in the whole program ---

namespace {

class PuzzleInProgramTest : public WindowTest {
 protected:
  // A word solved without a wrong letter, the exit animation to its end and the
  // puzzle step the main window runs then.
  void CleanSolve() {
    for (char c : LettersToFind())
      main().FormKeyPress(c);
    ASSERT_TRUE(game().state().exitAnimationPending);
    for (int step = 1; step <= 9; ++step)  // the ninth step runs the puzzle
      main().Timer_iconoTimer();
  }
  void Seguir() {
    TForm_Acierto& solved = *program->Form_Acierto;
    ASSERT_TRUE(solved.isVisible());
    QTest::mouseClick(solved.Seguir(), Qt::LeftButton);
  }
  QString SolvedText() const { return program->Form_Acierto->Message()->text(); }
};

}  // namespace

// The reward's rules are the engine's; the program shows it at once, in the points and in
// the solved dialog.
TEST_F(PuzzleInProgramTest, EightCleanSolvesCompleteThePuzzleAndShowTheReward) {
  StartUp();
  TForm_puzle& puzzle = *program->Form_puzle;
  for (int solve = 1; solve <= kPuzzlePieces; ++solve) {
    CleanSolve();
    EXPECT_TRUE(puzzle.isVisible()) << "solve " << solve;
    if (solve < kPuzzlePieces) {
      EXPECT_EQ(SolvedText(),
                QString::fromUtf8("¡¡ HURRA !!\nAcertaste sin errores y puedes pasar"));
    } else {
      const int points = kPuzzlePieces * 10 + 20;
      EXPECT_EQ(main().ui()->Label_puntos->text(), QString("%1 / %1").arg(points));
    }
    Seguir();
    EXPECT_FALSE(puzzle.isVisible()) << "\"Seguir\" closes it";
  }
  EXPECT_EQ(SolvedText(), QString::fromUtf8("¡¡ BIEN !!\n\nHas completado\nun puzle\n¡Sigue así!"));
  EXPECT_FALSE(program->Form_Acierto->Picture()->isHidden()) << "the long layout";
}

TEST_F(PuzzleInProgramTest, WithPuzzlesOffTheSolvedDialogShowsItsLongText) {
  QDir(folder.path() + "/puzles").removeRecursively();
  StartUp();
  CleanSolve();
  EXPECT_EQ(dialogs.messages.size(), 1u);
  Seguir();
  for (char c : LettersToFind())
    main().FormKeyPress(c);
  main().Timer_iconoTimer();
  EXPECT_EQ(SolvedText(),
            QString::fromUtf8("¡¡ HURRA !!\n\nAcertaste\nsin errores\ny puedes pasar"));
  for (int step = 2; step <= 9; ++step)
    main().Timer_iconoTimer();
  Seguir();
}

// Each piece waits for its "letracorrecta" to end: the wait follows the sound's own length.
TEST(PieceSoundTest, SynchronousSoundsWaitForTheirWholeLength) {
  EXPECT_NEAR(WaveLengthMs(":/sounds/letracorrecta.wav"), 290, 5);
  EXPECT_NEAR(WaveLengthMs(":/sounds/acierto.wav"), 3000, 5);
  EXPECT_EQ(WaveLengthMs(":/sounds/no_existe.wav"), 0);
}
