// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/disk_shared_files.h"

#include "platform/whole_file.h"

SharedSave DiskSharedFiles::Update(const std::string& path, const Change& change) {
  std::string bytes;
  std::optional<std::string> now;
  switch (ReadWholeFile(path, bytes, kMaxBytes)) {
    case ReadState::Missing:
      break;
    case ReadState::Read:
      now = std::move(bytes);
      break;
    case ReadState::Link:  // never written through
      return SharedSave::CannotWrite;
    case ReadState::Unreadable:
      return SharedSave::CannotRead;
  }
  const std::optional<std::string> next = change(now);
  if (!next)
    return SharedSave::Kept;
  return SaveWholeFile(path, *next) ? SharedSave::Saved : SharedSave::CannotWrite;
}
