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

// "Todos (*.*)" lists every file, those without an extension too.
TEST(OpenFile, ShowsTheFiltersInOrderAndTheSecondListsEveryFile) {
  QTemporaryDir folder;
  const QStringList files = {"animales.lma", "ejemplo", "notas.txt", "qwerty.tec"};
  for (const QString& name : files)
    ASSERT_TRUE(QFile(folder.filePath(name)).open(QIODevice::WriteOnly));
  const OpenFileRequest request{
      "Abrir",
      (folder.path() + "/*.lma").toStdString(),
      {"Archivo de palabras (*.lma)", "Todos (*.*)", "Archivo de teclado (*.tec)"}};
  QStringList filters;
  QStringList listed;
  std::optional<std::string> chosen;
  WhileOpen([&] { chosen = QtDialogs().AskOpenFile(request); },
            [&](QWidget* modal) {
              auto* types = modal->findChild<QComboBox*>("fileTypeCombo");
              for (int i = 0; i < types->count(); ++i)
                filters << types->itemText(i);
              types->setFocus();
              QTest::keyClick(types, Qt::Key_Down);
              // The names the dialog lists, once it has read them all.
              auto* list = modal->findChild<QListView*>("listView");
              const QDeadlineTimer deadline(3000);
              while (listed.size() < files.size() && !deadline.hasExpired()) {
                QTest::qWait(20);
                listed.clear();
                for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
                  listed << list->model()->index(row, 0, list->rootIndex()).data().toString();
              }
              listed.sort();
              auto* name = modal->findChild<QLineEdit*>("fileNameEdit");
              name->setText("ejemplo");
              QTest::keyClick(name, Qt::Key_Return);
            });
  EXPECT_EQ(filters.join(" | ").toStdString(),
            "Archivo de palabras (*.lma) | Todos (*.*) | Archivo de teclado (*.tec)");
  EXPECT_EQ(listed.join(", ").toStdString(), files.join(", ").toStdString());
  EXPECT_EQ(chosen, folder.filePath("ejemplo").toStdString());
}
