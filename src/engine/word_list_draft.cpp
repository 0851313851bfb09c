// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "word_list_draft.h"

#include <cstdio>
#include <set>

#include "charset.h"
#include "game_state.h"
#include "hide_rules.h"
#include "letter_case.h"

namespace {

// A line holds 80 characters before its line end; the game reads the rest of a
// longer line as the next line.
constexpr std::size_t kLineLength = 80;
constexpr std::size_t kMinWordLength = 2;

// The first character the file (code page 850) cannot hold, if any, as the teacher is told
// of it: itself, or its Unicode number when Windows-1252 cannot show it either.
std::optional<std::string> CharacterNotInFile(const std::string& utf8) {
  for (const std::string& c : Utf8Characters(utf8)) {
    bool fits = false;
    const std::string ansi = Utf8ToAnsi(c, &fits);
    if (fits && OemToAnsi(AnsiToOem(ansi)) == ansi)
      continue;
    if (fits)
      return "«" + c + "»";
    char32_t code = static_cast<unsigned char>(c[0]) & (0xFF >> (c.size() + 1));
    for (std::size_t i = 1; i < c.size(); ++i)
      code = (code << 6) | (static_cast<unsigned char>(c[i]) & 0x3F);
    char number[16];
    std::snprintf(number, sizeof number, "U+%04X", static_cast<unsigned>(code));
    return number;
  }
  return std::nullopt;
}

bool IsBlank(const DraftEntry& entry) {
  return entry.word.empty() && entry.hint.empty();
}

// The word as the game plays it: every mark taken out.
std::string StripMarks(std::string rawWord) {
  std::erase(rawWord, kHideMark);
  return rawWord;
}

// A mark at the end, or before another mark or a space, marks no letter.
bool HasMarkWithoutLetter(const std::string& rawWord) {
  const std::vector<std::string> chars = Utf8Characters(rawWord);
  for (std::size_t i = 0; i < chars.size(); ++i) {
    if (chars[i] != "/")
      continue;
    if (i + 1 == chars.size() || chars[i + 1] == "/" || chars[i + 1] == " ")
      return true;
    ++i;
  }
  return false;
}

class Checker {
 public:
  explicit Checker(std::vector<DraftProblem>& problems) : problems_(problems) {}

  void Add(int entry, DraftPart part, bool blocks, int line, const std::string& subject,
           const std::string& utf8Text) {
    problems_.push_back({entry, part, blocks, line, Utf8ToAnsi(subject), Utf8ToAnsi(utf8Text)});
  }

  // The characters, the line length and the length the game keeps of one field.
  void CheckLine(int entry, DraftPart part, int line, const std::string& subject,
                 const std::string& text, std::size_t kept) {
    if (const auto c = CharacterNotInFile(text))
      Add(entry, part, true, line, subject,
          "el carácter " + *c + " no cabe en un archivo de palabras; cámbielo.");
    const std::size_t length = Utf8Characters(text).size();
    if (length > kLineLength) {
      Add(entry, part, true, line, subject,
          "tiene " + std::to_string(length) +
              " caracteres; el juego lee 80 por línea y tomaría el resto como otra línea. "
              "Acórtela a " +
              std::to_string(kept) + ".");
    } else if (length > kept) {
      Add(entry, part, true, line, subject,
          "tiene " + std::to_string(length) + " caracteres; el juego sólo guarda los " +
              std::to_string(kept) + " primeros. Acórtela.");
    }
  }

 private:
  std::vector<DraftProblem>& problems_;
};

std::string Quoted(const std::string& text) {
  return "«" + text + "»";
}

// What the teacher is told of a hint the import shortened: how long it was, and what went.
std::string ShortenedNote(const std::string& fullHint, const std::string& hint) {
  constexpr std::size_t kShownLength = 60;
  const std::vector<std::string> full = Utf8Characters(fullHint);
  std::string note =
      "tenía " + std::to_string(full.size()) + " caracteres y se ha acortado al importarla";
  if (fullHint.starts_with(hint)) {
    std::string removed = fullHint.substr(hint.size());
    removed.erase(0, removed.find_first_not_of(" ,;:"));
    const std::vector<std::string> chars = Utf8Characters(removed);
    if (chars.size() > kShownLength) {
      removed.clear();
      for (std::size_t k = 0; k < kShownLength; ++k)
        removed += chars[k];
      removed += "…";
    }
    note += "; se ha quitado " + Quoted(removed);
  }
  return note + ". Revísela.";
}

}  // namespace

std::vector<std::string> Utf8Characters(const std::string& utf8) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < utf8.size();) {
    std::size_t end = i + 1;
    while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
      ++end;
    out.push_back(utf8.substr(i, end - i));
    i = end;
  }
  return out;
}

WordListDraft DraftFromList(const WordList& list) {
  WordList counted = list;
  counted.CountWords(WordField::Raw);
  WordListDraft draft;
  draft.theme = AnsiToUtf8(list.theme);
  for (int k = 1; k <= counted.wordCount; ++k)
    draft.entries.push_back({AnsiToUtf8(list.slots[k].rawWord), AnsiToUtf8(list.slots[k].hint)});
  return draft;
}

std::string DescribeProblem(const DraftProblem& problem) {
  if (problem.line == 0)
    return problem.text;
  return Ansi("Línea ") + std::to_string(problem.line) + " (" + problem.subject +
         "): " + problem.text;
}

std::vector<DraftProblem> CheckWordList(const WordListDraft& draft) {
  std::vector<DraftProblem> problems;
  Checker check(problems);
  if (draft.theme.find_first_not_of(" \t") == std::string::npos)
    check.Add(-1, DraftPart::Theme, true, 2, "tema",
              "falta el tema; el juego lo muestra y lo guarda con los resultados. Escríbalo.");
  check.CheckLine(-1, DraftPart::Theme, 2, "tema", draft.theme, kThemeLength);

  int words = 0;
  int marked = 0;
  std::set<std::string> seen;
  for (int i = 0; i < static_cast<int>(draft.entries.size()); ++i) {
    const DraftEntry& entry = draft.entries[i];
    if (IsBlank(entry))
      continue;
    ++words;
    const int line = 2 * words + 1;
    const std::string number = "palabra " + std::to_string(words);
    if (entry.word.empty()) {
      check.Add(i, DraftPart::Word, true, line, number,
                "falta la palabra; el juego terminaría la lista aquí.");
      continue;
    }
    const std::string subject = number + ", " + Quoted(entry.word);
    check.CheckLine(i, DraftPart::Word, line, subject, entry.word, kRawWordLength);
    if (HasMarkWithoutLetter(entry.word))
      check.Add(i, DraftPart::Word, true, line, subject,
                "hay una marca «/» que no va delante de ninguna letra.");
    const std::string word = StripMarks(entry.word);
    const std::size_t length = Utf8Characters(word).size();
    if (length < kMinWordLength)
      check.Add(i, DraftPart::Word, true, line, subject, "una palabra tiene al menos 2 letras.");
    else if (length > kWordLength)
      check.Add(i, DraftPart::Word, true, line, subject,
                "tiene " + std::to_string(length) +
                    " letras; el juego sólo juega las 30 primeras. Acórtela.");
    if (!seen.insert(ToLower(Utf8ToAnsi(word))).second)
      check.Add(i, DraftPart::Word, false, line, subject, "la palabra está repetida.");
    if (entry.word.find(kHideMark) != std::string::npos)
      ++marked;
    check.CheckLine(i, DraftPart::Hint, line + 1, "pista de la " + subject, entry.hint,
                    kHintLength);
    if (!entry.fullHint.empty() && entry.fullHint != entry.hint)
      check.Add(i, DraftPart::Hint, false, line + 1, "pista de la " + subject,
                ShortenedNote(entry.fullHint, entry.hint));
  }

  if (words < kMinListWords)
    check.Add(-1, DraftPart::List, true, 0, "",
              "La lista tiene " + std::to_string(words) +
                  " palabras. El juego dirá: «El archivo leído tiene menos de 10 palabras, "
                  "por lo que no es válido para jugar.»");
  if (words > kMaxWords)
    check.Add(-1, DraftPart::List, true, 0, "",
              "La lista tiene " + std::to_string(words) +
                  " palabras; el juego sólo lee las 50 primeras.");
  if (marked > 0 && marked < words)
    check.Add(-1, DraftPart::List, false, 0, "",
              "Hay palabras sin marcas: el juego no podrá jugar la lista en «Ocultar letras "
              "marcadas» (dirá: «El archivo en memoria tiene palabras \"SIN marcas\".»)");
  return problems;
}

std::optional<std::string> EncodeWordList(const WordListDraft& draft) {
  for (const DraftProblem& problem : CheckWordList(draft)) {
    if (problem.blocksSaving)
      return std::nullopt;
  }
  const auto line = [](const std::string& utf8) { return AnsiToOem(Utf8ToAnsi(utf8)) + "\r\n"; };
  std::string bytes = std::string(kWordListMagic) + "\r\n" + line(draft.theme);
  for (const DraftEntry& entry : draft.entries) {
    if (!IsBlank(entry))
      bytes += line(entry.word) + line(entry.hint);
  }
  return bytes;
}

std::string PreviewWord(const DraftEntry& entry, int mode) {
  WordList list;
  list.slots[1].rawWord = Utf8ToAnsi(entry.word).substr(0, kRawWordLength);
  list.CountWords(WordField::Raw);
  list.StripMarks();
  GameState state;
  ClearBuild(state);
  BuildWord(state, mode, list.slots[1]);
  return state.displayText;
}

std::vector<MarkedLetter> MarkedLetters(const std::string& rawWord) {
  std::vector<MarkedLetter> letters;
  const std::vector<std::string> chars = Utf8Characters(rawWord);
  for (std::size_t i = 0; i < chars.size(); ++i) {
    const bool marked = chars[i] == "/";
    if (marked && ++i == chars.size())
      break;  // a mark at the very end marks nothing
    letters.push_back({chars[i], marked});
  }
  return letters;
}

std::string ToggleMark(const std::string& rawWord, int index) {
  const std::vector<std::string> chars = Utf8Characters(rawWord);
  int letter = -1;
  for (std::size_t i = 0; i < chars.size(); ++i) {
    const bool marked = chars[i] == "/";
    if (marked && i + 1 == chars.size())
      break;  // a mark at the very end marks nothing
    const std::size_t at = marked ? i + 1 : i;
    if (++letter == index) {
      std::string out;
      for (std::size_t j = 0; j < chars.size(); ++j) {
        if (j == i && marked)
          continue;  // the mark goes
        if (j == at && !marked)
          out += "/";
        out += chars[j];
      }
      return out;
    }
    i = at;
  }
  return rawWord;
}
