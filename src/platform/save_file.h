// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one way the program writes a file: the old file stays whole until the
// new one is complete, and a failure is always reported.
#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` as the whole new content of `path`. False when anything
// failed; the file is then as it was before. Never writes through a symlink.
// Before writing, removes what an interrupted save of the program left in the
// same folder (see RemoveStaleSaves).
bool SaveWhole(const QString& path, const QByteArray& bytes);

// A save that was killed leaves its temporary file "<name>.XXXXXX" (six
// letters) beside the file it was writing. Removes such files from the folder
// of `path` when they belong to files of the same kind (the same extension, or
// the same name for a file without one) and were last written more than a
// minute ago, so that a save running at the same time keeps its own.
// Returns how many were removed.
int RemoveStaleSaves(const QString& path);
