// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/gif_image.h"

#include <gif_lib.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace {

constexpr int kMinDelayMs = 50;

// Integer half that rounds toward the top-left, also for negative remainders.
int FloorHalf(int value) {
  return value >= 0 ? value / 2 : -((1 - value) / 2);
}

// Where a picture placed at `area` (scaled to it, or at its own size) shows pixels that differ
// between `before`, a copy of the canvas's `touched` part, and the canvas `now`; empty when none
// do.
QRect ChangedArea(const QImage& before, const QImage& now, const QRect& touched, const QRect& area,
                  bool scaled) {
  int left = touched.width(), right = -1, top = -1, bottom = -1;
  for (int y = 0; y < touched.height(); ++y) {
    const auto* old = reinterpret_cast<const QRgb*>(before.constScanLine(y));
    const auto* line =
        reinterpret_cast<const QRgb*>(now.constScanLine(touched.y() + y)) + touched.x();
    for (int x = 0; x < touched.width(); ++x) {
      if (old[x] != line[x]) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = top < 0 ? y : top;
        bottom = y;
      }
    }
  }
  if (right < 0)
    return {};
  const QRect changed =
      QRect(QPoint(left, top), QPoint(right, bottom)).translated(touched.topLeft());
  if (!scaled)
    return changed.translated(area.topLeft());
  // Smooth scaling spreads a pixel into its neighbours.
  const double sx = double(area.width()) / now.width();
  const double sy = double(area.height()) / now.height();
  const QRectF placed(area.x() + changed.x() * sx, area.y() + changed.y() * sy,
                      changed.width() * sx, changed.height() * sy);
  return placed.toAlignedRect().adjusted(-1, -1, 1, 1);
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
  // Only a regular file: a pipe or a device would block the program or never end.
  if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
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
  std::optional<DecodedGif> decoded = DecodeGif(data);
  if (!decoded)
    return false;
  canvas_ = QImage(decoded->screen, QImage::Format_ARGB32_Premultiplied);
  if (canvas_.isNull())
    return false;
  loopCount_ = decoded->loopCount;
  frames_ = std::move(decoded->frames);
  return true;
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

QRect TGIFImage::FrameArea(int frame) const {
  if (frame < 0 || frame >= FrameCount())
    return {};
  return QRect(frames_[frame].offset, frames_[frame].image.size());
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
  const QList<QRgb> colours = f.image.colorTable();  // of 256 colours
  const int width = f.image.width();
  const int height = f.image.height();
  for (int y = 0; y < height; ++y) {
    const uchar* source = f.image.constScanLine(y);
    auto* target = reinterpret_cast<QRgb*>(canvas_.scanLine(f.offset.y() + y)) + f.offset.x();
    for (int x = 0; x < width; ++x) {
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
    // Only the frame going and the frame coming can change pixels.
    const QRect touched = FrameArea(shown_) | FrameArea(frame_ - 1);
    const QImage before = canvas_.copy(touched);
    Dispose(shown_);
    Draw(frame_ - 1);
    shown_ = frame_ - 1;
    // Only what changed is drawn again, with what lies under it in the scene.
    const Placement placement = Place();
    placedStale_ = true;
    if (placement.kind == Placement::Tiled)
      update();
    else
      update(ChangedArea(before, canvas_, touched, placement.area,
                         placement.kind == Placement::Scaled));
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
// Composed at the screen's own pixels: on a scaled screen each painting is then a plain copy, not
// a new smooth scaling of the whole picture at every frame.
QImage TGIFImage::Placed() const {
  const qreal ratio = devicePixelRatioF();
  QImage placed(size() * ratio, QImage::Format_ARGB32_Premultiplied);
  placed.setDevicePixelRatio(ratio);
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
  if (placedStale_ || placed_.size() != size() * devicePixelRatioF()) {
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
