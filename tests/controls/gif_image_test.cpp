// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The animated picture control, on the shipped decorations and on pictures the
// tests write themselves. A fake clock stands in for the time a tick takes;
// nothing here waits for the real timer.
#include "controls/gif_image.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QSignalSpy>
#include <cstring>
#include <string>

#include "controls/gif_decoder.h"
#include "gif_builder.h"
#include "support/images.h"

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kWhite = qRgb(255, 255, 255);
const std::vector<QRgb> kColours = {kRed, kGreen, kBlue, kWhite};

QImage Transparent(QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// A picture drawn as rows of letters: R G B W for the colours, '.' for nothing.
QImage FromRows(const std::string& rows) {
  const int width =
      static_cast<int>(rows.find('/') == std::string::npos ? rows.size() : rows.find('/'));
  const int height = static_cast<int>((rows.size() + 1) / (width + 1));
  QImage image = Transparent(QSize(width, height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::string letters = "RGBW";
      const size_t colour = letters.find(rows[y * (width + 1) + x]);
      if (colour != std::string::npos)
        image.setPixel(x, y, kColours[colour]);
    }
  }
  return image;
}

// A screen of `count` full frames with the given delay, each of another colour.
GifDescription FullFrames(int count, int delayCs = 10, std::optional<int> loops = std::nullopt) {
  GifDescription picture{QSize(2, 2), kColours, loops, {}};
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
  // One beat of the timer that took `spentMs` of work.
  void Tick(qint64 spentMs = 0) {
    spent = spentMs;
    reads = 0;
    gif.Tick();
  }
  void Ticks(int count) {
    for (int i = 0; i < count; ++i)
      Tick();
  }

  TGIFImage gif;
  qint64 spent = 0;
  int reads = 0;
};

// --- the shipped decorations ------------------------------------------------

class ShippedGifTest : public GifImageTest, public ::testing::WithParamInterface<int> {
 protected:
  QString Path() const { return QString(":/gifs/deco%1.gif").arg(GetParam()); }
};

TEST_P(ShippedGifTest, DecodesLikeQtsOwnReader) {
  ASSERT_TRUE(gif.LoadPicture(Path()));
  QImageReader reader(Path());
  ASSERT_GT(reader.imageCount(), 1);
  EXPECT_EQ(gif.FrameCount(), reader.imageCount());
  EXPECT_EQ(gif.CurrentImage().size(), reader.size());
  // Qt reports a NETSCAPE2.0 count of 0 ("for ever") as -1.
  EXPECT_EQ(gif.LoopCount(), reader.loopCount() == -1 ? 0 : reader.loopCount());
  for (int frame = 1; frame <= gif.FrameCount(); ++frame) {
    const QImage expected = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(gif.FrameDelay(frame), reader.nextImageDelay()) << "frame " << frame;
    gif.SetCurrentFrame(frame);
    EXPECT_EQ(ImageDifference(gif.CurrentImage(), expected), "") << "frame " << frame;
  }
}

INSTANTIATE_TEST_SUITE_P(Decorations, ShippedGifTest, ::testing::Values(1, 2, 3, 4),
                         [](const auto& info) { return "deco" + std::to_string(info.param); });

// --- timing -----------------------------------------------------------------

struct TimingCase {
  int delayCs;
  int speed;
  qint64 spentMs;
  int atStart;    // the interval Animate starts the timer with
  int afterTick;  // the interval after a tick that took spentMs
};

class GifTimingTest : public GifImageTest, public ::testing::WithParamInterface<TimingCase> {};

TEST_P(GifTimingTest, IntervalFollowsDelaySpeedAndTimeSpent) {
  const TimingCase c = GetParam();
  Load(FullFrames(3, c.delayCs));
  gif.SetSpeed(c.speed);
  gif.SetAnimate(true);
  EXPECT_EQ(gif.TimerInterval(), c.atStart);
  Tick();
  Tick(c.spentMs);
  EXPECT_EQ(gif.CurrentFrame(), 2);
  EXPECT_EQ(gif.TimerInterval(), c.afterTick);
}

INSTANTIATE_TEST_SUITE_P(Table, GifTimingTest,
                         ::testing::Values(TimingCase{10, 25, 0, 400, 400},  // 100 ms at 25 %
                                           TimingCase{0, 100, 0, 50, 50},    // raised to 50 ms
                                           TimingCase{4, 100, 0, 50, 50},
                                           TimingCase{6, 100, 0, 60, 60},
                                           TimingCase{10, 30, 0, 333, 333},     // integer division
                                           TimingCase{10, 0, 0, 10000, 10000},  // speed 0 is 1
                                           TimingCase{10, -7, 0, 10000, 10000},
                                           TimingCase{10, 100, 30, 100, 70},  // less the work
                                           TimingCase{10, 100, 98, 100, 2},
                                           TimingCase{10, 100, 100, 100, 1},  // at least 1 ms
                                           TimingCase{6, 100, 500, 60, 1}),
                         [](const auto& info) {
                           const TimingCase& c = info.param;
                           return "Delay" + std::to_string(c.delayCs) + "Speed" +
                                  (c.speed < 0 ? "Minus" + std::to_string(-c.speed)
                                               : std::to_string(c.speed)) +
                                  "Spent" + std::to_string(c.spentMs);
                         });

TEST_F(GifImageTest, ChangingSpeedBringsTheNextFrameAtOnceButStartsNothing) {
  Load(FullFrames(3, 10));
  gif.SetSpeed(50);
  EXPECT_FALSE(gif.TimerRunning());
  gif.SetSpeed(100);
  gif.SetAnimate(true);
  Tick();
  gif.SetSpeed(50);
  EXPECT_EQ(gif.TimerInterval(), 1);
  EXPECT_EQ(gif.CurrentFrame(), 1);
  Tick();
  EXPECT_EQ(gif.CurrentFrame(), 2);
  EXPECT_EQ(gif.TimerInterval(), 200);
}

// --- passes and loops -------------------------------------------------------

struct LoopCase {
  const char* name;
  std::optional<int> loopExtension;
  bool loop;
  int passes;  // passes played before the animation stops; 0 = without end
};

class GifLoopTest : public GifImageTest, public ::testing::WithParamInterface<LoopCase> {};

TEST_P(GifLoopTest, StopsAfterTheLoopCountUnlessLooping) {
  const LoopCase c = GetParam();
  Load(FullFrames(3, 10, c.loopExtension));
  EXPECT_EQ(gif.LoopCount(), c.loopExtension.value_or(1));
  QSignalSpy wraps(&gif, &TGIFImage::OnWrapAnimation);
  gif.SetLoop(c.loop);
  gif.SetAnimate(true);
  const int maxTicks = 3 * 8;
  int ticks = 0;
  while (gif.TimerRunning() && ticks < maxTicks) {
    Tick();
    ++ticks;
  }
  if (c.passes == 0) {
    EXPECT_TRUE(gif.TimerRunning());
    EXPECT_EQ(wraps.count(), 8);
  } else {
    EXPECT_FALSE(gif.TimerRunning());
    EXPECT_EQ(ticks, 3 * c.passes);
    EXPECT_EQ(wraps.count(), c.passes);
    // The last frame stays on show, and a stray tick changes nothing.
    EXPECT_EQ(gif.CurrentFrame(), 3);
    Tick();
    EXPECT_EQ(gif.CurrentFrame(), 3);
    EXPECT_EQ(ImageDifference(gif.CurrentImage(), FromRows("BB/BB")), "");
  }
}

INSTANTIATE_TEST_SUITE_P(Table, GifLoopTest,
                         ::testing::Values(LoopCase{"NoExtensionPlaysOnce", std::nullopt, false, 1},
                                           LoopCase{"NoExtensionLooping", std::nullopt, true, 0},
                                           LoopCase{"CountZeroLoopsEvenWithLoopOff", 0, false, 0},
                                           LoopCase{"CountTwo", 2, false, 2},
                                           LoopCase{"CountThree", 3, false, 3},
                                           LoopCase{"CountTwoLooping", 2, true, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GifImageTest, LoopOnRestartsAFinishedAnimationOnlyWhileAnimateIsOn) {
  Load(FullFrames(3, 10));
  gif.SetAnimate(true);
  Ticks(3);
  ASSERT_FALSE(gif.TimerRunning());
  gif.SetAnimate(false);
  gif.SetLoop(true);
  EXPECT_FALSE(gif.TimerRunning());
  gif.SetLoop(false);
  gif.SetAnimate(true);
  Ticks(3);
  ASSERT_FALSE(gif.TimerRunning()) << "the second run ends too";
  gif.SetLoop(true);
  EXPECT_TRUE(gif.TimerRunning());
  Tick();
  EXPECT_EQ(gif.CurrentFrame(), 1);
  EXPECT_EQ(ImageDifference(gif.CurrentImage(), FromRows("RR/RR")), "");
  Tick();
  EXPECT_EQ(gif.CurrentFrame(), 2);
}

TEST_F(GifImageTest, StoppingShowsTheFirstFrameAtOnce) {
  Load(FullFrames(6, 10));
  gif.SetAnimate(true);
  Ticks(5);
  ASSERT_EQ(gif.CurrentFrame(), 5);
  ASSERT_EQ(ImageDifference(gif.CurrentImage(), FromRows("RR/RR")), "");  // frame 5: colour 4 % 4
  gif.SetCurrentFrame(4);
  ASSERT_EQ(ImageDifference(gif.CurrentImage(), FromRows("WW/WW")), "");
  gif.SetAnimate(false);
  EXPECT_FALSE(gif.TimerRunning());
  EXPECT_EQ(gif.CurrentFrame(), 1);
  EXPECT_EQ(ImageDifference(gif.CurrentImage(), FromRows("RR/RR")), "");
  // Started again, it plays from the first frame.
  gif.SetAnimate(true);
  Ticks(2);
  EXPECT_EQ(gif.CurrentFrame(), 2);
  EXPECT_EQ(ImageDifference(gif.CurrentImage(), FromRows("GG/GG")), "");
}

TEST_F(GifImageTest, KeepsTheFirst256FramesOfALongerPicture) {
  GifDescription picture{QSize(1, 1), kColours, std::nullopt, {}};
  for (int i = 0; i < 300; ++i)
    picture.frames.push_back(SolidFrame(QRect(0, 0, 1, 1), i < 255 ? 1 : (i == 255 ? 2 : 0)));
  Load(picture);
  EXPECT_EQ(gif.FrameCount(), 256);
  QSignalSpy wraps(&gif, &TGIFImage::OnWrapAnimation);
  gif.SetLoop(true);
  gif.SetAnimate(true);
  Ticks(256);
  EXPECT_EQ(gif.CurrentImage().pixel(0, 0), kBlue);
  EXPECT_EQ(wraps.count(), 1);
  Tick();
  EXPECT_EQ(gif.CurrentFrame(), 1);
  EXPECT_EQ(gif.CurrentImage().pixel(0, 0), kGreen);
}

TEST_F(GifImageTest, FirstImageOnlyKeepsThePictureStill) {
  Load(FullFrames(3));
  gif.SetFirstImageOnly(true);
  gif.SetAnimate(true);
  EXPECT_FALSE(gif.TimerRunning());
  gif.SetFirstImageOnly(false);
  EXPECT_TRUE(gif.TimerRunning());
  Ticks(2);
  EXPECT_EQ(gif.CurrentFrame(), 2);
  gif.SetFirstImageOnly(true);
  EXPECT_FALSE(gif.TimerRunning());
  EXPECT_EQ(gif.CurrentFrame(), 1);
}

// --- composition ------------------------------------------------------------

struct DisposalCase {
  const char* name;
  int firstDisposal;
  int secondDisposal;
  const char* afterThird;
};

class GifDisposalTest : public GifImageTest, public ::testing::WithParamInterface<DisposalCase> {};

// Red over the screen, then a green square at (1, 1) whose top-left pixel is
// transparent, then a blue column on the right.
TEST_P(GifDisposalTest, ComposesWithThePreviousFramesDisposal) {
  const DisposalCase c = GetParam();
  GifDescription picture{QSize(4, 4), kColours, std::nullopt, {}};
  picture.frames.push_back(SolidFrame(QRect(0, 0, 4, 4), 0, c.firstDisposal));
  GifFrameDescription square = SolidFrame(QRect(1, 1, 2, 2), 1, c.secondDisposal);
  square.pixels[0] = 3;
  square.transparent = 3;
  picture.frames.push_back(square);
  picture.frames.push_back(SolidFrame(QRect(3, 0, 1, 4), 2));
  Load(picture);
  gif.SetAnimate(true);
  Ticks(3);
  EXPECT_EQ(ImageDifference(gif.CurrentImage(), FromRows(c.afterThird)), "");
  // Composing straight to the third frame gives the same picture.
  gif.SetAnimate(false);
  gif.SetCurrentFrame(3);
  EXPECT_EQ(ImageDifference(gif.CurrentImage(), FromRows(c.afterThird)), "");
}

INSTANTIATE_TEST_SUITE_P(
    Table, GifDisposalTest,
    ::testing::Values(DisposalCase{"Unspecified", 0, 0, "RRRB/RRGB/RGGB/RRRB"},
                      DisposalCase{"Keep", 0, 1, "RRRB/RRGB/RGGB/RRRB"},
                      DisposalCase{"RestoreBackground", 0, 2, "RRRB/R..B/R..B/RRRB"},
                      DisposalCase{"RestorePrevious", 0, 3, "RRRB/RRRB/RRRB/RRRB"},
                      DisposalCase{"FirstRestoresToNothing", 3, 0, "...B/..GB/.GGB/...B"},
                      DisposalCase{"FirstClearsItsArea", 2, 1, "...B/..GB/.GGB/...B"}),
    [](const auto& info) { return std::string(info.param.name); });

struct WrapCase {
  const char* name;
  int lastDisposal;
  const char* afterWrap;
};

class GifWrapTest : public GifImageTest, public ::testing::WithParamInterface<WrapCase> {};

// The first frame comes again over what the last one left after its disposal.
TEST_P(GifWrapTest, FirstFrameComesBackOverTheDisposedLastFrame) {
  GifDescription picture{QSize(4, 4), kColours, std::nullopt, {}};
  picture.frames.push_back(SolidFrame(QRect(0, 0, 2, 2), 0));
  picture.frames.push_back(SolidFrame(QRect(0, 0, 4, 4), 1));
  picture.frames.push_back(SolidFrame(QRect(2, 2, 2, 2), 2, GetParam().lastDisposal));
  Load(picture);
  EXPECT_EQ(ImageDifference(gif.CurrentImage(), FromRows("RR../RR../..../....")), "");
  gif.SetLoop(true);
  gif.SetAnimate(true);
  Ticks(3);
  ASSERT_EQ(ImageDifference(gif.CurrentImage(), FromRows("GGGG/GGGG/GGBB/GGBB")), "");
  Tick();
  EXPECT_EQ(gif.CurrentFrame(), 1);
  EXPECT_EQ(ImageDifference(gif.CurrentImage(), FromRows(GetParam().afterWrap)), "");
}

INSTANTIATE_TEST_SUITE_P(Table, GifWrapTest,
                         ::testing::Values(WrapCase{"Keep", 1, "RRGG/RRGG/GGBB/GGBB"},
                                           WrapCase{"RestoreBackground", 2, "RRGG/RRGG/GG../GG.."},
                                           WrapCase{"RestorePrevious", 3, "RRGG/RRGG/GGGG/GGGG"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GifImageTest, LocalColourTableAndTransparentIndex) {
  GifDescription picture{QSize(2, 2), kColours, std::nullopt, {SolidFrame(QRect(0, 0, 2, 2), 0)}};
  GifFrameDescription local;
  local.area = QRect(0, 0, 2, 2);
  local.pixels = {0, 1, 1, 2};
  local.localColours = {kWhite, kGreen, kBlue};
  local.transparent = 1;
  picture.frames.push_back(local);
  Load(picture);
  gif.SetAnimate(true);
  Ticks(2);
  EXPECT_EQ(ImageDifference(gif.CurrentImage(), FromRows("WR/RB")), "");
}

// A frame must lie inside the logical screen: one that reaches past it is a
// damaged picture, and is refused before its pixels are read.
TEST_F(GifImageTest, FramesReachingPastTheScreenAreRefused) {
  for (const QRect& outside :
       {QRect(2, 1, 4, 2), QRect(1, 2, 2, 3), QRect(10, 10, 3, 3), QRect(0, 0, 5, 5)}) {
    SCOPED_TRACE(outside.x() * 1000 + outside.y() * 100 + outside.width() * 10 + outside.height());
    GifDescription picture{QSize(4, 4), kColours, std::nullopt, {SolidFrame(QRect(0, 0, 4, 4), 0)}};
    picture.frames.push_back(SolidFrame(outside, 1));
    EXPECT_FALSE(gif.LoadData(BuildGif(picture)));
    EXPECT_EQ(gif.FrameCount(), 0);
    picture.frames.back() = SolidFrame(QRect(2, 1, 2, 3), 1);  // the same frame inside is fine
    EXPECT_TRUE(gif.LoadData(BuildGif(picture)));
  }
}

namespace {

// Twenty-nine bytes that declare a 40000 x 28000 frame in a 1 x 1 screen.
const QByteArray kGreedyGif =
    QByteArray::fromHex("474946383961010001000000002c00000000409c606d0002024c01003b");

// The address space the process reserved at its peak, in KiB.
qint64 PeakKiB(const char* field) {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly))
    return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith(field))
      return line.mid(qstrlen(field)).trimmed().split(' ').first().toLongLong();
  }
  return -1;
}

}  // namespace

TEST_F(GifImageTest, AGreedyPictureIsRefusedAtOnceWithoutAskingForMemory) {
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(gif.LoadData(kGreedyGif));
  EXPECT_LT(clock.nsecsElapsed(), 10'000'000);
  EXPECT_EQ(gif.FrameCount(), 0);

  // A child process starts with its peak at its present size, so its peak
  // after decoding tells how much the decoding asked for.
  const pid_t child = fork();
  if (child == 0) {
    const qint64 before = PeakKiB("VmSize:");
    const bool decoded = DecodeGif(kGreedyGif).has_value();
    const qint64 grown = PeakKiB("VmPeak:") - before;
    _exit(decoded || before < 0 ? 101 : std::min<qint64>(grown / 1024, 100));
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_LT(WEXITSTATUS(status), 10) << "MiB asked for; 101: decoded or unmeasured";
}

// The sizes the decoder accepts, on small limits: the screen and every frame
// count against the pixel budget, and frames past the frame limit are skipped.
TEST(GifDecoderLimits, PixelBudgetCountsTheScreenAndEveryKeptFrame) {
  GifDescription picture{QSize(4, 4), kColours, std::nullopt, {}};
  for (int i = 0; i < 3; ++i)
    picture.frames.push_back(SolidFrame(QRect(0, 0, 4, 4), i));
  const QByteArray bytes = BuildGif(picture);
  EXPECT_TRUE(DecodeGif(bytes, GifLimits{3, 4, 64})) << "exactly at the budget";
  EXPECT_FALSE(DecodeGif(bytes, GifLimits{3, 4, 63})) << "one pixel past it";
  // A frame past the frame limit is skipped, and costs nothing.
  const auto decoded = DecodeGif(bytes, GifLimits{2, 4, 48});
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->frames.size(), 2u);
  EXPECT_FALSE(DecodeGif(bytes, GifLimits{3, 3, 1000})) << "a screen past the side limit";
}

class GifInterlaceTest : public GifImageTest,
                         public ::testing::WithParamInterface<std::tuple<bool, int>> {};

// Each row has its own colour, so rows put back in the wrong order show.
TEST_P(GifInterlaceTest, RowsComeOutInTheirPlace) {
  const auto [interlaced, height] = GetParam();
  std::vector<QRgb> shades;
  for (int i = 0; i < 16; ++i)
    shades.push_back(qRgb(i * 16, 255 - i * 16, 40));
  GifFrameDescription frame;
  frame.area = QRect(0, 0, 3, height);
  frame.interlaced = interlaced;
  for (int y = 0; y < height; ++y)
    frame.pixels.insert(frame.pixels.end(), 3, static_cast<uint8_t>(y));
  Load(GifDescription{QSize(3, height), shades, std::nullopt, {frame}});
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(gif.CurrentImage().pixel(x, y), shades[y]) << "row " << y;
  }
}

INSTANTIATE_TEST_SUITE_P(Table, GifInterlaceTest,
                         ::testing::Combine(::testing::Bool(), ::testing::Values(16, 5, 1)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param) ? "Interlaced" : "Plain") +
                                  std::to_string(std::get<1>(info.param)) + "Rows";
                         });

// --- pictures that cannot be decoded ----------------------------------------

TEST_F(GifImageTest, UndecodablePicturesShowNothing) {
  const QByteArray good = BuildGif(FullFrames(3));
  const QByteArray pictures[] = {QByteArray(),
                                 QByteArray("GIF89a"),
                                 QByteArray("not a picture"),
                                 good.left(good.size() / 2),
                                 kGreedyGif,
                                 BuildGif(GifDescription{QSize(2, 2), kColours, std::nullopt, {}})};
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
  EXPECT_EQ(gif.FrameCount(), 0);
}

// A one-frame picture never starts the timer; a longer one loaded while animating starts.
TEST_F(GifImageTest, LoadingWhileAnimatingStartsOnlyAnAnimatedPicture) {
  gif.SetAnimate(true);
  Load(FullFrames(1));
  EXPECT_FALSE(gif.TimerRunning());
  Tick();
  EXPECT_EQ(ImageDifference(gif.CurrentImage(), FromRows("RR/RR")), "");
  Load(FullFrames(3, 20));
  EXPECT_TRUE(gif.TimerRunning());
  EXPECT_EQ(gif.TimerInterval(), 200);
  EXPECT_EQ(gif.CurrentFrame(), 1);
}

// --- placing the picture in the control -------------------------------------

struct PlacementCase {
  const char* name;
  QSize control;
  const char* options;  // s stretch, r ratio, b big only, t tile, c center, o opaque
  enum { AtSize, Scaled, Tiled } shown;
  QRect area;  // where the picture lands
};

class GifPlacementTest : public GifImageTest,
                         public ::testing::WithParamInterface<PlacementCase> {};

// A 4x2 picture whose pixels all differ: R G B W over W B G R.
TEST_P(GifPlacementTest, PlacesThePictureInTheControl) {
  const PlacementCase c = GetParam();
  const auto has = [&](char option) { return std::strchr(c.options, option) != nullptr; };
  GifFrameDescription frame;
  frame.area = QRect(0, 0, 4, 2);
  frame.pixels = {0, 1, 2, 3, 3, 2, 1, 0};
  Load(GifDescription{QSize(4, 2), kColours, std::nullopt, {frame}});
  const QImage picture = gif.CurrentImage();
  gif.resize(c.control);
  gif.SetStretch(has('s'));
  gif.SetStretchRatio(has('r'));
  gif.SetStretchBigOnly(has('b'));
  gif.SetTile(has('t'));
  gif.SetCenter(has('c'));
  gif.SetOpaque(has('o'));
  gif.SetColor(Qt::magenta);
  const QImage shown = Rendered(gif);
  const QRgb behind = has('o') ? QColor(Qt::magenta).rgb() : 0u;
  const bool scaled = c.shown == PlacementCase::Scaled;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      const QPoint at(x, y);
      QRgb expected = behind;
      if (c.shown == PlacementCase::Tiled)
        expected = picture.pixel(x % 4, y % 2);
      else if (c.area.contains(at) && !scaled)
        expected = picture.pixel(at - c.area.topLeft());
      else if (c.area.contains(at))
        continue;  // smoothed: only its extent is checked below
      ASSERT_EQ(shown.pixel(at), expected) << "at " << x << ", " << y;
    }
  }
  if (scaled) {
    const QRect inside = c.area.adjusted(1, 1, -1, -1);
    for (QPoint at : {inside.topLeft(), inside.bottomRight(), inside.center()})
      EXPECT_EQ(qAlpha(shown.pixel(at)), 255) << "at " << at.x() << ", " << at.y();
  }
}

using P = PlacementCase;
INSTANTIATE_TEST_SUITE_P(
    Table, GifPlacementTest,
    ::testing::Values(P{"TopLeft", {10, 6}, "", P::AtSize, {0, 0, 4, 2}},
                      P{"OpaqueFillsTheRest", {10, 6}, "o", P::AtSize, {0, 0, 4, 2}},
                      P{"Stretch", {10, 6}, "so", P::Scaled, {0, 0, 10, 6}},
                      P{"StretchBeatsCenter", {10, 6}, "sc", P::Scaled, {0, 0, 10, 6}},
                      P{"StretchBeatsRatio", {10, 6}, "sr", P::Scaled, {0, 0, 10, 6}},
                      P{"RatioFillsTheWidth", {12, 12}, "ro", P::Scaled, {0, 0, 12, 6}},
                      P{"RatioFillsTheHeight", {20, 4}, "r", P::Scaled, {0, 0, 8, 4}},
                      P{"BigOnlyLeavesASmallPicture", {10, 6}, "sb", P::AtSize, {0, 0, 4, 2}},
                      P{"BigOnlyShrinksABigPicture", {3, 6}, "sb", P::Scaled, {0, 0, 3, 6}},
                      P{"SameSizeIsNotScaled", {4, 2}, "s", P::AtSize, {0, 0, 4, 2}},
                      P{"Tile", {9, 5}, "to", P::Tiled, {0, 0, 9, 5}},
                      P{"StretchBeatsTile", {9, 5}, "st", P::Scaled, {0, 0, 9, 5}},
                      P{"TileBeatsCenter", {9, 5}, "tc", P::Tiled, {0, 0, 9, 5}},
                      P{"CenterRoundsTowardTopLeft", {9, 5}, "co", P::AtSize, {2, 1, 4, 2}},
                      P{"CenterOfABiggerPicture", {3, 1}, "c", P::AtSize, {-1, -1, 4, 2}}),
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
