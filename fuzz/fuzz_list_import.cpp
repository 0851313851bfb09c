// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The companion's word-list importer, on the same bytes as a kvtml vocabulary and as a text
// or CSV file (it tells the two apart by the file's name only), then the words it gave
// checked, written as the game's list, made to fit the game, and exported as text that imports
// back the same.
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "docentix/list_import.h"
#include "fuzz_input_file.h"
#include "list_fitting.h"
#include "word_list.h"
#include "word_list_draft.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (const char* extension : {".kvtml", ".txt"}) {
    const QString path = QString::fromStdString(WriteInputFile(data, size, extension));
    const ImportedList imported = ImportListFile(path);
    // Each word has its line of the file; a refused file gives no words, and words no refusal.
    const auto words = static_cast<qsizetype>(imported.draft.entries.size());
    if (imported.sourceLines.size() != words || imported.error.isEmpty() != (words > 0))
      std::abort();
    for (qsizetype i = 0; i < words; ++i) {
      if (imported.sourceLines[i] < 1 ||
          (i > 0 && imported.sourceLines[i] < imported.sourceLines[i - 1]))
        std::abort();
    }
    CheckWordList(imported.draft);
    EncodeWordList(imported.draft);
    // Made to fit the game: every hint within its 65 characters, the start of the whole one,
    // and every word in one list of at most fifty, in order.
    WordListDraft fitted = imported.draft;
    ShortenLongHints(fitted);
    for (const DraftEntry& entry : fitted.entries) {
      if (Utf8Characters(entry.hint).size() > kHintLength ||
          (!entry.fullHint.empty() && !entry.fullHint.starts_with(entry.hint)))
        std::abort();
    }
    std::size_t splitWords = 0;
    for (const WordListDraft& part : SplitDraft(fitted)) {
      if (part.entries.size() > static_cast<std::size_t>(kMaxWords) ||
          (!part.entries.empty() && part.entries.front().word != fitted.entries[splitWords].word))
        std::abort();
      splitWords += part.entries.size();
    }
    if (splitWords != fitted.entries.size())
      std::abort();
    CheckWordList(fitted);
    // The text exported is imported back as the same words and hints.
    std::vector<DraftEntry> kept;
    for (const DraftEntry& entry : imported.draft.entries) {
      if (!entry.word.empty() || !entry.hint.empty())
        kept.push_back(entry);
    }
    const std::vector<DraftEntry> back = ImportText(ExportText(imported.draft)).draft.entries;
    if (back.size() != kept.size())
      std::abort();
    for (std::size_t i = 0; i < kept.size(); ++i) {
      if (back[i].word != kept[i].word || back[i].hint != kept[i].hint)
        std::abort();
    }
  }
  return 0;
}
