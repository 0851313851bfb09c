// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The animated picture control, on the shipped pictures and on pictures the
// tests write themselves. A fake clock stands in for the time a tick takes;
// nothing here waits for the real timer.
#include "controls/gif_image.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImageReader>
#include <QPaintEvent>
#include <algorithm>
#include <cstring>
#include <string>

#include "support/images.h"

namespace {

// Red, green, blue and white: colours 0 to 3 of every picture, the letters R G B W of Shows.
const std::vector<QRgb> kColours = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                                    qRgb(255, 255, 255)};

// Small GIF pictures written with giflib, so that the tests know every pixel,
// disposal and delay of what the control decodes.
struct GifFrameDescription {
  QRect area;                   // position and size in the logical screen
  std::vector<uint8_t> pixels;  // colour indices, row by row
  int disposal = 0;
  int delayCs = 10;  // hundredths of a second
};

struct GifDescription {
  QSize screen;
  std::vector<GifFrameDescription> frames;
};

GifFrameDescription SolidFrame(const QRect& area, uint8_t colour, int disposal = 0,
                               int delayCs = 10) {
  return {area, std::vector<uint8_t>(area.width() * area.height(), colour), disposal, delayCs};
}

int WriteToArray(GifFileType* gif, const GifByteType* bytes, int length) {
  static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
  return length;
}

QByteArray BuildGif(GifDescription picture) {
  QByteArray bytes;
  int error = 0;
  GifFileType* gif = EGifOpen(&bytes, WriteToArray, &error);
  EGifSetGifVersion(gif, true);
  GifColorType table[] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
  ColorMapObject* colours = GifMakeMapObject(4, table);
  EXPECT_EQ(EGifPutScreenDesc(gif, picture.screen.width(), picture.screen.height(), 8, 0, colours),
            GIF_OK);
  GifFreeMapObject(colours);
  for (GifFrameDescription& frame : picture.frames) {
    GraphicsControlBlock control{frame.disposal, false, frame.delayCs, NO_TRANSPARENT_COLOR};
    GifByteType extension[4];
    const int length = static_cast<int>(EGifGCBToExtension(&control, extension));
    EXPECT_EQ(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, length, extension), GIF_OK);
    const QRect& a = frame.area;
    EXPECT_EQ(EGifPutImageDesc(gif, a.x(), a.y(), a.width(), a.height(), false, nullptr), GIF_OK);
    for (int y = 0; y < a.height(); ++y)
      EXPECT_EQ(EGifPutLine(gif, frame.pixels.data() + y * a.width(), a.width()), GIF_OK);
  }
  EXPECT_EQ(EGifCloseFile(gif, &error), GIF_OK);
  return bytes;
}

QImage Transparent(QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// A 2x2 screen of `count` full frames, each of the next colour.
GifDescription FullFrames(int count, int delayCs = 10) {
  GifDescription picture{QSize(2, 2), {}};
  for (int i = 0; i < count; ++i)
    picture.frames.push_back(SolidFrame(QRect(0, 0, 2, 2), i % 4, 0, delayCs));
  return picture;
}

QImage Rendered(TGIFImage& gif) {
  QImage image = Transparent(gif.size());
  gif.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
  return image;
}

}  // namespace

class GifImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gif.SetClock([this] { return 1000 + (reads++ == 0 ? 0 : spent); });
  }
  void Load(const GifDescription& picture) { ASSERT_TRUE(gif.LoadData(BuildGif(picture))); }
  // Beats of the timer, the last of which took `spentMs` of work.
  void Tick(int count = 1, qint64 spentMs = 0) {
    for (int i = 0; i < count; ++i) {
      spent = i + 1 == count ? spentMs : 0;
      reads = 0;
      gif.Tick();
    }
  }
  // The picture on show as rows of letters separated by '/': R G B W, '.' for nothing.
  std::string Shows() const {
    const QImage image = gif.CurrentImage();
    std::string rows;
    for (int y = 0; y < image.height(); ++y) {
      rows += y > 0 ? "/" : "";
      for (int x = 0; x < image.width(); ++x) {
        const auto colour = std::find(kColours.begin(), kColours.end(), image.pixel(x, y));
        rows += colour != kColours.end()         ? "RGBW"[colour - kColours.begin()]
                : qAlpha(image.pixel(x, y)) == 0 ? '.'
                                                 : '?';
      }
    }
    return rows;
  }

  TGIFImage gif;
  qint64 spent = 0;
  int reads = 0;
};

// --- the shipped pictures ---------------------------------------------------

class ShippedGifTest : public GifImageTest, public ::testing::WithParamInterface<const char*> {};

// Between them they hold every disposal, transparent colours and interlaced frames.
TEST_P(ShippedGifTest, DecodesLikeQtsOwnReader) {
  const QString path = QString(":/gifs/%1.gif").arg(GetParam());
  ASSERT_TRUE(gif.LoadPicture(path));
  QImageReader reader(path);
  ASSERT_GT(reader.imageCount(), 1);
  EXPECT_EQ(gif.FrameCount(), reader.imageCount());
  // Qt reports a NETSCAPE2.0 count of 0 ("for ever") as -1.
  EXPECT_EQ(gif.LoopCount(), reader.loopCount() == -1 ? 0 : reader.loopCount());
  for (int frame = 1; frame <= gif.FrameCount(); ++frame) {
    const QImage expected = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(gif.FrameDelay(frame), reader.nextImageDelay()) << "frame " << frame;
    gif.SetCurrentFrame(frame);
    EXPECT_EQ(ImageDifference(gif.CurrentImage(), expected), "") << "frame " << frame;
  }
}

INSTANTIATE_TEST_SUITE_P(Pictures, ShippedGifTest,
                         ::testing::Values("deco1", "deco2", "deco3", "deco4", "intro1", "intro2",
                                           "intro3"),
                         [](const auto& info) { return std::string(info.param); });

// --- playing ----------------------------------------------------------------

struct TimingCase {
  const char* name;
  int delayCs, speed;
  qint64 spentMs;
  int atStart, afterTick;  // the intervals Animate starts with, and after a tick that took spentMs
};

class GifTimingTest : public GifImageTest, public ::testing::WithParamInterface<TimingCase> {};

TEST_P(GifTimingTest, IntervalFollowsDelaySpeedAndTimeSpent) {
  const TimingCase c = GetParam();
  Load(FullFrames(3, c.delayCs));
  gif.SetSpeed(c.speed);
  EXPECT_FALSE(gif.TimerRunning()) << "a speed alone starts nothing";
  gif.SetAnimate(true);
  EXPECT_EQ(gif.TimerInterval(), c.atStart);
  Tick(2, c.spentMs);
  EXPECT_EQ(gif.CurrentFrame(), 2);
  EXPECT_EQ(gif.TimerInterval(), c.afterTick);
}

INSTANTIATE_TEST_SUITE_P(Table, GifTimingTest,
                         ::testing::Values(TimingCase{"QuarterSpeed", 10, 25, 0, 400, 400},
                                           TimingCase{"RaisedTo50ms", 4, 100, 0, 50, 50},
                                           TimingCase{"IntegerDivision", 10, 30, 0, 333, 333},
                                           TimingCase{"LessTheWork", 10, 100, 30, 100, 70},
                                           TimingCase{"AtLeast1ms", 10, 100, 100, 100, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

struct WrapCase {
  const char* name;
  int lastDisposal;
  const char* afterWrap;
};

class GifWrapTest : public GifImageTest, public ::testing::WithParamInterface<WrapCase> {};

// Red top-left, green over all, blue bottom-right; then red again over what the
// blue frame's disposal left. Stopped, it shows the first frame as loaded, and plays
// from there when started again.
TEST_P(GifWrapTest, FirstFrameComesBackOverTheDisposedLastFrameAndAfterAStop) {
  GifDescription picture{QSize(4, 4), {}};
  picture.frames.push_back(SolidFrame(QRect(0, 0, 2, 2), 0));
  picture.frames.push_back(SolidFrame(QRect(0, 0, 4, 4), 1));
  picture.frames.push_back(SolidFrame(QRect(2, 2, 2, 2), 2, GetParam().lastDisposal));
  Load(picture);
  EXPECT_EQ(Shows(), "RR../RR../..../....");
  gif.SetLoop(true);
  gif.SetAnimate(true);
  Tick(3);
  ASSERT_EQ(Shows(), "GGGG/GGGG/GGBB/GGBB");
  Tick();
  EXPECT_EQ(gif.CurrentFrame(), 1);
  EXPECT_EQ(Shows(), GetParam().afterWrap);
  Tick();
  gif.SetAnimate(false);
  EXPECT_FALSE(gif.TimerRunning());
  EXPECT_EQ(Shows(), "RR../RR../..../....");
  gif.SetAnimate(true);
  Tick(2);
  EXPECT_EQ(Shows(), "GGGG/GGGG/GGGG/GGGG");
}

INSTANTIATE_TEST_SUITE_P(Table, GifWrapTest,
                         ::testing::Values(WrapCase{"Keep", 1, "RRGG/RRGG/GGBB/GGBB"},
                                           WrapCase{"RestoreBackground", 2, "RRGG/RRGG/GG../GG.."},
                                           WrapCase{"RestorePrevious", 3, "RRGG/RRGG/GGGG/GGGG"}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- pictures that cannot be decoded ----------------------------------------

TEST_F(GifImageTest, UndecodablePicturesShowNothing) {
  const QByteArray good = BuildGif(FullFrames(3));
  // Twenty-nine bytes that declare a 40000 x 28000 frame in a 1 x 1 screen.
  const QByteArray greedy =
      QByteArray::fromHex("474946383961010001000000002c00000000409c606d0002024c01003b");
  GifDescription outside = FullFrames(1);
  outside.frames.push_back(SolidFrame(QRect(1, 0, 2, 2), 1));  // reaches past the screen
  const GifDescription tooWide{QSize(10000, 1), {SolidFrame(QRect(0, 0, 1, 1), 0)}};
  const QByteArray pictures[] = {
      QByteArray(),      QByteArray("not a picture"), good.left(good.size() / 2), greedy,
      BuildGif(outside), BuildGif(FullFrames(0)),     BuildGif(tooWide)};
  gif.resize(4, 4);
  for (const QByteArray& picture : pictures) {
    ASSERT_TRUE(gif.LoadData(good));
    EXPECT_FALSE(gif.LoadData(picture)) << picture.size() << " bytes";
    EXPECT_EQ(gif.FrameCount(), 0);
    gif.SetAnimate(true);
    EXPECT_FALSE(gif.TimerRunning());
    Tick();
    gif.SetAnimate(false);
    EXPECT_EQ(ImageDifference(Rendered(gif), Transparent(QSize(4, 4))), "");
  }
  EXPECT_FALSE(gif.LoadPicture(":/gifs/no-such-picture.gif"));
}

// --- placing the picture in the control -------------------------------------

struct PlacementCase {
  const char* name;
  const char* options;  // s stretch, t tile, o opaque
  enum { AtSize, Scaled, Tiled } shown;
};

class GifPlacementTest : public GifImageTest,
                         public ::testing::WithParamInterface<PlacementCase> {};

// A 4x2 picture whose pixels all differ, R G B W over W B G R, in a 10x6 control.
TEST_P(GifPlacementTest, PlacesThePictureInTheControl) {
  const PlacementCase c = GetParam();
  const auto has = [&](char option) { return std::strchr(c.options, option) != nullptr; };
  GifFrameDescription frame = SolidFrame(QRect(0, 0, 4, 2), 0);
  frame.pixels = {0, 1, 2, 3, 3, 2, 1, 0};
  Load(GifDescription{QSize(4, 2), {frame}});
  const QImage picture = gif.CurrentImage();
  gif.resize(10, 6);
  gif.SetStretch(has('s'));
  gif.SetTile(has('t'));
  gif.SetOpaque(has('o'));
  gif.SetColor(Qt::magenta);
  const QImage shown = Rendered(gif);
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      QRgb expected = has('o') ? QColor(Qt::magenta).rgb() : 0u;
      if (c.shown == PlacementCase::Tiled)
        expected = picture.pixel(x % 4, y % 2);
      else if (c.shown == PlacementCase::AtSize && x < 4 && y < 2)
        expected = picture.pixel(x, y);
      else if (c.shown == PlacementCase::Scaled)  // smoothed: only that it is covered
        expected = qAlpha(shown.pixel(x, y)) == 255 ? shown.pixel(x, y) : ~0u;
      ASSERT_EQ(shown.pixel(x, y), expected) << "at " << x << ", " << y;
    }
  }
}

using P = PlacementCase;
INSTANTIATE_TEST_SUITE_P(Table, GifPlacementTest,
                         ::testing::Values(P{"TopLeft", "", P::AtSize},
                                           P{"OpaqueFillsTheRest", "o", P::AtSize},
                                           P{"Stretch", "s", P::Scaled}, P{"Tile", "t", P::Tiled}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GifImageTest, AutoSizeTakesThePicturesSizeAndKeepsThePosition) {
  gif.setGeometry(5, 7, 50, 40);
  Load(FullFrames(2));
  EXPECT_EQ(gif.size(), QSize(50, 40));
  gif.SetAutoSize(true);
  EXPECT_EQ(gif.geometry(), QRect(5, 7, 2, 2));
  GifDescription wide = FullFrames(1);
  wide.screen = QSize(6, 3);
  Load(wide);
  EXPECT_EQ(gif.geometry(), QRect(5, 7, 6, 3));
}

// A tick repaints where the frame changed the picture, and nothing when it changed nothing.
TEST_F(GifImageTest, ATickRepaintsOnlyWhatTheFrameChanged) {
  GifDescription picture = FullFrames(1);
  picture.screen = QSize(4, 4);
  picture.frames[0] = SolidFrame(QRect(0, 0, 4, 4), 0);
  picture.frames.push_back(SolidFrame(QRect(1, 2, 1, 1), 1));
  picture.frames.push_back(SolidFrame(QRect(1, 2, 1, 1), 1));  // the same again
  std::vector<QRect> painted;
  struct PaintLog : QObject {
    std::vector<QRect>* painted;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint)
        painted->push_back(static_cast<QPaintEvent*>(event)->rect());
      return false;
    }
  } log;
  log.painted = &painted;
  gif.installEventFilter(&log);
  gif.SetSpeed(1);  // the real timer stays out of the way
  gif.SetAnimate(true);
  gif.SetLoop(true);
  Load(picture);
  for (const auto& [size, stretch, expected] :
       {std::tuple{QSize(4, 4), false, QRect(1, 2, 1, 1)},
        std::tuple{QSize(8, 8), true, QRect(1, 3, 4, 4)}}) {  // scaled, and a pixel round it
    gif.SetCurrentFrame(1);
    gif.resize(size);
    gif.SetStretch(stretch);
    gif.show();
    Tick();  // frame 1 is already on show
    QCoreApplication::processEvents();
    painted.clear();
    Tick();  // frame 2
    QCoreApplication::processEvents();
    Tick();  // frame 3: nothing new
    QCoreApplication::processEvents();
    EXPECT_EQ(painted, std::vector<QRect>{expected}) << size.width();
  }
}
