// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "letter_case.h"

namespace {

std::string PupilKey(const std::string& name) {
  const auto first = name.find_first_not_of(' ');
  if (first == std::string::npos)
    return {};
  return ToUpper(name.substr(first, name.find_last_not_of(' ') - first + 1));
}

void Add(WordCounts& to, long long solved, long long failed) {
  to.solved += solved;
  to.failed += failed;
}

}  // namespace

std::optional<int> PercentSolved(const WordCounts& words) {
  const long long played = words.solved + words.failed;
  if (played <= 0)
    return std::nullopt;
  return static_cast<int>((200 * words.solved + played) / (2 * played));
}

std::vector<PupilProgress> PupilsProgress(const std::vector<PlayerRecord>& records) {
  std::vector<PupilProgress> pupils;
  std::map<std::string, std::size_t> placeOf;
  for (const PlayerRecord& record : records) {
    const auto [place, added] = placeOf.emplace(PupilKey(record.name), pupils.size());
    if (added)
      pupils.push_back({record.name, {}, {}, {}});
    PupilProgress& pupil = pupils[place->second];
    for (int mode = 0; mode < kModeCount; ++mode)
      Add(pupil.modes[mode], record.solved[mode], record.failed[mode]);
    Add(pupil.overall, record.solvedTotal, record.failedTotal);

    const auto date = [](const auto& d) { return std::tie(d.year, d.month, d.day); };
    auto& sessions = pupil.sessions;
    auto at = std::lower_bound(
        sessions.begin(), sessions.end(), record,
        [&](const ProgressSession& s, const PlayerRecord& r) { return date(s) < date(r); });
    if (at == sessions.end() || date(*at) != date(record))
      at = sessions.insert(at, {record.year, record.month, record.day, 0, {}});
    ++at->games;
    Add(at->words, record.solvedTotal, record.failedTotal);
  }
  return pupils;
}
