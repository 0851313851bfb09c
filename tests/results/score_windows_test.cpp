// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The end of a game: the options window, the ten best scores and the score folder.
#include <sys/fsuid.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "platform/game_folder.h"
#include "results/form_directorio.h"
#include "results/form_op_fin.h"
#include "results/form_puntos.h"
#include "score_table.h"
#include "settings/said.h"
#include "support/files.h"
#include "support/while_open.h"
#include "support/window_fixture.h"
#include "ui_form_directorio.h"
#include "ui_form_jugadores.h"
#include "ui_form_op_fin.h"
#include "ui_form_puntos.h"

namespace {

// Runs `action`, which opens a modal window, while `answer` works inside it.
void RunModal(const std::function<void()>& action, const std::function<void()>& answer) {
  WhileOpen(action, [&](QWidget*) { answer(); });
}

void Click(QWidget* widget) {
  QTest::mouseClick(widget, Qt::LeftButton);
}

std::string SavedList(const std::vector<std::pair<std::string, int>>& scores) {
  TopTenList list;
  for (std::size_t i = 0; i < scores.size(); ++i)
    list.places[i].entry = {scores[i].first, scores[i].second};
  return SerializePointsFile(list);
}

}  // namespace

// The points window and the score folder, on their own, in a fresh game folder.
class ScoreWindows : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder.isValid()); }

  void Play(const std::string& group, const std::vector<std::pair<std::string, int>>& scores) {
    players.playerCount = static_cast<int>(scores.size());
    players.scores[0] = {group, 0};
    for (std::size_t i = 0; i < scores.size(); ++i) {
      players.scores[i + 1] = {scores[i].first, scores[i].second};
      players.scores[0].points += scores[i].second;
    }
  }
  QString PointsFile() const { return folder.filePath("puntos.plm"); }
  // The first `count` places as shown, "name points", marked " new" in red, bold and underlined
  // (old ones are black and blue, plain).
  QStringList Places(int count = 10) const {
    QStringList places;
    for (int place = 1; place <= count; ++place) {
      const QLabel* name = points.NameLabel(place);
      const QColor colour = name->palette().color(QPalette::WindowText);
      const QColor pointsColour = points.PointsLabel(place)->palette().color(QPalette::WindowText);
      const auto style =
          std::tuple(name->font().bold(), name->font().underline(), colour, pointsColour);
      const bool isNew = style == std::tuple(true, true, QColor(Qt::red), QColor(Qt::red));
      EXPECT_TRUE(isNew || style == std::tuple(false, false, QColor(Qt::black), QColor(Qt::blue)))
          << place;
      places << name->text() + " " + points.PointsLabel(place)->text() + (isNew ? " new" : "");
    }
    return places;
  }
  // The program's own show, as the options window's button gives it.
  void ShowPoints() {
    points.hide();
    points.show();
  }
  // ANA's 80 points shown and "Guardar" pressed.
  void SaveEighty() {
    Play("G", {{"ANA", 80}});
    ShowPoints();
    ASSERT_TRUE(points.ui()->BitBtn_guardar->isEnabled());
    Click(points.ui()->BitBtn_guardar);
  }

  QTemporaryDir folder;
  ScriptedDialogs dialogs;
  PlayerTable players;
  QWidget owner;
  TForm_puntos points{&owner, GameFolder(folder.path()), players, dialogs};
  TForm_directorio directory{&owner, GameFolder(folder.path()), dialogs, points.scoreDirectory};
};

TEST_F(ScoreWindows, OnePlayerEntersAnEmptyListIsSavedAndKeptThroughARestore) {
  Play("G", {{"ANA", 25}});
  ShowPoints();
  QStringList expected(10, " 0");
  expected[0] = "ANA 25 new";
  EXPECT_EQ(Places(), expected);
  Click(points.ui()->BitBtn_guardar);
  EXPECT_FALSE(points.ui()->BitBtn_guardar->isEnabled());
  EXPECT_EQ(ReadBytes(PointsFile()).size(), 240);
  EXPECT_TRUE(dialogs.messages.empty());
  // Now in the file: reading it again when the window system shows it would place ANA twice.
  ShowCounter shows(&points);
  const int shownBySystem = MinimiseAndRestore(points);
  ASSERT_GE(shownBySystem, 1);
  EXPECT_EQ(shows.count, shownBySystem);  // the program did not show it again itself
  EXPECT_EQ(Places(), expected);
  EXPECT_FALSE(points.ui()->BitBtn_guardar->isEnabled());
  // Esc is ignored; "Cerrar" closes it.
  points.ui()->BitBtn_cerrar->setFocus();
  QTest::keyClick(points.ui()->BitBtn_cerrar, Qt::Key_Escape);
  EXPECT_TRUE(points.isVisible());
  Click(points.ui()->BitBtn_cerrar);
  EXPECT_FALSE(points.isVisible());
}

TEST_F(ScoreWindows, TheFileIsReadAgainAtEveryShowing) {
  // A short file written elsewhere: two whole entries and two bytes more.
  WriteBytes(PointsFile(), SavedList({{Ansi("PEÑA"), 60}, {"PEPA", 20}}).substr(0, 48) + "xx");
  Play("G", {{"ANA", 20}});
  ShowPoints();
  EXPECT_EQ(Places(4), QStringList({"PEÑA 60", "PEPA 20", "ANA 20 new", " 0"}));
  // Saved: the player goes in again, below the saved copy with the same points.
  Click(points.ui()->BitBtn_guardar);
  Click(points.ui()->BitBtn_cerrar);
  ShowPoints();
  EXPECT_EQ(Places(5), QStringList({"PEÑA 60", "PEPA 20", "ANA 20", "ANA 20 new", " 0"}));
  EXPECT_EQ(ReadBytes(PointsFile()).size(), 240);
}

TEST_F(ScoreWindows, PointsFileFromTheScoreFolder) {
  ASSERT_TRUE(QDir(folder.path()).mkdir("puntos"));
  WriteBytes(folder.filePath("puntos/puntos.plm"), SavedList({{"LEJOS", 99}}));
  WriteBytes(PointsFile(), SavedList({{"CERCA", 99}}));
  points.scoreDirectory = folder.filePath("puntos") + "/";
  Play("G", {{"ANA", 1}});
  ShowPoints();
  EXPECT_EQ(Places(1), QStringList{"LEJOS 99"});
  Click(points.ui()->BitBtn_guardar);
  EXPECT_EQ(ReadBytes(folder.filePath("puntos/puntos.plm")).mid(24, 3), "ANA");
  EXPECT_EQ(ReadBytes(PointsFile()).left(5), "CERCA");
}

// Which files the save path refuses (links, folders, full disks) is its own test; here, a
// save that fails is said, the list can be saved again and the old file stays whole.
TEST_F(ScoreWindows, AFailedSaveSaysSoAndLeavesTheOldFileWhole) {
  const std::string old = SavedList({{"ANTES", 70}, {"TAMBIEN", 50}});
  WriteBytes(PointsFile(), old);
  points.scoreDirectory = folder.filePath("no/existe") + "/";
  SaveEighty();
  EXPECT_EQ(Said(dialogs), Texts{"Error.\n\nNo se ha podido grabar el archivo de puntuaciones."});
  EXPECT_TRUE(points.ui()->BitBtn_guardar->isEnabled());
  EXPECT_EQ(ReadBytes(PointsFile()), QByteArray::fromStdString(old));
}

// A points file that is there but cannot be read is never replaced by this game's scores.
// Root reads any file: the test then reads as another user.
class UnreadablePoints : public ScoreWindows, public ::testing::WithParamInterface<const char*> {};

TEST_P(UnreadablePoints, IsNeverSavedOver) {
  const std::string old = SavedList({{"ANTES", 70}, {"TAMBIEN", 50}});
  const bool asFolder = std::string(GetParam()) == "Folder";
  if (asFolder)
    ASSERT_TRUE(QDir(folder.path()).mkdir("puntos.plm"));
  else
    WriteBytes(PointsFile(), old);
  ASSERT_TRUE(QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x7777)));
  ASSERT_TRUE(QFile::setPermissions(
      PointsFile(), asFolder ? QFileDevice::Permissions(0x7777) : QFileDevice::Permissions()));
  {
    const int previous = ::setfsuid(::geteuid() == 0 ? 65534 : ::geteuid());
    SaveEighty();
    ::setfsuid(previous);
  }
  EXPECT_EQ(Said(dialogs),
            Texts{"Error.\n\nNo se ha podido leer el archivo de puntuaciones.\n\nLa lista no se "
                  "ha guardado, para no borrar las puntuaciones que ya tiene."});
  EXPECT_TRUE(points.ui()->BitBtn_guardar->isEnabled());
  QFile::setPermissions(PointsFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  if (!asFolder)
    EXPECT_EQ(ReadBytes(PointsFile()), QByteArray::fromStdString(old));
  EXPECT_EQ(QFileInfo(PointsFile()).isDir(), asFolder);
}

INSTANTIATE_TEST_SUITE_P(Points, UnreadablePoints, ::testing::Values("NotAllowed", "Folder"));

// Another computer saved into the same file while the window was open: saving keeps its
// scores and places this game's among them, and the window shows the list saved.
TEST_F(ScoreWindows, SavingKeepsWhatAnotherComputerSavedMeanwhile) {
  WriteBytes(PointsFile(), SavedList({{"ANTES", 70}}));
  Play("G", {{"ANA", 60}});
  ShowPoints();
  WriteBytes(PointsFile(), SavedList({{"OTRO", 90}, {"ANTES", 70}, {"LEJOS", 60}}));
  Click(points.ui()->BitBtn_guardar);
  EXPECT_TRUE(dialogs.messages.empty());
  const QStringList saved = {"OTRO 90", "ANTES 70", "LEJOS 60", "ANA 60 new", " 0"};
  EXPECT_EQ(Places(5), saved);
  const std::string bytes = SavedList({{"OTRO", 90}, {"ANTES", 70}, {"LEJOS", 60}, {"ANA", 60}});
  EXPECT_EQ(ReadBytes(PointsFile()), QByteArray::fromStdString(bytes));
}

// The score folder.

TEST_F(ScoreWindows, AceptarSetsTheFolderAndWritesItDown) {
  ASSERT_TRUE(QDir(folder.path()).mkpath("clase/notas"));
  const QString chosen = folder.filePath("clase/notas");
  RunModal([&] { directory.ChooseScoreDirectory(); },
           [&] {
             directory.ShowFolder(chosen);
             Click(directory.ui()->BitBtn_aceptar);
           });
  EXPECT_EQ(points.scoreDirectory, chosen + "/");
  EXPECT_EQ(ReadBytes(folder.filePath("directorio.txt")), (chosen + "/").toUtf8());

  // Shown again, the list starts at the chosen folder; "Cancelar" keeps it and still writes.
  QFile::remove(folder.filePath("directorio.txt"));
  RunModal([&] { directory.ChooseScoreDirectory(); },
           [&] {
             EXPECT_EQ(directory.CurrentFolder(), chosen);
             directory.ShowFolder(folder.path());
             Click(directory.ui()->BitBtn_cancelar);
           });
  EXPECT_EQ(points.scoreDirectory, chosen + "/");
  EXPECT_EQ(ReadBytes(folder.filePath("directorio.txt")), (chosen + "/").toUtf8());
  EXPECT_TRUE(dialogs.messages.empty());
}

// The window opens with the score folder in view, however far down the list it is, once the
// list has read the folders in the background; its date is written in Spanish.
TEST_F(ScoreWindows, OpensWithTheScoreFolderInView) {
  for (int k = 0; k < 40; ++k)
    ASSERT_TRUE(QDir(folder.path()).mkdir(QString("carpeta%1").arg(k, 2, 10, QChar('0'))));
  ASSERT_TRUE(QDir(folder.path()).mkdir("zz"));
  const QString chosen = folder.filePath("zz");
  points.scoreDirectory = chosen + "/";
  bool inView = false;
  QString date;
  RunModal([&] { directory.ChooseScoreDirectory(); },
           [&] {
             QTreeView* list = directory.ui()->DirectoryListBox;
             const QDeadlineTimer deadline(3000);
             while (!inView && !deadline.hasExpired()) {
               QTest::qWait(20);
               const QRect at = list->visualRect(list->currentIndex());
               inView = !at.isEmpty() && list->viewport()->rect().contains(at.center());
             }
             EXPECT_EQ(directory.CurrentFolder(), chosen);
             date = list->currentIndex().siblingAtColumn(3).data().toString();
             Click(directory.ui()->BitBtn_cancelar);
           });
  EXPECT_TRUE(inView);
  EXPECT_EQ(date, QLocale(QLocale::Spanish, QLocale::Spain)
                      .toString(QFileInfo(chosen).lastModified(), QLocale::ShortFormat));
}

TEST_F(ScoreWindows, AFailedWriteOfTheFolderFileIsReported) {
  ASSERT_TRUE(QDir(folder.path()).mkdir("directorio.txt"));  // a folder stands in the way
  RunModal([&] { directory.ChooseScoreDirectory(); },
           [&] { Click(directory.ui()->BitBtn_aceptar); });
  EXPECT_EQ(Said(dialogs),
            Texts{Ansi("\nError.\n\nNO se ha podido guardar el archivo de configuración.\n")});
}

TEST(DirectoryFile, KeepsTheFirst297CharactersInWindows1252) {
  const QString longFolder = "/" + QString(400, QChar('a')) + "/";
  EXPECT_EQ(DirectoryFileText(longFolder), "/" + std::string(296, 'a'));
  EXPECT_EQ(DirectoryFileText(QString::fromUtf8("/home/año/")), Ansi("/home/año/"));
  EXPECT_EQ(DirectoryFileText(""), "");
}

// The options window, on its own: only a left click on a label closes it; "Terminar" asks
// first (its "Yes" is the main window's test).
TEST_F(ScoreWindows, OnlyTheLabelsCloseTheOptions) {
  int shown = 0;  // the players and the points windows
  TForm_op_fin options{&owner, dialogs, [&] { return ++shown < 0; }, [&] { ++shown; }};
  dialogs.answers = {false};
  EndOfGameChoice choice{};
  RunModal([&] { choice = options.Ask(); },
           [&] {
             options.ui()->Button_verpuntos->setFocus();
             QTest::keyClick(options.ui()->Button_verpuntos, Qt::Key_Escape);
             QTest::mouseClick(options.ui()->Label_continuar, Qt::RightButton);
             Click(options.ui()->Label_terminar);
             EXPECT_TRUE(options.isVisible());
             Click(options.ui()->Label_continuar);
           });
  EXPECT_EQ(choice, EndOfGameChoice::Continue);
  EXPECT_FALSE(options.isVisible());
  EXPECT_EQ(shown, 0);
  EXPECT_EQ(
      Said(dialogs),
      Texts{Ansi("question: "
                 "\n¿Estás seguro de que deseas terminar \n\ndefinitivamente este juego?\n")});
}

// Through the program: the ten best with its players, then a new game asks for the players.
TEST_F(WindowTest, TheOptionsShowTheTenBestAndANewGameAsksForThePlayersAgain) {
  StartUp({"ANA", "LUIS"});
  for (char c : LettersToFind())  // a clean solve: 10 points for ANA and for the group
    main().FormKeyPress(c);
  TForm_op_fin& options = *program->Form_op_fin;
  TForm_puntos& points = *program->Form_puntos;
  EndOfGameChoice choice{};
  WhileModal([&] { choice = options.Ask(); },
             [&] {
               WhileModal([&] { Click(options.ui()->Button_verpuntos); },
                          [&] {
                            EXPECT_EQ(points.NameLabel(1)->text(), "Grupo sin nombre");
                            EXPECT_EQ(points.NameLabel(2)->text(), "ANA");
                            Click(points.ui()->BitBtn_cerrar);
                          });
               WhileModal([&] { Click(options.ui()->Label_juegonuevo); },
                          [&] {
                            program->Form_jugadores->NameField(1)->setText("PEPA");
                            program->Form_jugadores->ui()->Button_jugar->click();
                          });
             });
  EXPECT_EQ(choice, EndOfGameChoice::NewGame);
  EXPECT_FALSE(options.isVisible());
  EXPECT_EQ(game().players().playerCount, 1);
  EXPECT_EQ(game().players().records[0].name, "PEPA");
  EXPECT_EQ(program->Form_directorio->CurrentFolder(), folder.path());
}
