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

namespace {

// The names the file dialog lists in its folder, once it has read `expectedAtLeast`.
QStringList Listed(QFileDialog* dialog, int expectedAtLeast) {
  auto* list = dialog->findChild<QListView*>("listView");
  QStringList names;
  const QDeadlineTimer deadline(3000);
  do {
    QTest::qWait(20);
    names.clear();
    const QModelIndex root = list->rootIndex();
    for (int row = 0; row < list->model()->rowCount(root); ++row)
      names << list->model()->index(row, 0, root).data().toString();
  } while (names.size() < expectedAtLeast && !deadline.hasExpired());
  names.sort();
  return names;
}

}  // namespace

struct FilterCase {
  const char* name;
  int downPresses;  // from the first filter of the list
  QString filter;
  QStringList listed;
};

class OpenFileFilters : public ::testing::TestWithParam<FilterCase> {};

TEST_P(OpenFileFilters, ListTheFilesTheirTextPromises) {
  const FilterCase& wanted = GetParam();
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  for (const char* name : {"ejemplo", "animales.lma", "notas.txt", "qwerty.tec"}) {
    QFile file(folder.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  const OpenFileRequest request{
      "Abrir",
      (folder.path() + "/*.lma").toStdString(),
      {"Archivo de palabras (*.lma)", "Todos (*.*)", "Archivo de teclado (*.tec)"}};
  QtDialogs dialogs;
  QStringList listed;
  QString shownFilter;
  std::optional<std::string> chosen;
  WhileOpen([&] { chosen = dialogs.AskOpenFile(request); },
            [&](QWidget* modal) {
              auto* dialog = qobject_cast<QFileDialog*>(modal);
              ASSERT_NE(dialog, nullptr);
              auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
              types->setFocus();
              for (int i = 0; i < wanted.downPresses; ++i)
                QTest::keyClick(types, Qt::Key_Down);
              shownFilter = types->currentText();
              listed = Listed(dialog, static_cast<int>(wanted.listed.size()));
              // Opens the first file listed, by its name.
              auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
              name->setText(wanted.listed.first());
              QTest::keyClick(name, Qt::Key_Return);
            });
  EXPECT_EQ(shownFilter.toStdString(), wanted.filter.toStdString());
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
