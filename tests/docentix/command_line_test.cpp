// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/command_line.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "file_bytes.h"
#include "results_files.h"

namespace {

struct Outcome {
  int status;
  QString out, err;
};

Outcome RunDocentix(const QStringList& arguments) {
  QString out, err;
  QTextStream outStream(&out), errStream(&err);
  const int status = RunCommandLine(arguments, outStream, errStream);
  outStream.flush();
  errStream.flush();
  return {status, out, err};
}

QByteArray ListOf(int words) {
  QByteArray bytes = "K. L. TAMU P. LURIMBA\r\nTema\r\n";
  for (int k = 0; k < words; ++k)
    bytes += "palabra" + QByteArray(k + 1, 'a') + "\r\n\r\n";
  return bytes;
}

// One line on stderr for each file the game would refuse, with the game's message (which
// message for which file is the game's own test; shipped lists are checked by ctest).
TEST(CheckCommandTest, NamesEveryRefusedFileWithTheGameMessage) {
  QTemporaryDir dir;
  Write(dir.filePath("buena.lma"), ListOf(10));
  Write(dir.filePath("nueve.lma"), ListOf(9));
  const Outcome run = RunDocentix(
      {"--check", dir.filePath("buena.lma"), dir.filePath("nueve.lma"), dir.filePath("falta.lma")});
  EXPECT_EQ(run.status, 1);
  const QStringList lines = run.err.split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 2) << run.err.toStdString();
  EXPECT_EQ(lines[0], dir.filePath("nueve.lma") +
                          ": El archivo leído tiene menos de 10 palabras, por lo que no es "
                          "válido para jugar.");
  EXPECT_EQ(lines[1], dir.filePath("falta.lma") +
                          ": ¡¡ ERROR !! El fichero de palabras no se ha encontrado.");
}

const QByteArray kWords =
    "pingüino;Ave que no vuela\n"
    "\n"
    "ñandú;\"Corre mucho; vive en América\"\n"
    "camión\tLleva cargas\n"
    "ca/ra/col,Lleva su casa a cuestas\n"
    "búho;Ve de noche\n"
    "cigüeña;Hace el nido en el campanario\n"
    "león;El rey de la selva\n"
    "pájaro;Tiene plumas\n"
    "canguro;Salta\n"
    "jabalí;Cerdo del monte\n";

TEST(ImportCommandTest, WritesTheListTheGameReads) {
  QTemporaryDir dir;
  Write(dir.filePath("palabras.txt"), "\xEF\xBB\xBF" + kWords);
  const Outcome run = RunDocentix({"--import", dir.filePath("palabras.txt"), "--theme",
                                   "Animales del año", "-o", dir.filePath("lista.lma")});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  const QByteArray expected =
      "K. L. TAMU P. LURIMBA\r\nAnimales del a\xA4o\r\n"
      "ping\x81ino\r\nAve que no vuela\r\n"
      "\xA4"
      "and\xA3\r\nCorre mucho; vive en Am\x82rica\r\n"
      "cami\xA2n\r\nLleva cargas\r\n"
      "ca/ra/col\r\nLleva su casa a cuestas\r\n"
      "b\xA3ho\r\nVe de noche\r\n"
      "cig\x81"
      "e\xA4"
      "a\r\nHace el nido en el campanario\r\n"
      "le\xA2n\r\nEl rey de la selva\r\n"
      "p\xA0jaro\r\nTiene plumas\r\n"
      "canguro\r\nSalta\r\n"
      "jabal\xA1\r\nCerdo del monte\r\n";
  EXPECT_EQ(Read(dir.filePath("lista.lma")), expected);
}

TEST(ImportCommandTest, RefusesALineTheGameWouldSplitNamingIt) {
  QTemporaryDir dir;
  const QByteArray ninety =
      "Ave grande de patas largas que hace su nido en lo alto de las torres "
      "y de las iglesias ¡ñ!";
  ASSERT_EQ(QString::fromUtf8(ninety).size(), 90);
  QByteArray words = kWords;
  words.replace("Hace el nido en el campanario", ninety);
  Write(dir.filePath("palabras.txt"), words);
  const Outcome run = RunDocentix({"--import", dir.filePath("palabras.txt"), "--theme", "Animales",
                                   "-o", dir.filePath("lista.lma")});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.startsWith(dir.filePath("palabras.txt") +
                                 ", línea 7 (pista de la palabra 6, «cigüeña»): tiene 90 "
                                 "caracteres; el juego lee 80 por línea"))
      << run.err.toStdString();
  EXPECT_FALSE(QFile::exists(dir.filePath("lista.lma")));
}

// The results of two files as one table; a file that is not a results file writes nothing.
TEST(ExportCsvCommandTest, WritesTheTableOrSaysWhyNot) {
  QTemporaryDir dir;
  const QString a =
      Write(dir.filePath("a.rlm"), results_files::FileBytes({{"ANA", "Animales", 2001, 5, 3, 1}}));
  const QString b =
      Write(dir.filePath("b.rlm"), results_files::FileBytes({{"LUIS", "Frutas", 2001, 5, 3, 2}}));
  Outcome run = RunDocentix({"--export-csv", a, b, "-o", dir.filePath("clase.csv")});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  const QStringList lines =
      QString::fromUtf8(Read(dir.filePath("clase.csv"))).split("\r\n", Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3);
  EXPECT_TRUE(lines[1].contains(";ANA;Animales;")) << lines[1].toStdString();
  EXPECT_TRUE(lines[2].contains(";LUIS;Frutas;")) << lines[2].toStdString();

  const QString list = Write(dir.filePath("lista.lma"), ListOf(10));
  run = RunDocentix({"--export-csv", list, "-o", dir.filePath("otra.csv")});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.contains("El fichero no es de Resultados")) << run.err.toStdString();
  EXPECT_FALSE(QFile::exists(dir.filePath("otra.csv")));
}

}  // namespace
