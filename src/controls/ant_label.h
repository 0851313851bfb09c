// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A label that draws its text with a shadow and an optional outline, and whose
// look changes with the mouse: idle, under the mouse, held, and disabled.
#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <array>

class TantLabel : public QWidget {
  Q_OBJECT
  // Settable from a window description (stdset="0"); AutoSize goes first there,
  // so that the label keeps its design size while the rest is set.
  Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
  Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

 public:
  // The four looks, in this order.
  enum class State { Normal, Selected, Active, Disabled };
  // Where the outline copies of the text go.
  enum class HighLightStyle { hlsNormal, hlsDiagonal, hlsFull };

  explicit TantLabel(QWidget* parent = nullptr);

  State CurrentState() const { return state_; }

  // Per-state properties: one value for each state, the current state's in force.
  QColor ColorFront(State state) const { return Of(state).colorFront; }
  void SetColorFront(State state, const QColor& colour);
  QColor ColorBack(State state) const { return Of(state).colorBack; }
  void SetColorBack(State state, const QColor& colour);
  Qt::CursorShape Cursors(State state) const { return Of(state).cursor; }
  void SetCursors(State state, Qt::CursorShape cursor);
  bool HighLight(State state) const { return Of(state).highLight; }
  void SetHighLight(State state, bool on);
  QColor HighLightColor(State state) const { return Of(state).highLightColor; }
  void SetHighLightColor(State state, const QColor& colour);
  bool UnderLine(State state) const { return Of(state).underLine; }
  void SetUnderLine(State state, bool on);

  // Off: the mouse never changes the look; only Enabled does.
  bool Active() const { return active_; }
  void SetActive(bool on) { active_ = on; }
  bool Color3d() const { return color3d_; }
  void SetColor3d(bool on);
  int Color3dXDepth() const { return color3dX_; }
  int Color3dYDepth() const { return color3dY_; }
  void SetColor3dDepth(int x, int y);
  HighLightStyle Style() const { return style_; }
  void SetHighLightStyle(HighLightStyle style);
  int HighLightXDepth() const { return highLightX_; }
  int HighLightYDepth() const { return highLightY_; }
  void SetHighLightDepth(int x, int y);
  Qt::Alignment Alignment() const { return alignment_; }
  void SetAlignment(Qt::Alignment alignment);  // Qt::AlignLeft, AlignRight or AlignHCenter
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  // The widget that takes the focus when the caption's "&" key is pressed with Alt.
  void SetFocusControl(QWidget* control);

 Q_SIGNALS:
  void OnMouseEnter();
  void OnMouseLeave();
  void OnClick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  struct Look {
    QColor colorFront;
    QColor colorBack;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    bool highLight = false;
    QColor highLightColor;
    bool underLine = false;
  };

  const Look& Of(State state) const { return looks_[static_cast<int>(state)]; }
  Look& Of(State state) { return looks_[static_cast<int>(state)]; }
  const Look& Current() const { return Of(state_); }
  void LookChanged(State state);
  void SetState(State state);
  void MouseEntered();
  void MouseLeft();
  int TextFlags() const;
  QRect TextRect() const;
  void DrawText(QPainter& painter, const QRect& area, const QColor& colour) const;
  void DrawOutline(QPainter& painter, const QRect& area) const;
  void Draw3d(QPainter& painter) const;
  void DrawFlat(QPainter& painter) const;
  void AdjustSize();
  void UpdateShortcut();

  std::array<Look, 4> looks_;
  State state_ = State::Normal;
  bool inside_ = false;
  bool held_ = false;
  bool active_ = true;
  bool color3d_ = true;
  int color3dX_ = 1;
  int color3dY_ = 1;
  HighLightStyle style_ = HighLightStyle::hlsNormal;
  int highLightX_ = 1;
  int highLightY_ = 1;
  Qt::Alignment alignment_ = Qt::AlignLeft;
  bool wordWrap_ = false;
  bool autoSize_ = true;
  bool transparent_ = false;
  QString caption_;
  QPointer<QWidget> focusControl_;
  int shortcutId_ = 0;
};
