// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "player_entry.h"

std::string TrimName(const std::string& text) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && blank(text[begin]))
    ++begin;
  while (end > begin && blank(text[end - 1]))
    --end;
  return text.substr(begin, end - begin);
}

void StartGroup(PlayerTable& players, const std::array<std::string, kMaxPlayers>& names,
                const std::string& group, const LocalDate& today) {
  for (PlayerRecord& record : players.records) {
    record = PlayerRecord{};
    record.year = today.year;
    record.day = today.day;
    record.month = today.month;
  }
  for (ScoreEntry& score : players.scores)
    score = ScoreEntry{};

  int count = 0;
  for (const std::string& typed : names) {
    const std::string name = TrimName(typed).substr(0, kNameLength);
    if (name.empty())
      continue;
    ++count;
    players.records[count - 1].name = name;
    players.scores[count].name = name;
  }
  const std::string groupName = TrimName(group).substr(0, kNameLength);
  players.scores[0].name = groupName.empty() ? kNoGroupName : groupName;
  if (count == 0) {
    count = 1;
    players.records[0].name = kNoName;
    players.scores[1].name = kNoName;
  }
  players.playerCount = count;
  players.currentPlayer = 1;
}
