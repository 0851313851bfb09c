// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/disk_failure.h"

#include <sys/mount.h>

#include <QFile>
#include <cerrno>
#include <cstring>

SmallDisk::SmallDisk(const QString& folder, int kibibytes) : folder_(folder) {
  const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k";
  if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
              options.constData()) == 0) {
    mounted_ = true;
  } else {
    why_ = QString("cannot mount a tmpfs here (%1)").arg(std::strerror(errno));
  }
}

SmallDisk::~SmallDisk() {
  if (mounted_)
    ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
}

bool SmallDisk::Fill() {
  QFile filler(folder_ + "/relleno");
  if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    return false;
  const QByteArray block(512, 'r');
  for (int i = 0; i < 1 << 20; ++i) {
    if (filler.write(block) != block.size())
      break;
  }
  // One byte more must fail too: the disk is full to its last page.
  filler.write("r", 1);
  return filler.error() != QFileDevice::NoError;
}
