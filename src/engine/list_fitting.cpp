// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_fitting.h"

#include "word_list.h"

namespace {

bool IsSpace(const std::string& c) {
  return c == " " || c == "\t";
}

// A character after which a hint reads as a whole: the end of a clause or a sentence.
bool EndsClause(const std::string& c) {
  return c == "," || c == ";" || c == ":" || c == "." || c == "!" || c == "?" || c == ")";
}

}  // namespace

std::vector<WordListDraft> SplitDraft(const WordListDraft& draft) {
  const int words = static_cast<int>(draft.entries.size());
  if (words <= kMaxWords)
    return {draft};
  const int lists = (words + kMaxWords - 1) / kMaxWords;
  std::vector<WordListDraft> parts;
  auto next = draft.entries.begin();
  for (int k = 0; k < lists; ++k) {
    const int size = words / lists + (k < words % lists ? 1 : 0);
    parts.push_back({PartTheme(draft.theme, k + 1), {next, next + size}});
    next += size;
  }
  return parts;
}

std::string PartTheme(const std::string& theme, int part) {
  return theme.empty() ? theme : theme + " " + std::to_string(part);
}

std::string BaseTheme(const std::string& theme, int part) {
  const std::string number = " " + std::to_string(part);
  return theme.ends_with(number) ? theme.substr(0, theme.size() - number.size()) : theme;
}

std::string ShortenHint(const std::string& hint) {
  const std::vector<std::string> chars = Utf8Characters(hint);
  if (chars.size() <= kHintLength)
    return hint;
  // The characters kept: where the last clause, or else the last word, ends.
  std::size_t clauseEnd = 0, wordEnd = 0;
  for (std::size_t k = 1; k <= kHintLength; ++k) {
    if (!IsSpace(chars[k]) || IsSpace(chars[k - 1]))
      continue;
    wordEnd = k;
    if (EndsClause(chars[k - 1]) && k >= kHintLength / 2)
      clauseEnd = k;
  }
  std::size_t kept = clauseEnd > 0 ? clauseEnd : wordEnd > 0 ? wordEnd : kHintLength;
  while (kept > 1 && (IsSpace(chars[kept - 1]) || chars[kept - 1] == "," ||
                      chars[kept - 1] == ";" || chars[kept - 1] == ":"))
    --kept;
  std::string out;
  for (std::size_t k = 0; k < kept; ++k)
    out += chars[k];
  return out;
}

int ShortenLongHints(WordListDraft& draft) {
  int shortened = 0;
  for (DraftEntry& entry : draft.entries) {
    std::string kept = ShortenHint(entry.hint);
    if (kept == entry.hint)
      continue;
    entry.fullHint = entry.hint;
    entry.hint = std::move(kept);
    ++shortened;
  }
  return shortened;
}
