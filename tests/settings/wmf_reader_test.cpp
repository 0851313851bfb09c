// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows metafiles: what is drawn, how big, and which files are refused.
#include "platform/wmf_reader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <vector>

#include "platform/background_picture.h"

namespace {

// Writes metafiles for the tests, record by record.
class WmfBuilder {
 public:
  WmfBuilder& Record(int function, std::vector<int> params) {
    Put32(records_, static_cast<std::uint32_t>(3 + params.size()));
    Put16(records_, function);
    for (int p : params)
      Put16(records_, p);
    return *this;
  }
  WmfBuilder& Brush(std::uint32_t colourRef, int style = 0) {
    return Record(0x02FC, {style, int(colourRef & 0xFFFF), int(colourRef >> 16), 0});
  }
  WmfBuilder& NullPen() { return Record(0x02FA, {5, 0, 0, 0, 0}); }
  WmfBuilder& Select(int slot) { return Record(0x012D, {slot}); }
  WmfBuilder& Delete(int slot) { return Record(0x01F0, {slot}); }
  // Parameters in the metafile's order: bottom, right, top, left.
  WmfBuilder& Rect(int left, int top, int right, int bottom) {
    return Record(0x041B, {bottom, right, top, left});
  }
  WmfBuilder& WindowExt(int x, int y) { return Record(0x020C, {y, x}); }
  WmfBuilder& WindowOrg(int x, int y) { return Record(0x020B, {y, x}); }

  // With the placeable header: a frame of `width` x `height` units at `unitsPerInch`.
  QByteArray Placeable(int width, int height, int unitsPerInch = 96, int objects = 4,
                       bool withEof = true) const {
    QByteArray out;
    const std::vector<int> words{0xCDD7, 0x9AC6, 0, 0, 0, width, height, unitsPerInch, 0, 0};
    int checksum = 0;
    for (int w : words) {
      Put16(out, w);
      checksum ^= w & 0xFFFF;
    }
    Put16(out, checksum);
    return out + Plain(objects, withEof);
  }
  // Without it: sized by the first window extent.
  QByteArray Plain(int objects = 4, bool withEof = true) const {
    QByteArray out;
    Put16(out, 1);
    Put16(out, 9);
    Put16(out, 0x0300);
    Put32(out, 0);  // the file's size: not needed to read it
    Put16(out, objects);
    Put32(out, 0);
    Put16(out, 0);
    out += records_;
    if (withEof) {
      Put32(out, 3);
      Put16(out, 0);
    }
    return out;
  }

 private:
  static void Put16(QByteArray& out, int value) {
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
  }
  static void Put32(QByteArray& out, std::uint32_t value) {
    Put16(out, int(value & 0xFFFF));
    Put16(out, int(value >> 16));
  }
  QByteArray records_;
};

constexpr std::uint32_t kRed = 0x000000FF;  // 0x00BBGGRR
constexpr std::uint32_t kBlue = 0x00FF0000;
constexpr std::uint32_t kGreen = 0x0000FF00;

TEST(WmfReaderTest, ARectangleIsFilledWithTheSelectedBrushOnWhite) {
  const QByteArray bytes =
      WmfBuilder().Brush(kRed).Select(0).NullPen().Select(1).Rect(0, 0, 50, 50).Placeable(100, 60);
  const QImage image = ReadWmf(bytes);
  ASSERT_EQ(image.size(), QSize(100, 60));
  EXPECT_EQ(QColor(image.pixel(10, 10)), QColor(Qt::red));
  EXPECT_EQ(QColor(image.pixel(80, 30)), QColor(Qt::white));
  EXPECT_EQ(QColor(image.pixel(10, 55)), QColor(Qt::white));
}

TEST(WmfReaderTest, TheWindowIsStretchedOverThePicture) {
  // Logical units 0..1000 by 0..500 onto 100 x 50 pixels, from origin (-1000, 0).
  const QByteArray bytes = WmfBuilder()
                               .WindowOrg(-1000, 0)
                               .WindowExt(1000, 500)
                               .Brush(kBlue)
                               .Select(0)
                               .NullPen()
                               .Select(1)
                               .Rect(-500, 250, 0, 500)
                               .Placeable(100, 50);
  const QImage image = ReadWmf(bytes);
  ASSERT_EQ(image.size(), QSize(100, 50));
  EXPECT_EQ(QColor(image.pixel(75, 40)), QColor(Qt::blue));
  EXPECT_EQ(QColor(image.pixel(25, 40)), QColor(Qt::white));
  EXPECT_EQ(QColor(image.pixel(75, 10)), QColor(Qt::white));
}

TEST(WmfReaderTest, ANewObjectTakesTheFirstFreeSlot) {
  // Red in slot 0, blue in slot 1; slot 0 freed and taken by green: selecting 0 gives green.
  const QByteArray bytes = WmfBuilder()
                               .NullPen()  // slot 0
                               .Select(0)
                               .Delete(0)
                               .Brush(kRed)   // slot 0
                               .Brush(kBlue)  // slot 1
                               .NullPen()     // slot 2
                               .Select(2)
                               .Delete(0)
                               .Brush(kGreen)  // slot 0 again
                               .Select(0)
                               .Rect(0, 0, 40, 40)
                               .Select(1)
                               .Rect(40, 0, 80, 40)
                               .Placeable(80, 40);
  const QImage image = ReadWmf(bytes);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(QColor(image.pixel(20, 20)), QColor(Qt::green));
  EXPECT_EQ(QColor(image.pixel(60, 20)), QColor(Qt::blue));
}

TEST(WmfReaderTest, SelectingADeletedObjectKeepsTheBrushInUse) {
  const QByteArray bytes = WmfBuilder()
                               .Brush(kRed)
                               .Select(0)
                               .Brush(kBlue)
                               .Delete(1)
                               .Select(1)  // gone: red stays
                               .NullPen()
                               .Select(1)
                               .Rect(0, 0, 20, 20)
                               .Placeable(20, 20);
  const QImage image = ReadWmf(bytes);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(QColor(image.pixel(10, 10)), QColor(Qt::red));
}

TEST(WmfReaderTest, AHollowBrushLeavesTheInsideAlone) {
  const QByteArray bytes = WmfBuilder()
                               .Brush(kRed)
                               .Select(0)
                               .NullPen()
                               .Select(1)
                               .Rect(0, 0, 40, 40)
                               .Brush(kBlue, 1)  // hollow
                               .Select(2)
                               .Rect(0, 0, 40, 40)
                               .Placeable(40, 40);
  const QImage image = ReadWmf(bytes);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(QColor(image.pixel(20, 20)), QColor(Qt::red));
}

TEST(WmfReaderTest, ThePlaceableFrameIsShownAtNinetySixDotsPerInch) {
  const QByteArray bytes = WmfBuilder().Placeable(1440, 720, 1440);  // one inch by half an inch
  EXPECT_EQ(WmfPictureSize(bytes), QSize(96, 48));
  EXPECT_EQ(ReadWmf(bytes).size(), QSize(96, 48));
}

TEST(WmfReaderTest, WithoutAFrameTheWindowExtentGivesTheSize) {
  const QByteArray bytes = WmfBuilder().WindowExt(120, -80).Plain();
  EXPECT_EQ(WmfPictureSize(bytes), QSize(120, 80));
  EXPECT_EQ(ReadWmf(bytes).size(), QSize(120, 80));
}

TEST(WmfReaderTest, TheShippedMetafileIsAMeadowUnderABlueSky) {
  QFile file(QString(DATA_DIR) + "/fondos/colinas.wmf");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QImage image = ReadWmf(file.readAll());
  ASSERT_EQ(image.size(), QSize(1024, 768));
  const QColor sky = image.pixelColor(512, 5);
  const QColor meadow = image.pixelColor(512, 660);
  EXPECT_GT(sky.blue(), sky.red() + 60) << sky.name().toStdString();
  EXPECT_GT(meadow.green(), meadow.red() + 40) << meadow.name().toStdString();
  EXPECT_GT(meadow.green(), meadow.blue() + 40) << meadow.name().toStdString();
}

struct RefusedCase {
  const char* name;
  QByteArray bytes;
};

void PrintTo(const RefusedCase& c, std::ostream* out) {
  *out << c.name;
}

class WmfRefusedTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(WmfRefusedTest, GivesNoPicture) {
  EXPECT_TRUE(ReadWmf(GetParam().bytes).isNull());
}

QByteArray WithWord(QByteArray bytes, int at, int value) {
  bytes[at] = char(value & 0xFF);
  bytes[at + 1] = char((value >> 8) & 0xFF);
  return bytes;
}

const QByteArray kGood = WmfBuilder().Rect(0, 0, 5, 5).Placeable(10, 10);
// A rectangle record is 7 words; the placeable header 22 bytes, the header 18.
constexpr int kFirstRecord = 22 + 18;

INSTANTIATE_TEST_SUITE_P(
    Files, WmfRefusedTest,
    ::testing::Values(
        RefusedCase{"Empty", QByteArray()},
        RefusedCase{"NotAMetafile", QByteArray("BM this is a bitmap, not a metafile........")},
        RefusedCase{"OnlyThePlaceableHeader", kGood.left(22)},
        RefusedCase{"WrongVersion", WithWord(kGood, 22 + 4, 0x0200)},
        RefusedCase{"NoEndOfFileRecord",
                    WmfBuilder().Rect(0, 0, 5, 5).Placeable(10, 10, 96, 4, false)},
        RefusedCase{"RecordRunsPastTheEnd", kGood.left(kGood.size() - 8)},
        RefusedCase{"RecordLongerThanTheFile", WithWord(kGood, kFirstRecord, 0x7FFF)},
        RefusedCase{"RecordShorterThanItsHeader", WithWord(kGood, kFirstRecord, 2)},
        RefusedCase{"NoWidth", WmfBuilder().Placeable(0, 10)},
        RefusedCase{"NoHeight", WmfBuilder().Placeable(10, 0)},
        RefusedCase{"NoUnitsPerInch", WmfBuilder().Placeable(10, 10, 0)},
        RefusedCase{"TooWide", WmfBuilder().Placeable(30000, 10, 96)},
        RefusedCase{"TooManyPixels", WmfBuilder().Placeable(16000, 16000, 384)},
        RefusedCase{"NoFrameAndNoWindowExtent", WmfBuilder().Rect(0, 0, 5, 5).Plain()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WmfReaderTest, AnAbsurdSizeIsRefusedBeforeAnythingIsDrawn) {
  // 32767 x 32767 at one unit per inch: millions of pixels a side.
  const QByteArray bytes = WmfBuilder().Placeable(32767, 32767, 1);
  EXPECT_FALSE(WmfPictureSize(bytes).has_value());
  EXPECT_TRUE(ReadWmf(bytes).isNull());
}

TEST(WmfReaderTest, AnObjectMadeWithTheTableFullIsLost) {
  // Room for two objects: the third brush (blue) has no slot, and slot 1 stays the pen.
  const QByteArray bytes = WmfBuilder()
                               .Brush(kRed)
                               .NullPen()
                               .Brush(kBlue)
                               .Select(0)
                               .Select(1)
                               .Select(2)
                               .Rect(0, 0, 20, 20)
                               .Placeable(20, 20, 96, 2);
  const QImage image = ReadWmf(bytes);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(QColor(image.pixel(10, 10)), QColor(Qt::red));
}

TEST(WmfReaderTest, AFileWithTooManyRecordsIsRefused) {
  WmfBuilder builder;
  for (int i = 0; i < kWmfMaxRecords; ++i)
    builder.Record(0x0102, {});  // background mode, without its parameter
  EXPECT_FALSE(ReadWmf(builder.Placeable(10, 10)).isNull());
  builder.Record(0x0102, {});
  builder.Record(0x0102, {});
  EXPECT_TRUE(ReadWmf(builder.Placeable(10, 10)).isNull());
}

TEST(WmfReaderTest, AFileThatPaintsThePictureOverTooManyTimesIsRefused) {
  // Each rectangle covers the whole picture (and more: only the picture counts).
  const auto covering = [](int times) {
    WmfBuilder builder;
    for (int i = 0; i < times; ++i)
      builder.Rect(-50, -50, 150, 150);
    return builder.Placeable(100, 100);
  };
  EXPECT_FALSE(ReadWmf(covering(kWmfMaxPaintedScreens)).isNull());
  EXPECT_TRUE(ReadWmf(covering(kWmfMaxPaintedScreens + 1)).isNull());
}

TEST(WmfReaderTest, PolygonCountsThatDoNotFitTheirRecordDrawNothing) {
  // A polygon that claims 1000 points but holds two, and a polypolygon likewise.
  const QByteArray bytes = WmfBuilder()
                               .Brush(kRed)
                               .Select(0)
                               .Record(0x0324, {1000, 0, 0, 10, 10})
                               .Record(0x0538, {2, 3, 500, 0, 0, 10, 0, 10, 10})
                               .Placeable(10, 10);
  const QImage image = ReadWmf(bytes);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(QColor(image.pixel(5, 5)), QColor(Qt::white));
}

// --- The loader every background goes through ---

class BackgroundPictureTest : public ::testing::Test {
 protected:
  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }
  QTemporaryDir dir;
};

TEST_F(BackgroundPictureTest, ReadsBitmapsAndMetafilesByWhatTheyHoldNotByTheirName) {
  QImage bitmap(7, 5, QImage::Format_RGB32);
  bitmap.fill(Qt::blue);
  ASSERT_TRUE(bitmap.save(dir.filePath("tile.bmp"), "BMP"));
  EXPECT_EQ(LoadBackgroundPicture(dir.filePath("tile.bmp")).size(), QSize(7, 5));
  const QString metafile = Write("really-a-metafile.bmp", WmfBuilder().Placeable(30, 20));
  EXPECT_EQ(LoadBackgroundPicture(metafile).size(), QSize(30, 20));
}

TEST_F(BackgroundPictureTest, RefusesWhatIsNotAReadablePicture) {
  EXPECT_TRUE(LoadBackgroundPicture(dir.filePath("missing.bmp")).isNull());
  EXPECT_TRUE(LoadBackgroundPicture(dir.path()).isNull()) << "a folder";
  EXPECT_TRUE(LoadBackgroundPicture("").isNull());
  EXPECT_TRUE(LoadBackgroundPicture(Write("text.bmp", "not a picture at all")).isNull());
  QImage png(4, 4, QImage::Format_RGB32);
  png.fill(Qt::red);
  ASSERT_TRUE(png.save(dir.filePath("picture.png"), "PNG"));
  EXPECT_TRUE(LoadBackgroundPicture(dir.filePath("picture.png")).isNull()) << "only bitmaps";
}

TEST_F(BackgroundPictureTest, APictureWithoutWidthOrHeightIsRefused) {
  EXPECT_TRUE(LoadBackgroundPicture(Write("flat.wmf", WmfBuilder().Placeable(40, 0))).isNull());
  // A bitmap header that says 0 pixels wide.
  QImage bitmap(3, 3, QImage::Format_RGB32);
  bitmap.fill(Qt::green);
  ASSERT_TRUE(bitmap.save(dir.filePath("zero.bmp"), "BMP"));
  QFile file(dir.filePath("zero.bmp"));
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  QByteArray bytes = file.readAll();
  bytes[18] = bytes[19] = bytes[20] = bytes[21] = 0;  // biWidth
  file.seek(0);
  file.write(bytes);
  file.close();
  EXPECT_TRUE(LoadBackgroundPicture(dir.filePath("zero.bmp")).isNull());
}

}  // namespace
