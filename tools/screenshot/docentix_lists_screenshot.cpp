// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves Docentix's "Listas de palabras" tab as a PNG file into the folder given as the only
// argument: a shipped list being edited, with a word whose letters are being marked, its six
// previews, a misspelt word underlined and a hint too long for the game's line marked; then the
// whole screen with a word of a hundred letters selected, the window at the size it opens at,
// the window with that word's previews scrolled into sight, and the whole screen with three rows
// selected and the table's context menu open on them, and that menu open on the misspelt word;
// then the question a vocabulary of 83 words asks, and the first of the lists it is split into,
// its shortened hints marked.
// Runs on any platform, the offscreen one included (`make screenshot`: a 1024 x 768 screen).
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include "docentix/docentix_window.h"
#include "docentix/letter_marker.h"
#include "docentix/mode_previews.h"
#include "docentix/spell_checker.h"
#include "docentix/word_list_tab.h"
#include "platform/application.h"
#include "platform/prompter_qt.h"
#include "shots.h"

namespace {

using namespace shots;

void ClickCell(QTableWidget& table, int row, int column) {
  const QPoint centre = table.visualItemRect(table.item(row, column)).center();
  QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, centre);
}

// The row of a word, marks not counted; -1 when the list does not have it.
int RowOf(const QTableWidget& table, const QString& word) {
  for (int row = 0; row < table.rowCount(); ++row) {
    if (table.item(row, 0)->text().remove('/') == word)
      return row;
  }
  return -1;
}

// A vocabulary of the KDE programs with `entries` words, every fifth comment too long for the
// game's hints.
bool WriteVocabulary(const QString& path, int entries) {
  const QStringList animals = {"perro",    "gato",  "gallina", "vaca",   "oveja",
                               "caballo",  "cerdo", "pato",    "conejo", "burro",
                               "cabra",    "ratón", "león",    "tigre",  "jirafa",
                               "elefante", "cebra", "mono",    "oso",    "lobo"};
  const QStringList hints = {
      "Ladra y cuida la casa",
      "Maúlla y caza ratones",
      "Ave de corral que pone huevos, cacarea al amanecer y duerme subida a un palo del gallinero",
      "Da leche",
      "Da lana",
  };
  QByteArray xml =
      "<kvtml version=\"2.0\">\n<information><title>Animales del mundo</title></information>"
      "\n<entries>\n";
  for (int k = 0; k < entries; ++k) {
    const QString word =
        k < animals.size()
            ? animals[k]
            : QStringLiteral("animal%1%2").arg(QChar('a' + k / 26)).arg(QChar('a' + k % 26));
    const QString hint = hints[k % hints.size()];
    xml += QStringLiteral(
               "<entry><translation id=\"0\"><text>%1</text><comment>%2</comment>"
               "</translation></entry>\n")
               .arg(word, hint)
               .toUtf8();
  }
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(xml + "</entries>\n</kvtml>\n") > 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  Application app(argc, argv);
  if (argc < 2)
    return 2;
  outputFolder = QDir(argv[1]).absolutePath();
  QTemporaryDir gameFolder;
  QDir(gameFolder.path()).mkpath("archivos");
  const QString list = gameFolder.filePath("archivos/animales.lma");
  if (!QFile::copy(DATA_DIR "/archivos/animales.lma", list))
    return 1;
  QFile::setPermissions(list, QFile::ReadOwner | QFile::WriteOwner);

  QtDialogs dialogs;
  SpellChecker spelling;
  DocentixWindow window(GameFolder(gameFolder.path()), dialogs, spelling);
  dialogs.SetOwner(&window);
  window.show();
  QTest::qWaitForWindowExposed(&window);
  WordListTab& tab = window.Lists();
  if (!tab.OpenFile(list))
    return 1;

  // The teacher has typed a hint with a spelling mistake and a hint too long for the game's
  // line, and is marking letters of "mariposa".
  QTableWidget& table = *tab.Table();
  table.item(RowOf(table, "mariposa"), 1)
      ->setText(QStringLiteral("Insecto con alas de muchos colorez"));
  table.item(RowOf(table, "león"), 1)
      ->setText(QStringLiteral("Animal que vive en la sabana, ruge muy fuerte y el macho tiene "
                               "una melena grande"));
  const int row = RowOf(table, "mariposa");
  if (row < 0)
    return 1;
  table.item(row, 0)->setText(QStringLiteral("mariposa"));
  table.scrollToItem(table.item(row, 0), QAbstractItemView::PositionAtCenter);
  ClickCell(table, row, 0);
  for (int letter : {0, 2, 4, 6})
    QTest::mouseClick(tab.Marker()->Buttons().at(letter), Qt::LeftButton);
  SaveSettledWidget(window, "docentix-lists");

  // A word far longer than the game takes, typed in the list's last, empty row.
  const int last = table.rowCount() - 1;
  table.item(last, 0)->setText(QStringLiteral("esternocleidomastoideo").repeated(5).left(100));
  table.scrollToItem(table.item(last, 0));
  ClickCell(table, last, 0);
  SaveScreen("docentix-lists-long-word");
  // Its previews, at the end of the panel.
  QWidget* area = tab.Previews();
  while (area && !qobject_cast<QScrollArea*>(area))
    area = area->parentWidget();
  if (!area)
    return 1;
  QScrollBar* bar = static_cast<QScrollArea*>(area)->verticalScrollBar();
  bar->setValue(bar->maximum());
  SaveSettledWidget(window, "docentix-lists-long-word-previews");

  // Three rows chosen on the row header, and the right press that opens the row commands.
  bar->setValue(0);
  table.scrollToTop();
  QHeaderView* header = table.verticalHeader();
  const auto headerCentre = [header](int row) {
    return QPoint(header->width() / 2,
                  header->sectionViewportPosition(row) + header->sectionSize(row) / 2);
  };
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, headerCentre(2));
  QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::ShiftModifier, headerCentre(4));
  const QPoint at = table.visualItemRect(table.item(3, 0)).center();
  QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, table.viewport()->mapToGlobal(at));
  QApplication::sendEvent(table.viewport(), &menuEvent);
  SaveScreen("docentix-lists-row-menu");
  if (QWidget* menu = QApplication::activePopupWidget())
    menu->close();

  // A right press at the end of the misspelt hint: what the dictionary offers, then the rows'.
  const QTableWidgetItem* misspelt = table.item(RowOf(table, "mariposa"), 1);
  table.scrollToItem(misspelt, QAbstractItemView::PositionAtCenter);
  Settle();
  const QRect hint = table.visualItemRect(misspelt);
  const QPoint end(hint.left() + table.fontMetrics().horizontalAdvance(misspelt->text()),
                   hint.center().y());
  QTest::mousePress(window.windowHandle(), Qt::RightButton, {},
                    table.viewport()->mapTo(&window, end));
  QTest::mouseRelease(window.windowHandle(), Qt::RightButton, {},
                      table.viewport()->mapTo(&window, end));
  SaveScreen("docentix-lists-spelling-menu");

  // A vocabulary of 83 words from another program, some of its comments too long for the game:
  // the question that offers to split it, then its first list with the shortened hints marked.
  const QString vocabulary = gameFolder.filePath("animales-del-mundo.kvtml");
  if (!WriteVocabulary(vocabulary, 83))
    return 1;
  auto* poll = new QTimer(&window);
  QObject::connect(poll, &QTimer::timeout, [poll] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
      return;
    poll->stop();
    SaveScreen("docentix-lists-import-question");
    for (QAbstractButton* button : box->buttons()) {
      if (button->text() == "Dividir en varias listas")
        QTest::mouseClick(button, Qt::LeftButton);
    }
  });
  poll->start(50);
  if (!tab.ImportFile(vocabulary))
    return 1;
  ClickCell(table, 2, 1);
  SaveSettledWidget(window, "docentix-lists-import-split");
  return failures == 0 ? 0 : 1;
}
