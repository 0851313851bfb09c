// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The results window on its own: a player table, a temporary game folder and
// scripted dialogs; results files written byte by byte.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>

#include "charset.h"
#include "results/form_resultados.h"
#include "results_file.h"
#include "support/files.h"
#include "support/window_fixture.h"
#include "ui_form_resultados.h"

inline PlayerRecord CountedPlayer(const std::string& name, int base) {
  PlayerRecord record{name, "", 2001, 5, 3};
  for (int i = 0; i < 6; ++i) {
    record.solved[i] = base + i + 1;  // mode m holds base + m
    record.failed[i] = base + 10 * (i + 1);
  }
  record.solvedTotal = base + 100;
  record.failedTotal = base + 200;
  return record;
}

class ResultsWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    players.playerCount = 3;
    const char* names[] = {"ANA", "LUIS", "PEPA"};
    for (int k = 0; k < 3; ++k)
      players.records[k] = CountedPlayer(names[k], 1000 * (k + 1));
    window = std::make_unique<TForm_Resultados>(nullptr, dialogs, players, folder.path());
    // The window dates player 1 with today; the tests use a known date.
    players.records[0] = CountedPlayer("ANA", 1000);
    window->onThemeAdded = [this](const std::string& theme) { themesAdded.push_back(theme); };
    window->onClosing = [this](const std::string& name) { closingNames.push_back(name); };
  }

  Ui::TForm_Resultados& ui() { return *window->ui(); }

  // Opens the window and runs `steps` while it is open; the steps end by closing it.
  std::string Session(const std::function<void()>& steps,
                      const std::vector<std::string>& known = {"Animales", "Frutas"},
                      const std::string& theme = "Animales") {
    bool ran = false;
    QTimer::singleShot(0, [&] {
      ran = true;
      steps();
      if (window->isVisible())
        QTest::mouseClick(ui().Button_cerrar, Qt::LeftButton);
    });
    const std::string result = window->ShowResults(known, theme);
    EXPECT_TRUE(ran) << "the window did not open";
    return result;
  }

  // Chooses an entry of a drop-down list with the keyboard, as a user does.
  static void Choose(QComboBox* box, int index) {
    box->setFocus();
    while (box->currentIndex() < index)
      QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > index)
      QTest::keyClick(box, Qt::Key_Up);
  }

  // Writes a results file of `records` into the game folder; returns its path (UTF-8).
  std::string WriteResults(const QString& name, const std::vector<PlayerRecord>& records,
                           const std::string& extra = "") {
    const auto bytes = [](const RecordBytes& record) {
      return std::string(record.begin(), record.end());
    };
    std::string file = bytes(EncodeResultsHeader({2001, 5, 3}));
    for (const PlayerRecord& record : records)
      file += bytes(EncodeFileRecord(record));
    WriteBytes(folder.path() + "/" + name, file + extra);
    return (folder.path() + "/" + name).toStdString();
  }

  // The solved and failed counts of the six rows, then the totals, each "s/f".
  QStringList Rows() {
    QStringList rows;
    const auto label = [&](const QString& name) {
      return window->findChild<QLabel*>(name)->text();
    };
    for (const QString row : {"1", "2", "3", "4", "5", "6", "t"})
      rows << label("Label_aciertos" + row) + "/" + label("Label_errores" + row);
    return rows;
  }
  // The theme and the date shown.
  QStringList Fields() {
    return {ui().ComboBox_temas->currentText(), ui().Edit_dia->text(),
            ui().ComboBox_meses->currentText(), ui().Edit_agno->text()};
  }

  QTemporaryDir folder;
  ScriptedDialogs dialogs;
  PlayerTable players;
  std::unique_ptr<TForm_Resultados> window;
  std::vector<std::string> themesAdded;
  std::vector<std::string> closingNames;
};
