// The one way the program writes a file: the old file stays whole until the
// new one is complete, and a failure is always reported.
#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` as the whole new content of `path`. False when anything
// failed; the file is then as it was before. Never writes through a symlink.
bool SaveWhole(const QString& path, const QByteArray& bytes);
