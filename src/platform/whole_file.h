// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one way the program writes a file, and the one way it reads a file it is
// about to replace: the old file stays whole until the new one is complete and
// on the disk, and a failure is always reported. Paths are UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Writes `bytes` as the whole new content of `path`: into a temporary file of
// the program's own beside it, forced to the disk, then put in the old file's
// place in one step. False when anything failed; the file is then as it was.
// Never writes through a symlink, nor over a folder, a device or a pipe.
// Before writing, removes what an interrupted save left (see RemoveStaleSaves).
bool SaveWholeFile(const std::string& path, std::string_view bytes);

// A save that was killed leaves its temporary file beside the file it was
// writing: ".<name>~lurimba-XXXXXXXX" (hidden, the program's mark and eight
// random letters or digits), a name no person chooses. Removes the program's own temporary files
// from the folder of `path` that were last written more than a minute ago (a younger one may be a
// save running at this moment, on this computer or another). Nothing else is touched, whatever its
// name. Returns how many were removed.
int RemoveStaleSaves(const std::string& path);

enum class ReadState {
  Missing,     // nothing at all at the path
  Read,        // a regular file, read whole
  Link,        // a symlink, whole or broken: not read, and never written through
  Unreadable,  // a folder, a pipe, a file this user may not read, a read error, too large
};
// Reads the regular file at `path`, at most `maxBytes`; a larger file is Unreadable.
ReadState ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes);
