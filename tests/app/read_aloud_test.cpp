// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading aloud: what the game hands to its voice for each thing the child does.
#include "app/read_aloud.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QToolButton>

#include "platform/read_aloud_option.h"
#include "platform/text.h"
#include "support/window_fixture.h"
#include "ui_form_juego.h"

namespace {

// Types a letter on the real keyboard, to the widget that has the focus.
void Type(const char* utf8, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  const QString text = QString::fromUtf8(utf8);
  QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(),
                      Qt::Key(text.toUpper().at(0).unicode()), text, modifiers);
}

class ReadAloudTest : public WindowTest {
 protected:
  // Ten times the same word, its vowels hidden.
  void PlayTheWord() {
    std::vector<std::string> lines = {"K. L. TAMU P. LURIMBA", "Aves"};
    for (int i = 0; i < 10; ++i)
      lines.insert(lines.end(), {Ansi("PINGÜINO"), "Ave que no vuela"});
    WriteList("archivos/aves.lma", lines);
    StartUp();
    dialogs.filesToOpen = {folder.filePath("archivos/aves.lma").toStdString()};
    main().M_LeerpalabrasdearchivoClick();
    main().ui()->M_Ocultarsolovocales->trigger();
    QApplication::setActiveWindow(&main());
  }
};

struct ReadAloudCase {
  const char* name;
  bool on;
  std::function<void(TForm_juego&)> act;
  std::vector<std::string> said;
};

class ReadAloudCases : public ReadAloudTest, public ::testing::WithParamInterface<ReadAloudCase> {};

TEST_P(ReadAloudCases, SaysWhatTheChildNeeds) {
  PlayTheWord();
  ReadAloud& readAloud = main().readAloud();
  if (GetParam().on)
    readAloud.Toggle()->trigger();
  FocusedChild();
  speech.said.clear();
  GetParam().act(main());
  EXPECT_EQ(speech.said, GetParam().said);
  EXPECT_EQ(readAloud.Toggle()->isChecked(), GetParam().on);
}

const ReadAloudCase kCases[] = {
    {"NewWord",
     true,
     [](TForm_juego& w) { w.ui()->M_Ocultarsolovocales->trigger(); },
     {"pingüino"}},
    {"F5",
     false,
     [](TForm_juego&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5); },
     {"Ave que no vuela. pingüino"}},
    {"F5WithTheHintHidden",
     false,
     [](TForm_juego& w) {
       w.ui()->M_Verpistasobrepalabra->trigger();
       QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
     },
     {"pingüino"}},
    // After the click the letter typed next is still judged, and said (the list's word is in
    // capitals: Shift).
    {"LoudspeakerThenALetter",
     true,
     [](TForm_juego& w) {
       QTest::mouseClick(w.readAloud().Button(), Qt::LeftButton);
       Type("Ü", Qt::ShiftModifier);
     },
     {"Ave que no vuela. pingüino", "u con diéresis mayúscula (tras un acierto)"}},
    {"WrongLetter", true, [](TForm_juego& w) { Type("b"); }, {"be (tras un fallo)"}},
    {"OffSaysNothing",
     false,
     [](TForm_juego& w) {
       Type("i");
       Type("b");
       w.ui()->M_Ocultarsolovocales->trigger();
     },
     {}},
};
INSTANTIATE_TEST_SUITE_P(Events, ReadAloudCases, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The toggle is the user's between runs; a bad file means off.
TEST_F(ReadAloudTest, ToggleIsKeptForTheNextRun) {
  main().readAloud().Toggle()->trigger();
  program.reset();
  program = std::make_unique<Program>(GameFolder(folder.path()), dialogs, sound, speech);
  EXPECT_TRUE(main().readAloud().Toggle()->isChecked());
  QFile file(ReadAloudOptionPath());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("1\n");
  file.close();
  EXPECT_FALSE(ReadAloudOption());
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
