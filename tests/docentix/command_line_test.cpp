// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// `docentix --check`, `--import` and `--export-csv`, as a script runs them.
#include "docentix/command_line.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "files.h"

namespace {

struct Outcome {
  int status;
  QString err;
};

class CommandLineTest : public ::testing::Test {
 protected:
  Outcome Run(const QStringList& arguments) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int status = RunCommandLine(arguments, outStream, errStream);
    errStream.flush();
    return {status, err};
  }
  QString Path(const QString& name) { return dir.filePath(name); }

  QTemporaryDir dir;
};

QByteArray ListOf(int words, const QByteArray& theme = "Tema") {
  QByteArray bytes = "K. L. TAMU P. LURIMBA\r\n" + theme + "\r\n";
  for (int k = 0; k < words; ++k)
    bytes += "palabra" + QByteArray(k + 1, 'a') + "\r\n\r\n";
  return bytes;
}

// One line on stderr for each file the game would refuse, with the game's message (which
// message for which file is the game's own test; shipped lists are checked by ctest).
TEST_F(CommandLineTest, CheckNamesEveryRefusedFileWithTheGameMessage) {
  Write(Path("buena.lma"), ListOf(10));
  Write(Path("nueve.lma"), ListOf(9));
  Write(Path("sintema.lma"), ListOf(10, " "));
  const Outcome run = Run(
      {"--check", Path("buena.lma"), Path("nueve.lma"), Path("falta.lma"), Path("sintema.lma")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, Path("nueve.lma") +
                         ": El archivo leído tiene menos de 10 palabras, por lo que no es "
                         "válido para jugar.\n" +
                         Path("falta.lma") +
                         ": ¡¡ ERROR !! El fichero de palabras no se ha encontrado.\n" +
                         Path("sintema.lma") + ", línea 2 (tema): falta el tema; el juego lo " +
                         "muestra y lo guarda con los resultados. Escríbalo.\n");
}

// Four words in each way a line may be written, then six plain ones.
QByteArray Words() {
  QByteArray words =
      "pingüino;Ave que no vuela\n"
      "\n"
      "ñandú;\"Corre mucho; vive en América\"\n"
      "camión\tLleva cargas\n"
      "ca/ra/col,Lleva su casa a cuestas\n";
  for (int k = 0; k < 6; ++k)
    words += "palabra" + QByteArray(k + 1, 'a') + ";pista\n";
  return words;
}

TEST_F(CommandLineTest, ImportWritesTheListTheGameReads) {
  Write(Path("palabras.txt"), "\xEF\xBB\xBF" + Words());
  const Outcome run = Run(
      {"--import", Path("palabras.txt"), "--theme", "Animales del año", "-o", Path("lista.lma")});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  QByteArray expected =
      "K. L. TAMU P. LURIMBA\r\nAnimales del a\xA4o\r\n"
      "ping\x81ino\r\nAve que no vuela\r\n"
      "\xA4"
      "and\xA3\r\nCorre mucho; vive en Am\x82rica\r\n"
      "cami\xA2n\r\nLleva cargas\r\n"
      "ca/ra/col\r\nLleva su casa a cuestas\r\n";
  for (int k = 0; k < 6; ++k)
    expected += "palabra" + QByteArray(k + 1, 'a') + "\r\npista\r\n";
  EXPECT_EQ(Read(Path("lista.lma")), expected);

  // A hint too long is written shortened, and named for review.
  Write(Path("larga.txt"),
        Words() +
            "pato;Nada en el estanque y vuela hacia el sur, en invierno, con toda su bandada\n");
  const Outcome shortened =
      Run({"--import", Path("larga.txt"), "--theme", "Aves", "-o", Path("larga.lma")});
  EXPECT_EQ(shortened.status, 0);
  EXPECT_TRUE(shortened.err.startsWith(Path("larga.txt") +
                                       ", línea 12 (pista de la palabra 11, «pato»): tenía 74"))
      << shortened.err.toStdString();
  EXPECT_TRUE(Read(Path("larga.lma"))
                  .endsWith("pato\r\nNada en el estanque y vuela hacia el sur, en invierno\r\n"));

  // Without --theme a text file gives no theme, and no list is written.
  const Outcome untitled = Run({"--import", Path("palabras.txt"), "-o", Path("otra.lma")});
  EXPECT_EQ(untitled.status, 1);
  EXPECT_TRUE(untitled.err.startsWith(Path("palabras.txt") + ": falta el tema"))
      << untitled.err.toStdString();
  EXPECT_FALSE(QFile::exists(Path("otra.lma")));
}

// The results of two files as one table; a file that is not a results file writes nothing.
TEST_F(CommandLineTest, ExportCsvWritesTheTableOrSaysWhyNot) {
  const QString a = Write(Path("a.rlm"), ResultsBytes({{"ANA", "Animales", 2001, 5, 3, 1}}));
  const QString b = Write(Path("b.rlm"), ResultsBytes({{"LUIS", "Frutas", 2001, 5, 3, 2}}));
  Outcome run = Run({"--export-csv", a, b, "-o", Path("clase.csv")});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  const QStringList lines = QString::fromUtf8(Read(Path("clase.csv"))).split("\r\n");
  ASSERT_EQ(lines.size(), 4);
  EXPECT_TRUE(lines[1].startsWith("a.rlm;ANA;Animales;")) << lines[1].toStdString();
  EXPECT_TRUE(lines[2].startsWith("b.rlm;LUIS;Frutas;")) << lines[2].toStdString();

  run = Run({"--export-csv", Write(Path("lista.lma"), ListOf(10)), "-o", Path("otra.csv")});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.contains("El fichero no es de Resultados")) << run.err.toStdString();
  EXPECT_FALSE(QFile::exists(Path("otra.csv")));
}

}  // namespace
