// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/word_list_tab.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <set>

#include "charset.h"
#include "docentix/command_line.h"
#include "docentix/docentix_window.h"
#include "docentix/letter_marker.h"
#include "docentix/list_import.h"
#include "docentix/mode_previews.h"
#include "docentix/spell_checker.h"
#include "files.h"
#include "support/window_fixture.h"
#include "word_file_messages.h"

namespace {

// A list of ten animals as a teacher's old editor wrote it (code page 850).
QByteArray AnimalList(const QByteArray& theme) {
  return "K. L. TAMU P. LURIMBA\r\n" + theme +
         "\r\nperro\r\nLadra\r\ngato\r\nMa\xA3lla\r\nvaca\r\nDa leche\r\noveja\r\nDa "
         "lana\r\ncerdo\r\nVive en la pocilga\r\npato\r\nNada en el estanque\r\nburro\r\n"
         "Rebuzna\r\ngallina\r\nPone huevos\r\nconejo\r\nTiene orejas largas\r\ncaballo\r\n"
         "Relincha\r\n";
}

// Types as a keyboard does, one key press a character (Qt Test's own typing takes ASCII only).
void TypeText(QWidget* widget, const QString& text) {
  for (QChar c : text)
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

class ListsTabTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    tab().SetChangesQuestion([this] {
      ++questions;
      return answer;
    });
  }

  WordListTab& tab() { return window.Lists(); }
  QTableWidget& table() { return *tab().Table(); }
  QPoint CellCentre(int row, int column) {
    return table().visualItemRect(table().item(row, column)).center();
  }
  void ClickCell(int row, int column) {
    table().scrollToItem(table().item(row, column));
    QTest::mouseClick(table().viewport(), Qt::LeftButton, {}, CellCentre(row, column));
  }
  // Types into a cell as a teacher does: a double click opens its editor, Enter closes it.
  void TypeInCell(int row, int column, const QString& text) {
    ClickCell(row, column);
    QTest::mouseDClick(table().viewport(), Qt::LeftButton, {}, CellCentre(row, column));
    // The editor of the cell, once it holds the focus (not the one of the cell before).
    const auto editing = [this] {
      QWidget* focus = QApplication::focusWidget();
      return qobject_cast<QLineEdit*>(focus) && focus->isVisible() &&
             focus->parent() == table().viewport();
    };
    ASSERT_TRUE(QTest::qWaitFor(editing, 1000));
    QWidget* editor = QApplication::focusWidget();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    TypeText(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits what was typed on its next turn of the event loop.
    ASSERT_TRUE(QTest::qWaitFor([&] { return table().item(row, column)->text() == text; }, 1000));
  }
  // A right press at a point of the table, through the window as the window system delivers
  // it (Qt then sends the context-menu event), and a click on the entry; the menu's entries
  // ("" for a line) into `entries`.
  void ChooseFromMenu(QPoint at, const QString& entry, QStringList* entries = nullptr) {
    at = table().viewport()->mapTo(&window, at);
    QTest::mousePress(window.windowHandle(), Qt::RightButton, {}, at);
    QTest::mouseRelease(window.windowHandle(), Qt::RightButton, {}, at);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu);
    const auto actions = menu->actions();
    for (const QAction* action : actions) {
      if (entries)
        entries->append(action->text());
    }
    const auto action = std::find_if(actions.begin(), actions.end(),
                                     [&](QAction* a) { return a->text() == entry; });
    ASSERT_NE(action, actions.end());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(*action).center());
    // The window system gives the window back its activation once the menu has closed.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  QString Path(const QString& name) { return dir.filePath(name); }
  void OpenAnimals() {
    Write(Path("animales.lma"), AnimalList("Animales"));
    ASSERT_TRUE(tab().OpenFile(Path("animales.lma")));
  }

  QTemporaryDir dir;
  ScriptedDialogs dialogs;
  SpellChecker spelling{dir.filePath("config/lurimba/palabras.dic")};
  DocentixWindow window{GameFolder(dir.path()), dialogs, spelling};
  QMessageBox::StandardButton answer = QMessageBox::Cancel;
  int questions = 0;
};

// What a teacher does with an old list: mark letters, change the theme and a hint, add a
// word, and keep it through a bad file opened. The file written is exactly the hand-built one.
TEST_F(ListsTabTest, EditedListIsWrittenByteForByte) {
  OpenAnimals();

  ClickCell(1, 0);
  QTest::mouseClick(tab().Marker()->Buttons().at(0), Qt::LeftButton);
  QTest::mouseClick(tab().Marker()->Buttons().at(2), Qt::LeftButton);
  EXPECT_EQ(table().item(1, 0)->text(), "/ga/to");
  EXPECT_EQ(tab().Previews()->Preview(6), ". a . o");
  EXPECT_EQ(tab().Previews()->Preview(3), "g . . o");

  tab().ThemeEdit()->setFocus();
  QTest::keyClick(tab().ThemeEdit(), Qt::Key_End);
  TypeText(tab().ThemeEdit(), " de la granja");
  TypeInCell(0, 1, "Ladra y guarda la casa");
  TypeInCell(10, 0, "ñu");
  TypeInCell(10, 1, "Antílope de África");
  EXPECT_TRUE(tab().IsModified());
  EXPECT_TRUE(window.isWindowModified());
  // A file that is not a list gives the game's message (which file gives which is the game's
  // own test), and the list being edited stays.
  Write(Path("malo.lma"), "PNG\r\n\x1A\r\nbinario");
  EXPECT_FALSE(tab().OpenFile(Path("malo.lma")));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, LoadFailureMessage(LoadResult::WrongType)->text);
  EXPECT_EQ(tab().Path(), Path("animales.lma"));
  dialogs.messages.clear();

  ASSERT_TRUE(tab().Save());
  QByteArray expected = AnimalList("Animales de la granja");
  expected.replace("gato\r\n", "/ga/to\r\n");
  expected.replace("Ladra\r\n", "Ladra y guarda la casa\r\n");
  expected +=
      "\xA4u\r\nAnt\xA1lope de \xB5"
      "frica\r\n";
  EXPECT_EQ(Read(Path("animales.lma")).toStdString(), expected.toStdString());
  EXPECT_FALSE(tab().IsModified());
  EXPECT_TRUE(dialogs.messages.empty());
}

// A hint typed too long for one line of the file: the cell is marked, the problem named, and the
// save refused until the teacher shortens it.
TEST_F(ListsTabTest, LineTooLongIsMarkedAndSavingRefusedNamingIt) {
  const QByteArray ninety =
      "Pone huevos que los niños comen en la merienda y a veces cría "
      "pollitos en el corral, ñü üü";
  ASSERT_EQ(QString::fromUtf8(ninety).size(), 90);
  QByteArray words;
  for (char k = 0; k < 10; ++k)
    words += "palabra" + QByteArray(1, char('a' + k)) + ";pista\n";
  Write(Path("palabras.txt"), words);
  tab().ThemeEdit()->setFocus();
  TypeText(tab().ThemeEdit(), "Viejo");  // the list before: its theme does not carry over
  ASSERT_TRUE(tab().ImportFile(Path("palabras.txt")));
  EXPECT_EQ(tab().ThemeEdit()->text(), "");
  TypeInCell(7, 1, QString::fromUtf8(ninety));
  EXPECT_EQ(table().item(7, 1)->background().color(), QColor(255, 222, 222));
  EXPECT_TRUE(table().item(7, 1)->toolTip().contains("tiene 90 caracteres"));

  dialogs.filesToSave = {3, Path("granja.lma").toStdString()};
  EXPECT_FALSE(tab().Save());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(AnsiToUtf8(dialogs.messages[0].text)
                .find("Línea 8 (pista de la palabra 8, «palabrah»): tiene 90 caracteres; el "
                      "juego lee 80 por línea"),
            std::string::npos)
      << AnsiToUtf8(dialogs.messages[0].text);
  EXPECT_FALSE(QFile::exists(Path("granja.lma")));
  TypeInCell(7, 1, "Pone huevos");
  EXPECT_FALSE(tab().Save());  // a text file has no theme
  EXPECT_NE(AnsiToUtf8(dialogs.messages.back().text).find("Tema: falta el tema"),
            std::string::npos);
  tab().ThemeEdit()->setFocus();
  TypeText(tab().ThemeEdit(), "Granja");
  EXPECT_TRUE(tab().Save());
  EXPECT_TRUE(QFile::exists(Path("granja.lma")));
}

// The window opens at 1040 x 720, or as much of it as the screen has room for, frame included.
TEST_F(ListsTabTest, OpensWithinTheScreen) {
  const QRect room = window.screen()->availableGeometry();
  EXPECT_TRUE(room.contains(window.frameGeometry())) << window.frameGeometry().width();
  EXPECT_EQ(window.size(), QSize(1040, 720).boundedTo(
                               room.size().shrunkBy(window.windowHandle()->frameMargins())));
}

class LongWordTest : public ListsTabTest, public ::testing::WithParamInterface<int> {};

// However long the word clicked, the window stays on the screen, and so does each letter button.
TEST_P(LongWordTest, KeepsWindowAndLettersOnScreen) {
  OpenAnimals();
  table().item(1, 0)->setText(QString("mariposa").repeated(13).left(GetParam()));
  ClickCell(1, 0);
  QApplication::processEvents();
  EXPECT_TRUE(window.screen()->availableGeometry().contains(window.frameGeometry()))
      << window.frameGeometry().width();
  ASSERT_EQ(tab().Marker()->Buttons().size(), GetParam());
  for (const QToolButton* button : tab().Marker()->Buttons()) {
    const int left = button->mapTo(&window, QPoint()).x();
    EXPECT_TRUE(left >= 0 && left + button->width() <= window.width()) << left;
  }
}

INSTANTIATE_TEST_SUITE_P(Letters, LongWordTest, ::testing::Values(10, 40, 100),
                         [](const auto& info) { return std::to_string(info.param); });

struct FaultLineCase {
  std::string name;
  QString file;
  QByteArray bytes;
  int line;  // of the file, where the fault is
};

// The lines a text names: "la línea 4 tiene", "Línea 4 (palabra 2, «ñu»)".
std::set<int> LinesNamed(const QString& text) {
  std::set<int> lines;
  static const QRegularExpression number("ínea (\\d+)");
  for (auto match = number.globalMatch(text); match.hasNext();)
    lines.insert(match.next().captured(1).toInt());
  return lines;
}

class FaultLineTest : public ListsTabTest, public ::testing::WithParamInterface<FaultLineCase> {};

// The window and `docentix --import` name a fault of an imported file by the same line of it.
TEST_P(FaultLineTest, WindowAndCommandLineNameTheFilesLine) {
  const QString path = Write(Path(GetParam().file), GetParam().bytes);
  QString window;
  if (tab().ImportFile(path)) {
    for (int row = 0; row < tab().ProblemList()->count(); ++row)
      window += tab().ProblemList()->item(row)->text();
  }
  for (const auto& message : dialogs.messages)
    window += QString::fromStdString(AnsiToUtf8(message.text));
  QString out, err;
  QTextStream outStream(&out), errStream(&err);
  RunCommandLine({"--import", path, "-o", Path("lista.lma")}, outStream, errStream);
  errStream.flush();
  EXPECT_EQ(LinesNamed(window), std::set<int>{GetParam().line}) << window.toStdString();
  EXPECT_EQ(LinesNamed(err), std::set<int>{GetParam().line}) << err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Files, FaultLineTest,
    ::testing::Values(
        FaultLineCase{"CsvHeadingAndBlankLineCounted", "a.csv",
                      "Palabra,Pista\r\nperro,Ladra\r\n\r\nhipopotamohipopotamohipopotamos,G\r\n",
                      4},
        FaultLineCase{"TextHintTooLong", "a.txt", "\ngato;Maúlla\nvaca;" + QByteArray(70, 'x'), 3},
        FaultLineCase{"Windows1252LetterNotInFile", "a.txt",
                      "gato;Ma\xFAlla\r\n\r\n\x9C"
                      "uf;Huevo\r\n",
                      3},
        FaultLineCase{"KvtmlEntryStartTagOnTwoLines", "a.kvtml",
                      "<kvtml><information><title>Aves</title></information><entries>\n"
                      "<entry><translation id=\"0\"><text>búho</text></translation></entry>\n"
                      "<entry id=\"1\"\n><translation id=\"0\"><text>ave</text>\n<comment>" +
                          QByteArray(70, 'x') +
                          "</comment></translation></entry></entries></kvtml>",
                      3},
        FaultLineCase{"KvtmlTextTooLongToImport", "a.kvtml",
                      "<kvtml>\n<entries>\n<entry><translation id=\"0\"><text>" +
                          QByteArray(1001, 'x') +
                          "</text></translation></entry>\n</entries></kvtml>",
                      3}),
    [](const auto& info) { return info.param.name; });

struct CloseCase {
  std::string name;
  QMessageBox::StandardButton answer;
  bool closes;
  bool saved;
};

class CloseTest : public ListsTabTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseTest, AsksAboutUnsavedChanges) {
  OpenAnimals();
  TypeInCell(0, 0, "perrito");
  answer = GetParam().answer;
  EXPECT_EQ(window.close(), GetParam().closes);
  EXPECT_EQ(questions, 1);
  EXPECT_EQ(Read(Path("animales.lma")).contains("perrito"), GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseTest,
                         ::testing::Values(CloseCase{"Si", QMessageBox::Yes, true, true},
                                           CloseCase{"No", QMessageBox::No, true, false},
                                           CloseCase{"Cancelar", QMessageBox::Cancel, false,
                                                     false}),
                         [](const auto& info) { return info.param.name; });

const QString kAnimals = "perro gato vaca oveja cerdo pato burro gallina conejo caballo";

// The table's words in order, "-" for an empty row; the empty last row left out.
QString Words(const QTableWidget& table) {
  QStringList words;
  for (int row = 0; row + 1 < table.rowCount(); ++row)
    words.append(table.item(row, 0)->text().isEmpty() ? "-" : table.item(row, 0)->text());
  return words.join(' ');
}

// A vocabulary of `entries` made-up words, as another program writes it; every seventh comment
// is too long for the game.
QByteArray Vocabulary(int entries) {
  QByteArray xml = "<kvtml version=\"2.0\">\n<information><title>Animales</title></information>\n";
  for (int k = 0; k < entries; ++k) {
    const QByteArray hint = k % 7 == 3 ? "Vive en el campo, come hierba y hojas, y duerme de pie "
                                         "junto a los demás animales del rebaño"
                                       : "Un animal";
    xml += "<entry><translation id=\"0\"><text>palabra" + QByteArray(1, char('a' + k / 26)) +
           char('a' + k % 26) + "</text><comment>" + hint + "</comment></translation></entry>\n";
  }
  return xml + "</kvtml>\n";
}

struct SoftImportCase {
  std::string name;
  int choice;              // the button pressed: split, keep the first fifty, cancel
  std::vector<int> lists;  // the words of each list saved
};

class SoftImportTest : public ListsTabTest, public ::testing::WithParamInterface<SoftImportCase> {
 protected:
  void Click(const QString& button) {
    for (QPushButton* b : tab().findChildren<QPushButton*>()) {
      if (b->text() == button)
        QTest::mouseClick(b, Qt::LeftButton);
    }
  }
};

// A file of 83 words, imported through the button: the lists chosen, one after the other, each
// hint too long shortened and marked until the teacher edits it, every list saved whole.
TEST_P(SoftImportTest, SplitsOrKeepsFiftyAndMarksShortenedHints) {
  OpenAnimals();
  dialogs.filesToOpen = {Write(Path("animales.kvtml"), Vocabulary(83)).toStdString()};
  dialogs.choices = {GetParam().choice};
  Click("&Importar...");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].buttons,
            (std::vector<std::string>{Ansi("Dividir en varias listas"),
                                      Ansi("Quedarse con las 50 primeras"), "Cancelar"}));
  EXPECT_NE(AnsiToUtf8(dialogs.messages[0].text)
                .find("«animales.kvtml» tiene 83 palabras; una lista del juego tiene 50 como "
                      "mucho.\n\nPuede dividirlo en 2 listas (de 42 y 41 palabras)"),
            std::string::npos);
  if (GetParam().lists.empty()) {
    EXPECT_EQ(Words(table()), kAnimals);
    EXPECT_EQ(tab().Path(), Path("animales.lma"));
  }
  int first = 0;
  for (std::size_t k = 0; k < GetParam().lists.size(); ++k) {
    const int words = GetParam().lists[k];
    const bool split = GetParam().lists.size() > 1;
    EXPECT_EQ(tab().ThemeEdit()->text(), split ? QString("Animales %1").arg(k + 1) : "Animales");
    EXPECT_EQ(tab().PartNote()->isVisible(), split);
    EXPECT_EQ(Words(table()).count(' ') + 1, words);
    EXPECT_EQ(table().item(0, 0)->text(),
              QString("palabra%1%2").arg(QChar('a' + first / 26)).arg(QChar('a' + first % 26)));
    const auto marks = [this] {
      int marked = 0;
      for (int row = 0; row < tab().ProblemList()->count(); ++row)
        marked += tab().ProblemList()->item(row)->text().contains("acortado al importarla");
      return marked;
    };
    int longHints = 0;
    for (int e = first; e < first + words; ++e) {
      const int row = e - first;
      const bool cut = e % 7 == 3;
      longHints += cut;
      EXPECT_EQ(table().item(row, 1)->text(),
                cut ? "Vive en el campo, come hierba y hojas" : "Un animal");
      EXPECT_EQ(table().item(row, 1)->background().color() == QColor(255, 243, 205), cut) << row;
    }
    EXPECT_EQ(marks(), longHints);
    const int edited = (3 + 7 - first % 7) % 7;  // the part's first shortened hint
    TypeInCell(edited, 1, "Come hierba");
    EXPECT_EQ(marks(), longHints - 1);
    const QString saved = Path(QString("lista%1.lma").arg(k));
    dialogs.filesToSave = {saved.toStdString()};
    Click("&Guardar");
    WordList list;
    ASSERT_EQ(LoadWordFile(saved.toStdString(), list), LoadResult::Ok);
    list.CountWords(WordField::Raw);
    EXPECT_EQ(list.wordCount, words);
    // The next shortened hint, in the slot after its row.
    EXPECT_EQ(list.slots[edited + 8].hint, "Vive en el campo, come hierba y hojas");
    first += words;
  }
  EXPECT_FALSE(tab().PartNote()->isVisible());
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Answers, SoftImportTest,
                         ::testing::Values(SoftImportCase{"Split", 0, {42, 41}},
                                           SoftImportCase{"KeepFirstFifty", 1, {50}},
                                           SoftImportCase{"Cancel", 2, {}}),
                         [](const auto& info) { return info.param.name; });

class RowsTest;
struct RowsStep {
  std::function<void(RowsTest&)> act;
  QString words;  // after it
};
struct RowsCase {
  std::string name;
  std::vector<RowsStep> steps;
};

class RowsTest : public ListsTabTest, public ::testing::WithParamInterface<RowsCase> {
 public:
  using ListsTabTest::ClickCell;
  using ListsTabTest::TypeInCell;
  void ClickHeader(int row, Qt::KeyboardModifiers modifiers = {}) {
    QHeaderView* header = table().verticalHeader();
    const QPoint at(header->width() / 2,
                    header->sectionViewportPosition(row) + header->sectionSize(row) / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, modifiers, at);
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    table().setFocus();
    QTest::keyClick(&table(), key, modifiers);
  }
  void ChooseFromMenu(int row, const QString& entry) {
    ListsTabTest::ChooseFromMenu(CellCentre(row, 0), entry);
  }
};

// Each step gives the words in their order, and the list is unsaved just when they differ from
// the file's (in these steps, which never reach the file's order by a new command).
TEST_P(RowsTest, CommandsUndoAndRedo) {
  OpenAnimals();
  for (const RowsStep& step : GetParam().steps) {
    step.act(*this);
    ASSERT_EQ(Words(table()).toStdString(), step.words.toStdString());
    EXPECT_EQ(tab().IsModified(), step.words != kAnimals) << step.words.toStdString();
  }
}

const QString kPerroSecond = "gato perro vaca oveja cerdo pato burro gallina conejo caballo";
const QString kPerroThird = "gato vaca perro oveja cerdo pato burro gallina conejo caballo";
const auto kUndo = [](RowsTest& t) { t.Key(Qt::Key_Z, Qt::ControlModifier); };
const auto kRedo = [](RowsTest& t) { t.Key(Qt::Key_Y, Qt::ControlModifier); };

INSTANTIATE_TEST_SUITE_P(
    Rows, RowsTest,
    ::testing::Values(
        RowsCase{"DeleteThreeSelected",
                 {{[](RowsTest& t) {
                     t.ClickHeader(1);
                     t.ClickHeader(3, Qt::ShiftModifier);
                     t.Key(Qt::Key_Delete);
                   },
                   "perro cerdo pato burro gallina conejo caballo"},
                  {kUndo, kAnimals},
                  {kRedo, "perro cerdo pato burro gallina conejo caballo"}}},
        RowsCase{"InsertTypeUndoTwice",
                 {{[](RowsTest& t) { t.ChooseFromMenu(2, "Insertar fila"); },
                   "perro gato - vaca oveja cerdo pato burro gallina conejo caballo"},
                  {[](RowsTest& t) { t.TypeInCell(2, 0, "toro"); },
                   "perro gato toro vaca oveja cerdo pato burro gallina conejo caballo"},
                  {kUndo, "perro gato - vaca oveja cerdo pato burro gallina conejo caballo"},
                  {kUndo, kAnimals},
                  {kRedo, "perro gato - vaca oveja cerdo pato burro gallina conejo caballo"}}},
        RowsCase{"MoveDownThenUp",
                 {{[](RowsTest& t) { t.ChooseFromMenu(0, "Bajar"); }, kPerroSecond},
                  {[](RowsTest& t) { t.Key(Qt::Key_Down, Qt::AltModifier); }, kPerroThird},
                  {[](RowsTest& t) { t.Key(Qt::Key_Up, Qt::AltModifier); }, kPerroSecond},
                  {kUndo, kPerroThird},
                  {kUndo, kPerroSecond},
                  {kUndo, kAnimals},
                  {kRedo, kPerroSecond}}},
        RowsCase{"CellEditUndone",
                 {{[](RowsTest& t) { t.TypeInCell(1, 0, "gatito"); },
                   "perro gatito vaca oveja cerdo pato burro gallina conejo caballo"},
                  {kUndo, kAnimals},
                  {kRedo, "perro gatito vaca oveja cerdo pato burro gallina conejo caballo"}}}),
    [](const auto& info) { return info.param.name; });

// A right press on the second underlined word of a hint: the menu offers the dictionary's words
// for it (at most five), then its own commands, then the row commands; the one chosen takes the
// word's place as a cell edit, which Ctrl+Z undoes.
TEST_F(ListsTabTest, SuggestionChosenReplacesThePressedWord) {
  OpenAnimals();
  TypeInCell(0, 1, "Kasa de un leon");
  const QRect cell = table().visualItemRect(table().item(0, 1));
  const QPoint onLeon(cell.left() + table().fontMetrics().horizontalAdvance("Kasa de un leon"),
                      cell.center().y());
  QStringList entries;
  ChooseFromMenu(onLeon, "león", &entries);
  EXPECT_EQ(entries.value(0).toStdString(), "león");
  EXPECT_EQ(entries.mid(5, 5).join('|').toStdString(),
            "|Ignorar|Añadir al diccionario||Insertar fila");
  const auto hint = [this] { return table().item(0, 1)->text().toStdString(); };
  EXPECT_EQ(hint(), "Kasa de un león");
  table().setFocus();
  QTest::keyClick(&table(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(hint(), "Kasa de un leon");
  QTest::keyClick(&table(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(hint(), "Ladra");
}

struct WordCommandCase {
  std::string name;
  QString entry;
  bool blocked;            // a file stands where the configuration folder goes
  bool knownAfterRestart;  // by a checker made again, as when Docentix starts again
};

class WordCommandTest : public ListsTabTest,
                        public ::testing::WithParamInterface<WordCommandCase> {};

// "Ignorar" takes the underline away until Docentix ends, "Añadir al diccionario" for good:
// the teacher's word file, made then, holds the word. When it cannot be made, one message
// says so and the word stays underlined.
TEST_P(WordCommandTest, UnderlineGoesForTheSessionOrForGood) {
  OpenAnimals();
  if (GetParam().blocked)
    Write(Path("config"), "no es una carpeta");
  TypeInCell(0, 0, "ñandutí");
  ASSERT_EQ(spelling.UnknownWords("ñandutí").size(), 1);
  ChooseFromMenu(CellCentre(0, 0), GetParam().entry);
  EXPECT_EQ(spelling.UnknownWords("ñandutí").isEmpty(), !GetParam().blocked);
  EXPECT_EQ(SpellChecker(spelling.UserWords()).UnknownWords("ñandutí").isEmpty(),
            GetParam().knownAfterRestart);
  EXPECT_EQ(Read(spelling.UserWords()), GetParam().knownAfterRestart ? "ñandutí\n" : "<no file>");
  ASSERT_EQ(dialogs.messages.size(), GetParam().blocked ? 1u : 0u);
  if (GetParam().blocked) {
    EXPECT_EQ(AnsiToUtf8(dialogs.messages[0].text),
              "\nNo se ha podido añadir «ñandutí» al diccionario: no se puede escribir en\n" +
                  Path("config/lurimba/palabras.dic").toStdString() + "\n");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, WordCommandTest,
    ::testing::Values(WordCommandCase{"Ignorar", "Ignorar", false, false},
                      WordCommandCase{"Anadir", "Añadir al diccionario", false, true},
                      WordCommandCase{"AnadirSinCarpeta", "Añadir al diccionario", true, false}),
    [](const auto& info) { return info.param.name; });

}  // namespace
