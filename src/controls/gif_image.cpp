#include "controls/gif_image.h"

#include <gif_lib.h>

#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace {

constexpr int kMaxFrames = 256;
// A larger logical screen is refused rather than risking a huge allocation.
constexpr int kMaxScreenSide = 8192;
constexpr int kMinDelayMs = 50;

struct MemoryReader {
  const QByteArray* data;
  qsizetype position;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int length) {
  auto* reader = static_cast<MemoryReader*>(gif->UserData);
  const qsizetype available = reader->data->size() - reader->position;
  const int count = static_cast<int>(std::min<qsizetype>(length, available));
  std::memcpy(buffer, reader->data->constData() + reader->position, count);
  reader->position += count;
  return count;
}

// Loop count of a NETSCAPE2.0 block among `blocks`, or -1.
int NetscapeLoopCount(const ExtensionBlock* blocks, int count) {
  for (int i = 0; i + 1 < count; ++i) {
    const ExtensionBlock& block = blocks[i];
    const ExtensionBlock& next = blocks[i + 1];
    if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
        std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0 && next.ByteCount >= 3) {
      return next.Bytes[1] | (next.Bytes[2] << 8);
    }
  }
  return -1;
}

int PictureLoopCount(const GifFileType& gif, int frames) {
  for (int i = 0; i < frames; ++i) {
    const SavedImage& image = gif.SavedImages[i];
    if (const int loops = NetscapeLoopCount(image.ExtensionBlocks, image.ExtensionBlockCount);
        loops >= 0) {
      return loops;
    }
  }
  const int trailing = NetscapeLoopCount(gif.ExtensionBlocks, gif.ExtensionBlockCount);
  return trailing >= 0 ? trailing : 1;
}

// The pixels of one frame that fall inside the logical screen, kept as colour indices (a quarter
// of the memory of 32-bit pixels); in the colour table, the transparent index and indices outside
// the picture's colours are see-through, every other colour is opaque.
QImage FramePixels(const GifFileType& gif, int index, const QRect& visible, int transparent) {
  const SavedImage& saved = gif.SavedImages[index];
  const GifImageDesc& desc = saved.ImageDesc;
  const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif.SColorMap;
  QImage image(visible.size(), QImage::Format_Indexed8);
  QList<QRgb> colours(256, qRgba(0, 0, 0, 0));
  const int known = map ? std::min(map->ColorCount, 256) : 0;
  for (int colour = 0; colour < known; ++colour) {
    if (colour == transparent)
      continue;
    const GifColorType& c = map->Colors[colour];
    colours[colour] = qRgb(c.Red, c.Green, c.Blue);
  }
  image.setColorTable(colours);
  for (int y = 0; y < visible.height(); ++y) {
    const GifByteType* source = saved.RasterBits + (visible.top() + y - desc.Top) * desc.Width +
                                (visible.left() - desc.Left);
    std::memcpy(image.scanLine(y), source, visible.width());
  }
  return image;
}

// Integer half that rounds toward the top-left, also for negative remainders.
int FloorHalf(int value) {
  return value >= 0 ? value / 2 : -((1 - value) / 2);
}

}  // namespace

TGIFImage::TGIFImage(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  QElapsedTimer started;
  started.start();
  clock_ = [started] { return started.elapsed(); };
  connect(&timer_, &QTimer::timeout, this, &TGIFImage::Tick);
}

bool TGIFImage::LoadPicture(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return LoadData(QByteArray());
  return LoadData(file.readAll());
}

bool TGIFImage::LoadData(const QByteArray& data) {
  timer_.stop();
  frames_.clear();
  canvas_ = previous_ = QImage();
  shown_ = -1;
  frame_ = passes_ = loopCount_ = 1;
  const bool decoded = Decode(data);
  if (!decoded)
    frames_.clear();
  else
    ComposeFresh(0);
  ApplyAutoSize();
  FrameChanged();
  if (decoded && animate_ && UsedFrames() >= 2)
    StartTimer(IntervalFor(0, 0));
  return decoded;
}

bool TGIFImage::Decode(const QByteArray& data) {
  MemoryReader reader{&data, 0};
  int error = 0;
  GifFileType* gif = DGifOpen(&reader, ReadFromMemory, &error);
  if (!gif)
    return false;
  // DGifSlurp already puts the rows of interlaced images in their place.
  const bool usable = DGifSlurp(gif) == GIF_OK && gif->ImageCount >= 1 && gif->SWidth >= 1 &&
                      gif->SHeight >= 1 && gif->SWidth <= kMaxScreenSide &&
                      gif->SHeight <= kMaxScreenSide;
  if (usable) {
    const QRect screen(0, 0, gif->SWidth, gif->SHeight);
    canvas_ = QImage(screen.size(), QImage::Format_ARGB32_Premultiplied);
    const int count = std::min(gif->ImageCount, kMaxFrames);
    loopCount_ = PictureLoopCount(*gif, count);
    for (int i = 0; i < count; ++i) {
      GraphicsControlBlock control{};
      control.TransparentColor = NO_TRANSPARENT_COLOR;
      DGifSavedExtensionToGCB(gif, i, &control);
      const GifImageDesc& desc = gif->SavedImages[i].ImageDesc;
      // A frame that reaches past the logical screen is clipped to it.
      const QRect visible = QRect(desc.Left, desc.Top, desc.Width, desc.Height) & screen;
      Frame frame;
      frame.offset = visible.topLeft();
      frame.disposal = control.DisposalMode;
      frame.delayMs = control.DelayTime * 10;
      frame.image = FramePixels(*gif, i, visible, control.TransparentColor);
      frames_.push_back(std::move(frame));
    }
  }
  DGifCloseFile(gif, &error);
  return usable && !canvas_.isNull();
}

int TGIFImage::FrameDelay(int frame) const {
  if (frame < 1 || frame > FrameCount())
    return 0;
  return frames_[frame - 1].delayMs;
}

int TGIFImage::UsedFrames() const {
  return firstImageOnly_ ? std::min(1, FrameCount()) : FrameCount();
}

// Builds the canvas from nothing up to `frame`, so that disposals are honoured.
void TGIFImage::ComposeFresh(int frame) {
  canvas_.fill(Qt::transparent);
  previous_ = QImage();
  for (int i = 0; i < frame; ++i) {
    Draw(i);
    Dispose(i);
  }
  Draw(frame);
  shown_ = frame;
}

void TGIFImage::Dispose(int frame) {
  if (frame < 0)
    return;
  const Frame& f = frames_[frame];
  const QRect area(f.offset, f.image.size());
  if (f.disposal == DISPOSE_BACKGROUND) {
    QPainter painter(&canvas_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(area, Qt::transparent);
  } else if (f.disposal == DISPOSE_PREVIOUS && !previous_.isNull()) {
    QPainter painter(&canvas_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(area.topLeft(), previous_);
  }
}

// Lays a frame over the canvas: its opaque pixels replace what is there.
void TGIFImage::Draw(int frame) {
  const Frame& f = frames_[frame];
  if (f.disposal == DISPOSE_PREVIOUS)
    previous_ = canvas_.copy(QRect(f.offset, f.image.size()));
  const QList<QRgb> table = f.image.colorTable();
  const QRgb* colours = table.constData();
  for (int y = 0; y < f.image.height(); ++y) {
    const uchar* source = f.image.constScanLine(y);
    auto* target = reinterpret_cast<QRgb*>(canvas_.scanLine(f.offset.y() + y)) + f.offset.x();
    for (int x = 0; x < f.image.width(); ++x) {
      const QRgb colour = colours[source[x]];
      if (qAlpha(colour) != 0)
        target[x] = colour;
    }
  }
}

void TGIFImage::Tick() {
  const qint64 start = clock_();
  const int count = UsedFrames();
  // Only a running timer ticks: a released one (finished animation) stays quiet.
  if (!timer_.isActive() || !animate_ || count < 2)
    return;
  if (frame_ < 1 || frame_ > count)
    frame_ = 1;
  // After loading or rewinding, the frame is already on the canvas.
  if (shown_ != frame_ - 1) {
    Dispose(shown_);
    Draw(frame_ - 1);
    shown_ = frame_ - 1;
    FrameChanged();
  }
  StartTimer(IntervalFor(frame_ - 1, clock_() - start));
  ++frame_;
  if (frame_ > count)
    AfterLastFrame();
}

void TGIFImage::AfterLastFrame() {
  if (!loop_ && loopCount_ >= 1) {
    ++passes_;
    if (passes_ > loopCount_)
      timer_.stop();  // the last frame stays on show
  }
  frame_ = 1;
  Q_EMIT OnWrapAnimation();
}

// The frame's own delay, at least 50 ms, paced by Speed, less the time the tick took.
int TGIFImage::IntervalFor(int frame, qint64 spentMs) const {
  const qint64 delay = std::max(frames_[frame].delayMs, kMinDelayMs);
  return static_cast<int>(std::max<qint64>(delay * 100 / speed_ - spentMs, 1));
}

void TGIFImage::StartTimer(int intervalMs) {
  timer_.start(intervalMs);
}

void TGIFImage::SetAnimate(bool on) {
  if (on == animate_)
    return;
  animate_ = on;
  if (on) {
    passes_ = 1;
    const int count = UsedFrames();
    if (count >= 2)
      StartTimer(IntervalFor(frame_ >= 1 && frame_ <= count ? frame_ - 1 : 0, 0));
  } else {
    timer_.stop();
    if (shown_ > 0)
      ResetToFirstFrame();
  }
  update();
}

void TGIFImage::ResetToFirstFrame() {
  frame_ = 1;
  ComposeFresh(0);
  FrameChanged();
}

void TGIFImage::SetLoop(bool on) {
  loop_ = on;
  // Looping again restarts an animation that had finished its passes.
  const bool finished = loopCount_ >= 1 && passes_ > loopCount_ && !timer_.isActive();
  if (on && finished && animate_ && UsedFrames() >= 2) {
    frame_ = passes_ = 1;
    StartTimer(IntervalFor(0, 0));
  }
}

void TGIFImage::SetSpeed(int speed) {
  speed_ = std::max(speed, 1);
  // The new pace starts with the next frame, which comes at once.
  if (timer_.isActive() && UsedFrames() >= 2)
    StartTimer(1);
}

void TGIFImage::SetCurrentFrame(int frame) {
  if (frame < 1 || frame > UsedFrames())
    return;
  frame_ = frame;
  ComposeFresh(frame - 1);
  FrameChanged();
}

void TGIFImage::SetFirstImageOnly(bool on) {
  if (on == firstImageOnly_)
    return;
  firstImageOnly_ = on;
  timer_.stop();
  if (FrameCount() == 0)
    return;
  ResetToFirstFrame();
  passes_ = 1;
  if (animate_ && UsedFrames() >= 2)
    StartTimer(IntervalFor(0, 0));
}

void TGIFImage::SetPlacementFlag(bool& flag, bool on) {
  flag = on;
  FrameChanged();
}

void TGIFImage::SetColor(const QColor& color) {
  color_ = color;
  FrameChanged();
}

void TGIFImage::SetAutoSize(bool on) {
  autoSize_ = on;
  ApplyAutoSize();
}

void TGIFImage::ApplyAutoSize() {
  if (autoSize_ && FrameCount() > 0)
    resize(canvas_.size());
}

void TGIFImage::FrameChanged() {
  placedStale_ = true;
  update();
}

TGIFImage::Placement TGIFImage::Place() const {
  const QSize picture = canvas_.size();
  const QSize control = size();
  const bool smaller = control.width() < picture.width() || control.height() < picture.height();
  if ((stretch_ || stretchRatio_) && picture != control && (!stretchBigOnly_ || smaller)) {
    if (stretch_)
      return {Placement::Scaled, rect()};
    const double ratio = std::min(double(control.width()) / picture.width(),
                                  double(control.height()) / picture.height());
    return {Placement::Scaled,
            QRect(0, 0, qRound(picture.width() * ratio), qRound(picture.height() * ratio))};
  }
  if (tile_)
    return {Placement::Tiled, rect()};
  if (center_) {
    const QPoint corner(FloorHalf(control.width() - picture.width()),
                        FloorHalf(control.height() - picture.height()));
    return {Placement::AtSize, QRect(corner, picture)};
  }
  return {Placement::AtSize, QRect(QPoint(0, 0), picture)};
}

// The canvas as the control shows it, kept until the frame or the placement changes.
QImage TGIFImage::Placed() const {
  QImage placed(size(), QImage::Format_ARGB32_Premultiplied);
  placed.fill(Qt::transparent);
  QPainter painter(&placed);
  const Placement placement = Place();
  if (opaque_ && !placement.area.contains(rect()))
    painter.fillRect(rect(), color_);
  if (placement.kind == Placement::Scaled) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(placement.area, canvas_);
  } else if (placement.kind == Placement::Tiled) {
    for (int y = 0; y < height(); y += canvas_.height()) {
      for (int x = 0; x < width(); x += canvas_.width())
        painter.drawImage(x, y, canvas_);
    }
  } else {
    painter.drawImage(placement.area.topLeft(), canvas_);
  }
  return placed;
}

void TGIFImage::paintEvent(QPaintEvent*) {
  if (FrameCount() == 0 || width() < 1 || height() < 1)
    return;
  if (placedStale_ || placed_.size() != size()) {
    placed_ = Placed();
    placedStale_ = false;
  }
  QPainter painter(this);
  painter.drawImage(0, 0, placed_);
}

void TGIFImage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placedStale_ = true;
}
