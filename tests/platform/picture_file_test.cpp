// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one picture loader: whole pictures load, damaged ones are refused.
#include "platform/picture_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <tuple>

#include "platform/bounded_read.h"
#include "platform/save_file.h"
#include "support/images.h"

namespace {

QImage Sample(QImage::Format format) {
  QImage image(13, 7, format);  // an odd width, so that rows carry padding
  image.fill(Qt::white);
  for (int x = 0; x < 13; ++x)
    image.setPixel(x, x % 7, qRgb(200, 10 * x, 40));
  return image;
}

QByteArray Encoded(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return bytes;
}

QByteArray SetLe32(QByteArray bytes, int offset, quint32 value) {
  for (int i = 0; i < 4; ++i)
    bytes[offset + i] = static_cast<char>(value >> (8 * i));
  return bytes;
}

struct DamageCase {
  const char* name;
  std::function<QByteArray(QByteArray)> damage;
};

}  // namespace

class PictureDamageTest : public ::testing::TestWithParam<DamageCase> {};

// Whole pictures of every depth load pixel for pixel; damaged ones are refused, from memory
// and from a file by the loader of backgrounds and textures.
TEST_P(PictureDamageTest, IsRefused) {
  QTemporaryDir folder;
  for (const auto format : {QImage::Format_RGB32, QImage::Format_Indexed8, QImage::Format_Mono}) {
    const QImage image = Sample(QImage::Format_RGB32).convertToFormat(format);
    const auto whole = DecodePicture(Encoded(image), "BMP");
    ASSERT_TRUE(whole) << format;
    EXPECT_EQ(ImageDifference(whole->convertToFormat(QImage::Format_RGB32),
                              image.convertToFormat(QImage::Format_RGB32)),
              "");
    const QByteArray damaged = GetParam().damage(Encoded(image));
    EXPECT_FALSE(DecodePicture(damaged, "BMP")) << format;
    ASSERT_TRUE(SaveWhole(folder.filePath("fondo.bmp"), damaged));
    EXPECT_FALSE(LoadBackgroundPicture(folder.filePath("fondo.bmp"))) << format;
    EXPECT_FALSE(BmpFileIsWhole(folder.filePath("fondo.bmp"))) << format;
  }
}

using D = DamageCase;
INSTANTIATE_TEST_SUITE_P(
    Table, PictureDamageTest,
    ::testing::Values(D{"LastByteMissing", [](QByteArray b) { return b.left(b.size() - 1); }},
                      D{"CutAtHalf", [](QByteArray b) { return b.left(b.size() / 2); }},
                      D{"ABytePastTheHeaders", [](QByteArray b) { return b.left(14 + 40 + 1); }},
                      D{"TallerThanItsData", [](QByteArray b) { return SetLe32(b, 22, 7000); }},
                      D{"PixelsPastTheEnd", [](QByteArray b) { return SetLe32(b, 10, b.size()); }},
                      D{"HugeWidth", [](QByteArray b) { return SetLe32(b, 18, 0x7FFFFFFF); }},
                      D{"NotABmp", [](QByteArray b) { return SetLe32(b, 0, 'X'); }},
                      D{"Empty", [](QByteArray) { return QByteArray(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PictureFile, OnlyRegularFilesAreRead) {
  QTemporaryDir folder;
  const QByteArray whole = Encoded(Sample(QImage::Format_RGB32));
  ASSERT_TRUE(SaveWhole(folder.filePath("acierto.bmp"), whole));
  EXPECT_TRUE(LoadPictureFile(folder.filePath("acierto.bmp"), "BMP") &&
              BmpFileIsWhole(folder.filePath("acierto.bmp")));
  ASSERT_TRUE(QDir(folder.path()).mkdir("carpeta.bmp"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("tubo.bmp")).constData(), 0600), 0);
  for (const char* name : {"carpeta.bmp", "tubo.bmp", "no-existe.bmp"})  // and never block
    EXPECT_FALSE(LoadPictureFile(folder.filePath(name), "BMP") ||
                 BmpFileIsWhole(folder.filePath(name)))
        << name;
}

// A file is read to its end or to one byte past the limit, whatever size it had when looked at.
TEST(PictureFile, BoundedReadStopsAtTheEndOrPastTheLimit) {
  using Case = std::tuple<const char*, int, int, int>;  // file bytes, size looked at, read
  const Case cases[] = {{"shrunk since", 300, 700, 300},
                        {"grown since", 900, 100, 900},
                        {"grown past the limit", 5000, 100, 1001},
                        {"larger than the limit", 5000, 5000, 1001}};
  QTemporaryDir folder;
  for (const auto& [name, fileBytes, knownSize, expected] : cases) {
    const QByteArray content = QByteArray("abcdefghij").repeated(fileBytes / 10);
    ASSERT_TRUE(SaveWhole(folder.filePath("f"), content));
    QFile file(folder.filePath("f"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(ReadAtMost(file, knownSize, 1000), content.left(expected)) << name;
  }
}
