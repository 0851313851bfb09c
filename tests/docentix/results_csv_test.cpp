// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Exporting results files as CSV: the text line by line, and every refusal.
#include "docentix/results_csv.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "files.h"

namespace {

// MARÍA with a theme holding the separator, and IÑIGO "RAYO" with a record whose month is 0
// (no calendar date).
const QByteArray kTwoPlayers = ResultsBytes({{"MAR\xD6"
                                              "A",
                                              "Animales; granja", 2001, 5, 3, 1},
                                             {"I\xA5IGO \"RAYO\"", "Frutas", 2002, 7, 0, 20}});

TEST(ResultsCsv, TwoPlayersGiveTheTableLineByLine) {
  QTemporaryDir dir;
  const QString rlm = Write(dir.filePath("clase.rlm"), kTwoPlayers);
  QString message;
  ASSERT_TRUE(ExportResultsCsv({rlm}, dir.filePath("clase.csv"), message)) << message.toStdString();
  EXPECT_EQ(
      Read(dir.filePath("clase.csv")).toStdString(),
      "\xEF\xBB\xBF"
      "Archivo;Nombre;Tema;Fecha;Acertadas vocales;Acertadas consonantes;Acertadas prim./última;"
      "Acertadas pocas letras;Acertadas muchas letras;Acertadas marcadas;Acertadas total;"
      "Falladas vocales;Falladas consonantes;Falladas prim./última;Falladas pocas letras;"
      "Falladas muchas letras;Falladas marcadas;Falladas total\r\n"
      "clase.rlm;MARÍA;\"Animales; granja\";2001-03-05;1;2;3;4;5;6;101;11;12;13;14;15;16;201\r\n"
      "clase.rlm;\"IÑIGO \"\"RAYO\"\"\";Frutas;7/0/2002;20;21;22;23;24;25;120;30;31;32;33;34;35;"
      "220\r\n");
  EXPECT_EQ(Read(rlm), kTwoPlayers);
}

// A refused export says why, writes nothing and changes no file (which results file is
// refused with which message is the results file's own test).
TEST(ResultsCsv, ARefusedExportSaysWhyAndWritesNothing) {
  QTemporaryDir dir;
  const QString rlm = Write(dir.filePath("clase.rlm"), kTwoPlayers);
  const QString lma = Write(dir.filePath("lista.lma"), "LURIMBA\r\nanimales\r\n");
  QString message;
  EXPECT_FALSE(ExportResultsCsv({rlm, lma}, dir.filePath("salida.csv"), message));
  EXPECT_EQ(message.toStdString(),
            "lista.lma:\nE R R O R\n\nEl fichero no es de Resultados\no no pertenece a esta "
            "serie.");
  EXPECT_FALSE(QFile::exists(dir.filePath("salida.csv")));
  EXPECT_FALSE(ExportResultsCsv({rlm, rlm}, rlm, message));
  EXPECT_EQ(message.toStdString(),
            "«clase.rlm» es un archivo de Resultados y no se sustituye por la tabla.");
  EXPECT_EQ(Read(rlm), kTwoPlayers);
  EXPECT_EQ(Read(lma), "LURIMBA\r\nanimales\r\n");
}

}  // namespace
