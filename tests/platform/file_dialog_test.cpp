// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real open-file dialog with the word-list filters, answered while it is open.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

#include "platform/prompter_qt.h"
#include "support/while_open.h"

struct FilterCase {
  const char* name;
  int downPresses;  // from the first filter of the list
  const char* filter;
  QStringList listed;
};

class OpenFileFilters : public ::testing::TestWithParam<FilterCase> {};

TEST_P(OpenFileFilters, ListTheFilesTheirTextPromises) {
  const FilterCase& wanted = GetParam();
  QTemporaryDir folder;
  for (const char* name : {"ejemplo", "animales.lma", "notas.txt", "qwerty.tec"})
    ASSERT_TRUE(QFile(folder.filePath(name)).open(QIODevice::WriteOnly));
  const OpenFileRequest request{
      "Abrir",
      (folder.path() + "/*.lma").toStdString(),
      {"Archivo de palabras (*.lma)", "Todos (*.*)", "Archivo de teclado (*.tec)"}};
  QStringList listed;
  QString shownFilter;
  std::optional<std::string> chosen;
  WhileOpen([&] { chosen = QtDialogs().AskOpenFile(request); },
            [&](QWidget* modal) {
              auto* types = modal->findChild<QComboBox*>("fileTypeCombo");
              types->setFocus();
              for (int i = 0; i < wanted.downPresses; ++i)
                QTest::keyClick(types, Qt::Key_Down);
              shownFilter = types->currentText();
              // The names the dialog lists, once it has read them all.
              auto* list = modal->findChild<QListView*>("listView");
              const QDeadlineTimer deadline(3000);
              while (listed.size() < wanted.listed.size() && !deadline.hasExpired()) {
                QTest::qWait(20);
                listed.clear();
                for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
                  listed << list->model()->index(row, 0, list->rootIndex()).data().toString();
              }
              listed.sort();
              // Opens the first file listed, by its name.
              auto* name = modal->findChild<QLineEdit*>("fileNameEdit");
              name->setText(wanted.listed.first());
              QTest::keyClick(name, Qt::Key_Return);
            });
  EXPECT_EQ(shownFilter.toStdString(), wanted.filter);
  EXPECT_EQ(listed.join(", ").toStdString(), wanted.listed.join(", ").toStdString());
  EXPECT_EQ(chosen, folder.filePath(wanted.listed.first()).toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Filters, OpenFileFilters,
    ::testing::Values(FilterCase{"WordLists", 0, "Archivo de palabras (*.lma)", {"animales.lma"}},
                      FilterCase{"EveryFile",
                                 1,
                                 "Todos (*.*)",
                                 {"animales.lma", "ejemplo", "notas.txt", "qwerty.tec"}},
                      FilterCase{"Keyboards", 2, "Archivo de teclado (*.tec)", {"qwerty.tec"}}),
    [](const auto& info) { return std::string(info.param.name); });
