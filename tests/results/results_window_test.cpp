// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Control  de  resultados": showing, zeroing, restoring, saving, opening,
// exchanging and closing, driven as a teacher drives it.
#include <QLineEdit>

#include "platform/caps_lock.h"
#include "results/results_window_support.h"

namespace {

std::vector<PlayerRecord> RecordsOf(const std::string& path) {
  const QByteArray bytes = ReadBytes(QString::fromStdString(path));
  std::vector<PlayerRecord> records;
  for (qsizetype at = 140; at + 140 <= bytes.size(); at += 140) {
    RecordBytes record;
    std::copy_n(bytes.begin() + at, 140, record.begin());
    records.push_back(DecodeFileRecord(record));
  }
  return records;
}

// Types as a teacher does: capitals with Shift (the program's own Caps Lock is off).
void TypeInto(QLineEdit* edit, const QString& text) {
  CapsLockEmulation::SetUpperCase(false);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  for (QChar c : text) {
    const Qt::KeyboardModifiers shift = c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
    QTest::keyClick(edit, c.toLatin1(), shift);
  }
}

}  // namespace

TEST_F(ResultsWindowTest, ShowsEachPlayerRowByRow) {
  const std::string theme = Session([&] {
    EXPECT_EQ(ui().ComboBox_nombres->count(), 3);
    EXPECT_EQ(ui().ComboBox_nombres->currentText(), "ANA");
    // Rows: few letters, many letters, vowels, consonants, all but ends, marked; the totals.
    EXPECT_EQ(Rows(), QStringList({"1004/1040", "1005/1050", "1001/1010", "1002/1020", "1003/1030",
                                   "1006/1060", "1100/1200"}));
    EXPECT_EQ(Fields(), QStringList({"Animales", "05", "Mar", "2001"}));
    EXPECT_EQ(ui().ComboBox_temas->count(), 2);
    Choose(ui().ComboBox_nombres, 2);
    EXPECT_EQ(Rows().front(), "3004/3040");
  });
  EXPECT_EQ(theme, "Animales");
  EXPECT_EQ(closingNames, std::vector<std::string>{"ANA"});
}

TEST_F(ResultsWindowTest, ZeroOnePlayerThenRestoreAll) {
  const PlayerTable before = players;
  PlayerRecord zeroed = before.records[1];
  zeroed.solved = zeroed.failed = {};
  zeroed.solvedTotal = zeroed.failedTotal = 0;
  Session([&] {
    Choose(ui().ComboBox_nombres, 1);
    QTest::mouseClick(ui().Button_acero, Qt::LeftButton);
    EXPECT_EQ(Rows(), QStringList({"0/0", "0/0", "0/0", "0/0", "0/0", "0/0", "0/0"}));
    EXPECT_EQ(players.records[1], zeroed);
    EXPECT_EQ(players.records[2], before.records[2]);
    QTest::mouseClick(ui().Button_restablecer, Qt::LeftButton);
    EXPECT_EQ(players.records, before.records);
    EXPECT_EQ(ui().ComboBox_nombres->currentIndex(), 0);
    EXPECT_EQ(Rows().front(), "1004/1040");
  });
  // Zeroed in one showing, it stays zeroed in the next: the snapshot is retaken.
  Session([&] {
    Choose(ui().ComboBox_nombres, 1);
    QTest::mouseClick(ui().Button_acero, Qt::LeftButton);
  });
  Session([&] { QTest::mouseClick(ui().Button_restablecer, Qt::LeftButton); });
  EXPECT_EQ(players.records[1], zeroed);
}

TEST_F(ResultsWindowTest, SaveOpenExchangeAndClose) {
  const std::string saved = folder.path().toStdString() + "/resultad/grupo.rlm";
  PlayerRecord other1 = CountedPlayer(Ansi("ÑANDÚ"), 7000);
  PlayerRecord lola = CountedPlayer("LOLA", 8000);
  other1.theme = lola.theme = "Otro tema";
  lola.year = 1990;
  dialogs.filesToSave = {saved};
  // A third player whose name another program wrote over the whole 26-byte field.
  RecordBytes longName = EncodeFileRecord(CountedPlayer("X", 9000));
  const std::string name26 = "MARIA DE LOS ANGELES LOPEZ";
  std::copy(name26.begin(), name26.end(), longName.begin());
  dialogs.filesToOpen = {
      WriteResults("otro.rlm", {other1, lola}, std::string(longName.begin(), longName.end()))};

  const std::string theme = Session([&] {
    // Saving: theme and date typed in the window go to every player.
    TypeInto(ui().ComboBox_temas->lineEdit(), "Colegio San Juan");
    TypeInto(ui().Edit_dia, "7");
    Choose(ui().ComboBox_meses, 0);
    TypeInto(ui().Edit_agno, "2002");
    QTest::mouseClick(ui().Button_guardar, Qt::LeftButton);
    EXPECT_EQ(ui().ComboBox_temas->findText("Colegio San Juan"), 2);

    // Opening: the file's players, its first theme, and the exchange is possible.
    QTest::mouseClick(ui().Button_abrir, Qt::LeftButton);
    EXPECT_EQ(ui().Label_archivo->text(), "Jugadores del archivo 'otro.rlm':");
    EXPECT_TRUE(ui().Label_archivo->isVisible());
    EXPECT_TRUE(ui().ComboBox_nombres_archivo->isVisible());
    EXPECT_EQ(ui().ComboBox_nombres_archivo->itemText(0), QString::fromUtf8("ÑANDÚ"));
    EXPECT_TRUE(ui().Button_cambiar->isEnabled());
    EXPECT_EQ(ui().ComboBox_temas->currentText(), "Otro tema");
    Choose(ui().ComboBox_nombres_archivo, 1);
    EXPECT_EQ(Rows()[2], "8001/8010");
    EXPECT_EQ(ui().Edit_agno->text(), "1990");

    // Player 1 (the current one) takes LOLA's record but keeps the date.
    Choose(ui().ComboBox_nombres, 0);
    QTest::mouseClick(ui().Button_cambiar, Qt::LeftButton);
    EXPECT_EQ(ui().ComboBox_nombres->itemText(0), "LOLA");
    EXPECT_EQ(Rows()[0], "8004/8040");
    // A name is never longer than a player's name can be, whatever the file held.
    Choose(ui().ComboBox_nombres, 1);
    Choose(ui().ComboBox_nombres_archivo, 2);
    QTest::mouseClick(ui().Button_cambiar, Qt::LeftButton);
    EXPECT_EQ(ui().ComboBox_nombres->itemText(1), "MARIA DE LOS ANGELE");
    EXPECT_EQ(ui().ComboBox_nombres_archivo->itemText(2), "MARIA DE LOS ANGELE");
    // Closing with Esc on a control presses "Cerrar".
    ui().ComboBox_nombres->setFocus();
    QTest::keyClick(ui().ComboBox_nombres, Qt::Key_Escape);
  });

  // Saved after the typed theme and date went to every player.
  PlayerRecord pepa = CountedPlayer("PEPA", 3000);
  pepa.theme = "Colegio San Juan";
  pepa.day = 7;
  pepa.month = 1;
  pepa.year = lola.year = 2002;  // LOLA keeps the date saved a moment before
  lola.day = 7;
  lola.month = 1;
  const std::vector<PlayerRecord> records = RecordsOf(saved);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[2], pepa);
  EXPECT_EQ(players.records[0], lola);
  EXPECT_EQ(players.records[1].name, "MARIA DE LOS ANGELE");
  EXPECT_EQ(theme, "Colegio San Juan");
  EXPECT_EQ(themesAdded, (std::vector<std::string>{"Colegio San Juan", "Otro tema"}));
  EXPECT_EQ(closingNames, std::vector<std::string>{"LOLA"});
  EXPECT_TRUE(dialogs.messages.empty());
}

// What the boxes hold when "Guardar" is pressed goes to every player, even when the dialog
// is then cancelled: letters in the year give 1999, in the day 15; a theme keeps 49 characters.
TEST_F(ResultsWindowTest, WhatTheBoxesHoldIsStoredInEveryPlayer) {
  struct Case {
    QString day, year, theme;
    int month;  // index chosen in the list; -1 leaves none
    int storedDay, storedMonth, storedYear;
    std::string storedTheme;
  };
  const Case cases[] = {{"31", "2001", "", -1, 31, 0, 2001, ""},
                        {"12", "2O01", "Animales", 11, 12, 12, 1999, "Animales"},
                        {"xx", "2001", "Animales", 4, 15, 5, 2001, "Animales"},
                        {"1", "2001", QString(50, 'T'), 1, 1, 2, 2001, std::string(49, 'T')}};
  players.records[0].month = 0;  // shown with no month selected
  dialogs.filesToSave.assign(std::size(cases), std::nullopt);
  Session([&] {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.day.toStdString() + " " + c.year.toStdString());
      TypeInto(ui().ComboBox_temas->lineEdit(), c.theme);
      TypeInto(ui().Edit_dia, c.day);
      TypeInto(ui().Edit_agno, c.year);
      if (c.month >= 0)
        Choose(ui().ComboBox_meses, c.month);
      QTest::mouseClick(ui().Button_guardar, Qt::LeftButton);
      Choose(ui().ComboBox_nombres, 2);
      Choose(ui().ComboBox_nombres, 0);
      EXPECT_EQ(ui().Edit_dia->text(), QString::asprintf("%02d", c.storedDay));
      for (int k = 0; k < players.playerCount; ++k) {
        const PlayerRecord& r = players.records[k];
        EXPECT_EQ(std::tie(r.day, r.month, r.year, r.theme),
                  std::tie(c.storedDay, c.storedMonth, c.storedYear, c.storedTheme));
      }
    }
  });
}

TEST_F(ResultsWindowTest, FailedOpenChangesNothing) {
  const std::string good = WriteResults("bueno.rlm", {CountedPlayer("LOLA", 1)});
  const std::string bad = folder.filePath("malo.rlm").toStdString();
  WriteBytes(folder.filePath("malo.rlm"), "nada");
  dialogs.filesToOpen = {good, bad, std::nullopt};
  Session([&] {
    QTest::mouseClick(ui().Button_abrir, Qt::LeftButton);
    QTest::mouseClick(ui().Button_abrir, Qt::LeftButton);
    EXPECT_EQ(ui().Label_archivo->text(), "Jugadores del archivo 'bueno.rlm':");
    EXPECT_EQ(ui().ComboBox_nombres_archivo->count(), 1);
  });
  // Which files are refused, the message, the beep and the dialog coming back are the
  // results file's own test; here, that the refusal reaches the teacher.
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, "stop");
}
