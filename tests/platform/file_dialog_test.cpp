// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real open and save dialogs with the program's filters, answered while they are open.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include "platform/prompter_qt.h"
#include "support/files.h"
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
      {"Archivo de palabras (*.lma)", "Todos (*.*)", "Archivo de teclado (*.tec)"},
      "Imprimir"};
  QString acceptText;
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
              acceptText = modal->findChild<QDialogButtonBox*>("buttonBox")
                               ->button(QDialogButtonBox::Open)
                               ->text();
              auto* name = modal->findChild<QLineEdit*>("fileNameEdit");
              name->setText("ejemplo");
              QTest::keyClick(name, Qt::Key_Return);
            });
  EXPECT_EQ(filters.join(" | ").toStdString(),
            "Archivo de palabras (*.lma) | Todos (*.*) | Archivo de teclado (*.tec)");
  EXPECT_EQ(listed.join(", ").toStdString(), files.join(", ").toStdString());
  EXPECT_EQ(chosen, folder.filePath("ejemplo").toStdString());
  EXPECT_EQ(acceptText, "Imprimir");
}

struct SaveCase {
  std::vector<std::string> filters;
  int filter;  // the one chosen in the dialog
  QString typed;
  QString saved;
};

const std::vector<std::string> kResults = {"Resultados lurimba (*.rlm)",
                                           "Todos los archivos (*.*)"};

// A name typed without the chosen filter's extension is saved with it, so that the
// next dialog lists the file.
TEST(SaveFile, AddsTheExtensionTheNameLacks) {
  const SaveCase cases[] = {
      {kResults, 0, "clase", "clase.rlm"},
      {kResults, 0, QString::fromUtf8("4.º B"), QString::fromUtf8("4.º B.rlm")},
      {kResults, 0, "clase.RLM", "clase.RLM"},
      {kResults, 1, "clase", "clase.rlm"},
      {kResults, 1, "notas.txt", "notas.txt"},
      {{"Archivo de palabras (*.lma)", "Todos (*.*)"}, 0, "granja", "granja.lma"},
      {{"Tabla CSV (*.csv)", "Todos los archivos (*.*)"}, 0, "notas", "notas.csv"},
      {{"Texto o CSV (*.txt *.csv)"}, 0, "datos.csv", "datos.csv"}};
  for (const SaveCase& c : cases) {
    SCOPED_TRACE(c.typed.toStdString() + " with filter " + std::to_string(c.filter));
    QTemporaryDir folder;
    std::optional<std::string> chosen;
    WhileOpen(
        [&] {
          chosen = QtDialogs().AskSaveFile(
              {"Guardar", (folder.path() + "/*.x").toStdString(), c.filters});
        },
        [&](QWidget* modal) {
          auto* types = modal->findChild<QComboBox*>("fileTypeCombo");
          types->setFocus();
          for (int i = 0; i < c.filter; ++i)
            QTest::keyClick(types, Qt::Key_Down);
          auto* name = modal->findChild<QLineEdit*>("fileNameEdit");
          name->setFocus();
          // As a keyboard types them: a capital comes with Shift (the game's own Caps Lock
          // reads the case against Shift in every window).
          for (const QChar ch : c.typed) {
            QTest::sendKeyEvent(QTest::Click, name, Qt::Key(ch.toUpper().unicode()), QString(ch),
                                ch.isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
          }
          QTest::keyClick(name, Qt::Key_Return);
        });
    EXPECT_EQ(chosen, folder.filePath(c.saved).toStdString());
  }
}

// The list's columns, in detail, are Spanish: kinds of file and folder, dates and sizes.
TEST(FileList, ShowsKindsDatesAndSizesInSpanish) {
  QTemporaryDir folder;
  ASSERT_TRUE(QDir(folder.path()).mkdir("carpeta"));
  WriteBytes(folder.filePath("clase.rlm"), QByteArray("\x01\x02").repeated(768));  // no known kind
  QStringList rows;
  WhileOpen(
      [&] {
        QtDialogs().AskSaveFile({"Guardar", (folder.path() + "/*.rlm").toStdString(), kResults});
      },
      [&](QWidget* modal) {
        QTest::mouseClick(modal->findChild<QToolButton*>("detailModeButton"), Qt::LeftButton);
        auto* list = modal->findChild<QTreeView*>("treeView");
        const QDeadlineTimer deadline(3000);
        while (list->model()->rowCount(list->rootIndex()) < 2 && !deadline.hasExpired())
          QTest::qWait(20);
        for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row) {
          QStringList columns;
          for (int column = 0; column < 4; ++column)
            columns << list->model()->index(row, column, list->rootIndex()).data().toString();
          rows << columns.join(" | ");
        }
        QTest::keyClick(modal, Qt::Key_Escape);
      });
  // The dialog sorts its rows a moment after they come: the order is not what is checked.
  rows.sort();
  const QLocale spanish(QLocale::Spanish, QLocale::Spain);
  auto date = [&](const QString& name) {
    return spanish.toString(QFileInfo(folder.filePath(name)).lastModified(), QLocale::ShortFormat);
  };
  EXPECT_EQ(rows.join("\n").toStdString(),
            QString::fromUtf8("carpeta |  | Carpeta | %1\nclase.rlm | 1,50 KiB | desconocido | %2")
                .arg(date("carpeta"), date("clase.rlm"))
                .toStdString());
}
