// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows metafiles: what is drawn, how big, and which files are refused.
#include "platform/wmf_reader.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryDir>
#include <cstdint>
#include <vector>

#include "platform/picture_file.h"
#include "support/files.h"

namespace {

// Metafiles for the tests, record by record, in the file's little-endian words.
void Put16(QByteArray& out, int value) {
  out.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
}

QByteArray Record(int function, const std::vector<int>& params) {
  QByteArray out;
  Put16(out, int(3 + params.size()));
  Put16(out, 0);
  Put16(out, function);
  for (int p : params)
    Put16(out, p);
  return out;
}
QByteArray Brush(std::uint32_t colourRef, int style = 0) {
  return Record(0x02FC, {style, int(colourRef & 0xFFFF), int(colourRef >> 16), 0});
}
const QByteArray kNullPen = Record(0x02FA, {5, 0, 0, 0, 0});
QByteArray Select(int slot) {
  return Record(0x012D, {slot});
}
// Parameters in the metafile's order: bottom, right, top, left.
QByteArray Rect(int left, int top, int right, int bottom) {
  return Record(0x041B, {bottom, right, top, left});
}
QByteArray WindowExt(int x, int y) {
  return Record(0x020C, {y, x});
}

using Records = std::vector<QByteArray>;

// Without the placeable header: sized by the first window extent.
QByteArray Plain(const Records& records, int objects = 4, bool withEof = true) {
  QByteArray out;
  for (int word : {1, 9, 0x0300, 0, 0, objects, 0, 0, 0})  // the file's size is not needed
    Put16(out, word);
  for (const QByteArray& record : records)
    out += record;
  return withEof ? out + Record(0, {}) : out;
}
// With it: a frame of `width` x `height` units at `unitsPerInch`.
QByteArray Placeable(const Records& records, int width, int height, int unitsPerInch = 96,
                     int objects = 4, bool withEof = true) {
  QByteArray out;
  int checksum = 0;
  for (int word : {0xCDD7, 0x9AC6, 0, 0, 0, width, height, unitsPerInch, 0, 0}) {
    Put16(out, word);
    checksum ^= word & 0xFFFF;
  }
  Put16(out, checksum);
  return out + Plain(records, objects, withEof);
}

constexpr std::uint32_t kRed = 0x000000FF;  // 0x00BBGGRR
constexpr std::uint32_t kBlue = 0x00FF0000;

struct Probe {
  int x, y;
  QColor colour;
};

struct DrawingCase {
  const char* name;
  QByteArray bytes;
  std::vector<Probe> probes;
};

class WmfDrawingTest : public ::testing::TestWithParam<DrawingCase> {};

TEST_P(WmfDrawingTest, PaintsWhatItsRecordsSayOnWhite) {
  const QImage image = ReadWmf(GetParam().bytes);
  ASSERT_FALSE(image.isNull());
  for (const Probe& probe : GetParam().probes)
    EXPECT_EQ(QColor(image.pixel(probe.x, probe.y)), probe.colour) << probe.x << ", " << probe.y;
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, WmfDrawingTest,
    ::testing::Values(
        DrawingCase{
            "ARectangleIsFilledWithTheSelectedBrush",
            Placeable({Brush(kRed), Select(0), kNullPen, Select(1), Rect(0, 0, 50, 50)}, 100, 60),
            {{10, 10, Qt::red}, {80, 30, Qt::white}, {10, 55, Qt::white}}},
        // Logical units 0..1000 by 0..500 onto 100 x 50 pixels, from origin (-1000, 0).
        DrawingCase{"TheWindowIsStretchedOverThePicture",
                    Placeable({Record(0x020B, {0, -1000}), WindowExt(1000, 500), Brush(kBlue),
                               Select(0), kNullPen, Select(1), Rect(-500, 250, 0, 500)},
                              100, 50),
                    {{75, 40, Qt::blue}, {25, 40, Qt::white}, {75, 10, Qt::white}}},
        // A polygon that claims 1000 points but holds two, and a polypolygon likewise.
        DrawingCase{"PolygonCountsThatDoNotFitTheirRecordDrawNothing",
                    Placeable({Brush(kRed), Select(0), Record(0x0324, {1000, 0, 0, 10, 10}),
                               Record(0x0538, {2, 3, 500, 0, 0, 10, 0, 10, 10})},
                              10, 10),
                    {{5, 5, Qt::white}}}),
    [](const auto& info) { return std::string(info.param.name); });

QByteArray WithWord(QByteArray bytes, int at, int value) {
  bytes[at] = char(value & 0xFF);
  bytes[at + 1] = char((value >> 8) & 0xFF);
  return bytes;
}

const QByteArray kGood = Placeable({Rect(0, 0, 5, 5)}, 10, 10);
// A rectangle record is 7 words; the placeable header 22 bytes, the header 18.
constexpr int kFirstRecord = 22 + 18;
const QSize kRefused(0, 0);

struct SizeCase {
  const char* name;
  QByteArray bytes;
  QSize size;  // kRefused: no picture
};

class WmfSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(WmfSizeTest, IsTheFrameOrTheFirstWindowExtentOrNoPictureAtAll) {
  EXPECT_EQ(ReadWmf(GetParam().bytes).size(), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(
    Files, WmfSizeTest,
    ::testing::Values(
        SizeCase{"FrameAtNinetySixDotsPerInch", Placeable({}, 100, 60), QSize(100, 60)},
        // One inch by half an inch.
        SizeCase{"FrameInTwips", Placeable({}, 1440, 720, 1440), QSize(96, 48)},
        SizeCase{"WindowExtentWithoutAFrame", Plain({WindowExt(120, -80)}), QSize(120, 80)},
        // 32767 x 32767 at one unit per inch: millions of pixels a side.
        SizeCase{"AbsurdSize", Placeable({}, 32767, 32767, 1), kRefused},
        SizeCase{"Empty", QByteArray(), kRefused},
        SizeCase{"NotAMetafile", QByteArray("BM this is a bitmap, not a metafile........"),
                 kRefused},
        SizeCase{"WrongVersion", WithWord(kGood, 22 + 4, 0x0200), kRefused},
        SizeCase{"NoEndOfFileRecord", Placeable({Rect(0, 0, 5, 5)}, 10, 10, 96, 4, false),
                 kRefused},
        SizeCase{"RecordRunsPastTheEnd", kGood.left(kGood.size() - 8), kRefused},
        SizeCase{"RecordLongerThanTheFile", WithWord(kGood, kFirstRecord, 0x7FFF), kRefused},
        SizeCase{"RecordShorterThanItsHeader", WithWord(kGood, kFirstRecord, 2), kRefused},
        SizeCase{"NoWidth", Placeable({}, 0, 10), kRefused},
        SizeCase{"NoUnitsPerInch", Placeable({}, 10, 10, 0), kRefused},
        SizeCase{"TooWide", Placeable({}, 30000, 10), kRefused},
        SizeCase{"TooManyPixels", Placeable({}, 16000, 16000, 384), kRefused},
        SizeCase{"NoFrameAndNoWindowExtent", Plain({Rect(0, 0, 5, 5)}), kRefused}),
    [](const auto& info) { return std::string(info.param.name); });

// The limits are reached, not passed: so many records, the picture painted over so often.
TEST(WmfReaderTest, TooManyRecordsOrTooMuchPaintingIsRefused) {
  // Background mode records, without their parameter.
  const auto records = [](int count) {
    return Placeable(Records(count, Record(0x0102, {})), 10, 10);
  };
  // Each rectangle covers the whole picture (and more: only the picture counts).
  const auto covering = [](int times) {
    return Placeable(Records(times, Rect(-50, -50, 150, 150)), 100, 100);
  };
  EXPECT_FALSE(ReadWmf(records(kWmfMaxRecords)).isNull());
  EXPECT_TRUE(ReadWmf(records(kWmfMaxRecords + 2)).isNull());
  EXPECT_FALSE(ReadWmf(covering(kWmfMaxPaintedScreens)).isNull());
  EXPECT_TRUE(ReadWmf(covering(kWmfMaxPaintedScreens + 1)).isNull());
}

// --- The loader every background goes through ---

QByteArray Encoded(const char* format, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::blue);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, format));
  return bytes;
}

// Bitmaps and metafiles are told apart by what they hold, not by their name; anything
// else, and a picture without width or height, gives no picture.
TEST(BackgroundPictureTest, ReadsBitmapsAndMetafilesOnly) {
  QTemporaryDir dir;
  const auto write = [&](const QString& name, const QByteArray& bytes) {
    WriteBytes(dir.filePath(name), bytes);
    return dir.filePath(name);
  };
  const QSize refused(0, 0);
  const std::pair<QString, QSize> cases[] = {
      {write("tile.bmp", Encoded("BMP", 7, 5)), QSize(7, 5)},
      {write("really-a-metafile.bmp", Placeable({}, 30, 20)), QSize(30, 20)},
      {dir.filePath("missing.bmp"), refused},
      {dir.path(), refused},  // a folder
      {write("text.bmp", "not a picture at all"), refused},
      {write("damaged.bmp", "BM\x10\x00garbage"), refused},
      {write("picture.png", Encoded("PNG", 4, 4)), refused},
      {write("flat.wmf", Placeable({}, 40, 0)), refused},
      // A bitmap header that says 0 pixels wide.
      {write("zero.bmp", Encoded("BMP", 3, 3).replace(18, 4, QByteArray(4, '\0'))), refused}};
  for (const auto& [path, size] : cases)
    EXPECT_EQ(LoadBackgroundPicture(path).value_or(QImage()).size(), size) << path.toStdString();
}

}  // namespace
