// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The companion's tests run on Qt's offscreen platform, with no display, on a screen of
// 1024 x 768 pixels, a school computer's.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/application.h"

int main(int argc, char* argv[]) {
  const QTemporaryDir dir;
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  QFile screens(dir.filePath("screens.json"));
  if ((platform.isEmpty() || platform == "offscreen") && screens.open(QIODevice::WriteOnly) &&
      screens.write(R"({"screens": [{"name": "aula", "width": 1024, "height": 768}]})") > 0) {
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toUtf8());
  }
  Application app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
