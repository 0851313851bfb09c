#include "platform/save_file.h"

#include <QFileInfo>
#include <QSaveFile>

bool SaveWhole(const QString& path, const QByteArray& bytes) {
  if (QFileInfo(path).isSymLink())
    return false;
  QSaveFile file(path);
  // Unbuffered, so that every write reports its own failure: a buffered write
  // succeeds and the final flush's failure would still be committed.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}
