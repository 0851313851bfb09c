// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The word-list loader, then a word started and played to its end in each of
// the six hiding modes.
#include <cstdint>
#include <string>

#include "fuzz_input_file.h"
#include "game.h"

namespace {

class QuietView : public GameView {
 public:
  void SetWordText(const std::string&) override {}
  void ShowRevealedWord(const std::string&) override {}
  void SetHintText(const std::string&) override {}
  void SetThemeText(const std::string&) override {}
  void SetThemeTooltip(const std::string&) override {}
  void AddTheme(const std::string&) override {}
  void ShowSolvedWord() override {}
  void HideSceneFrames() override {}
  void HideBrokenFloor() override {}
  void ShowBrokenFloor(int) override {}
  void SetTimeText(const std::string&) override {}
  void SetChances(int) override {}
  void SetFailedLetter(int, char) override {}
  void ClearFailedLetters() override {}
  void SetWordCounters(int, int) override {}
  void SetPlayerName(const std::string&) override {}
  void SetPointsText(const std::string&) override {}
  void ShowSettings(const Settings&) override {}
  void SetVowelOptionsEnabled(bool) override {}
  void ShowVowelOverlay(bool) override {}
  void SetBusyCursor(bool) override {}
  void QuitProgram() override { ending_ = true; }
  bool ProgramEnding() const override { return ending_; }

 private:
  bool ending_ = false;
};

class QuietSound : public SoundPlayer {
 public:
  void Play(SoundId, PlayMode) override {}
  void Stop() override {}
};

class QuietPrompter : public Prompter {
 public:
  void Stop(const std::string&, const std::string&) override {}
  void Info(const std::string&, const std::string&) override {}
  bool Question(const std::string&, const std::string&) override { return false; }
  void Plain(const std::string&) override {}
  void Beep() override {}
  std::optional<std::string> AskOpenFile(const OpenFileRequest&) override { return std::nullopt; }
  std::optional<std::string> AskSaveFile(const SaveFileRequest&) override { return std::nullopt; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QuietView view;
  QuietSound sound;
  QuietPrompter prompter;
  Game game(view, sound, prompter);
  if (!game.LoadWordFileReporting(WriteInputFile(data, size)))
    return 0;
  for (int mode = 1; mode <= 6 && !view.ProgramEnding(); ++mode) {
    game.StartWordInMode(mode);
    // Every character once, in order: the word ends, solved or lost.
    for (int c = 1; c < 256 && game.state().wordInPlay; ++c) {
      // A finished word's dialog is answered at once.
      const PressResult result = game.PressLetter(static_cast<char>(c), InputSource::OnScreenKey);
      if (result == PressResult::Lost || result == PressResult::SolvedWithFailures)
        game.ContinueAfterOutcome();
    }
  }
  return 0;
}
