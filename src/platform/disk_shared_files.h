// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Shared files on the disk, local or in a network folder. Each change holds a lock on a
// file beside the shared one (".<name>.lock", kept there), taken with fcntl record locks:
// the system releases them when their process ends, however it ends, and a network file
// system (NFS, SMB) hands them to its server, so that they hold between computers. The
// file is read under the lock and replaced whole through the program's one save path.
#pragma once

#include <cstddef>

#include "shared_file.h"

class DiskSharedFiles : public SharedFiles {
 public:
  // A results file or a points file is a few kilobytes; anything larger is not read.
  static constexpr std::size_t kMaxBytes = 1 << 20;
  // How long a save waits for another computer's save to end before it says "busy".
  static constexpr int kWaitMilliseconds = 4000;

  explicit DiskSharedFiles(int waitMilliseconds = kWaitMilliseconds)
      : waitMilliseconds_(waitMilliseconds) {}

  SharedSave Update(const std::string& path, const Change& change) override;

  // ".<name>.lock" beside the file at `path`.
  static std::string LockPath(const std::string& path);

 private:
  int waitMilliseconds_;
};
