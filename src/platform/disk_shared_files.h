// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Shared files on the disk, local or in a network folder: read and replaced whole
// through the program's one save path.
#pragma once

#include <cstddef>

#include "shared_file.h"

class DiskSharedFiles : public SharedFiles {
 public:
  // A results file or a points file is a few kilobytes; anything larger is not read.
  static constexpr std::size_t kMaxBytes = 1 << 20;

  SharedSave Update(const std::string& path, const Change& change) override;
};
