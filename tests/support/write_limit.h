// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes that fail as they fail on a full disk, for the engine's tests and the windows' alike.
#pragma once

#include <sys/resource.h>

#include <csignal>

// While the object lives no file of this process can grow past `bytes`:
// writes beyond it fail with EFBIG, as they fail on a full disk.
class WriteLimit {
 public:
  explicit WriteLimit(rlim_t bytes) {
    // Passing the limit also raises SIGXFSZ, which would end the process.
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~WriteLimit() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  WriteLimit(const WriteLimit&) = delete;
  WriteLimit& operator=(const WriteLimit&) = delete;

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
};
