// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The files that several copies of the program change (a results file, the
// points file): in a classroom they sit in one shared folder, and two computers
// may save into one of them at the same moment. Paths are UTF-8.
#pragma once

#include <functional>
#include <optional>
#include <string>

enum class SharedSave {
  Saved,        // the new content is whole on the disk
  Kept,         // the change chose to leave the file as it was
  Busy,         // another copy of the program kept the file for too long
  CannotRead,   // something is at the path but it cannot be read as a file
  CannotWrite,  // the new content could not be written: the file is as it was
};

class SharedFiles {
 public:
  virtual ~SharedFiles() = default;

  // Given what the file holds now (nothing when there is no file), the whole
  // new content, or nothing to leave the file as it is.
  using Change = std::function<std::optional<std::string>(const std::optional<std::string>& now)>;

  // While no other copy of the program can change the file: reads what it holds
  // now, hands it to `change` and replaces the file whole with what that returns,
  // forced to the disk before this returns Saved. `change` must not wait for
  // the user: other computers wait while it runs.
  virtual SharedSave Update(const std::string& path, const Change& change) = 0;
};
