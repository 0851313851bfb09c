// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Ways to make writes fail as a full or limited disk makes them fail.
#pragma once

#include <QString>

#include "support/write_limit.h"

// A small tmpfs mounted over `folder` (which must exist) while the object
// lives. Mounting needs the right to mount; Mounted() says whether it worked
// and Why() why not.
class SmallDisk {
 public:
  SmallDisk(const QString& folder, int kibibytes);
  ~SmallDisk();
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  bool Mounted() const { return mounted_; }
  QString Why() const { return why_; }
  // Takes every free byte with a filler file; true when the disk is full.
  bool Fill();

 private:
  QString folder_;
  bool mounted_ = false;
  QString why_;
};
