// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A picture control that plays a GIF picture built into the program. The picture
// is decoded once, each frame is composed into a cached screen image when its
// turn comes, and one timer per control paces the frames.
#pragma once

#include <QColor>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "controls/gif_decoder.h"

class TGIFImage : public QWidget {
  Q_OBJECT

 public:
  // A source of elapsed milliseconds; the tests hand in their own clock.
  using Clock = std::function<qint64()>;

  explicit TGIFImage(QWidget* parent = nullptr);

  // Decodes a GIF file (Qt resource or file). A picture that cannot be decoded
  // shows nothing; false then.
  bool LoadPicture(const QString& path);
  bool LoadData(const QByteArray& data);

  int FrameCount() const { return static_cast<int>(frames_.size()); }
  // The composed logical screen as it is on show (transparent where nothing is drawn).
  QImage CurrentImage() const { return canvas_; }
  // The "NETSCAPE2.0" loop count, 1 without that extension; 0 means without end.
  int LoopCount() const { return loopCount_; }
  // Delay of a frame (from 1) as stored in the picture, in milliseconds.
  int FrameDelay(int frame) const;

  bool Animate() const { return animate_; }
  void SetAnimate(bool on);
  bool Loop() const { return loop_; }
  void SetLoop(bool on);
  int Speed() const { return speed_; }
  void SetSpeed(int speed);
  // The frame on show, from 1 (0 without a picture). Setting it composes that frame.
  int CurrentFrame() const { return shown_ + 1; }
  void SetCurrentFrame(int frame);
  bool FirstImageOnly() const { return firstImageOnly_; }
  void SetFirstImageOnly(bool on);

  bool Stretch() const { return stretch_; }
  void SetStretch(bool on) { SetPlacementFlag(stretch_, on); }
  bool StretchRatio() const { return stretchRatio_; }
  void SetStretchRatio(bool on) { SetPlacementFlag(stretchRatio_, on); }
  bool StretchBigOnly() const { return stretchBigOnly_; }
  void SetStretchBigOnly(bool on) { SetPlacementFlag(stretchBigOnly_, on); }
  bool Tile() const { return tile_; }
  void SetTile(bool on) { SetPlacementFlag(tile_, on); }
  bool Center() const { return center_; }
  void SetCenter(bool on) { SetPlacementFlag(center_, on); }
  bool Opaque() const { return opaque_; }
  void SetOpaque(bool on) { SetPlacementFlag(opaque_, on); }
  QColor Color() const { return color_; }
  void SetColor(const QColor& color);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on);
  int Left() const { return x(); }
  void SetLeft(int left) { move(left, y()); }

  // One beat of the control's timer; the tests call it instead of waiting.
  void Tick();
  // Whether the timer runs, and the interval it was last started with.
  bool TimerRunning() const { return timer_.isActive(); }
  int TimerInterval() const { return timer_.interval(); }
  void SetClock(Clock clock) { clock_ = std::move(clock); }

 Q_SIGNALS:
  // Raised each time the animation passes its last frame.
  void OnWrapAnimation();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  using Frame = GifFrame;

  // Where the canvas goes in the control: scaled into, tiled over, or at its own size.
  struct Placement {
    enum Kind { Scaled, Tiled, AtSize } kind;
    QRect area;
  };

  bool Decode(const QByteArray& data);
  int UsedFrames() const;
  void ComposeFresh(int frame);
  // Where frame number `frame` (from 0) lies on the canvas; empty for none.
  QRect FrameArea(int frame) const;
  void Dispose(int frame);
  void Draw(int frame);
  void StartTimer(int intervalMs);
  int IntervalFor(int frame, qint64 spentMs) const;
  void AfterLastFrame();
  void ResetToFirstFrame();
  void SetPlacementFlag(bool& flag, bool on);
  void ApplyAutoSize();
  void FrameChanged();
  Placement Place() const;
  QImage Placed() const;

  std::vector<Frame> frames_;
  QImage canvas_;    // the logical screen as composed so far
  QImage previous_;  // what the canvas held under a "restore to previous" frame
  QImage placed_;    // the canvas placed into the control, rebuilt when stale
  bool placedStale_ = true;
  int loopCount_ = 1;
  int frame_ = 1;   // the frame the next tick composes, from 1
  int shown_ = -1;  // index of the frame on the canvas, -1 none
  int passes_ = 1;
  QTimer timer_;
  Clock clock_;

  bool animate_ = false;
  bool loop_ = false;
  int speed_ = 100;
  bool firstImageOnly_ = false;
  bool stretch_ = false;
  bool stretchRatio_ = false;
  bool stretchBigOnly_ = false;
  bool tile_ = false;
  bool center_ = false;
  bool opaque_ = false;
  QColor color_ = Qt::white;
  bool autoSize_ = false;
};
