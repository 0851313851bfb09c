// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/ant_label.h"

#include <QEnterEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// Without word wrap the text is measured on a line this long.
constexpr int kUnboundedWidth = 1 << 20;

}  // namespace

TantLabel::TantLabel(QWidget* parent) : QWidget(parent) {
  for (State state : {State::Normal, State::Selected, State::Active}) {
    Of(state).colorFront = Qt::black;
    Of(state).colorBack = Qt::gray;
    Of(state).highLightColor = Qt::white;
  }
  Look& disabled = Of(State::Disabled);
  disabled.colorFront = palette().color(QPalette::Dark);
  disabled.colorBack = palette().color(QPalette::Light);
  disabled.highLightColor = Qt::white;
  AdjustSize();
}

void TantLabel::SetColorFront(State state, const QColor& colour) {
  Of(state).colorFront = colour;
  LookChanged(state);
}

void TantLabel::SetColorBack(State state, const QColor& colour) {
  Of(state).colorBack = colour;
  LookChanged(state);
}

void TantLabel::SetCursors(State state, Qt::CursorShape cursor) {
  Of(state).cursor = cursor;
  LookChanged(state);
}

void TantLabel::SetHighLight(State state, bool on) {
  Of(state).highLight = on;
  LookChanged(state);
}

void TantLabel::SetHighLightColor(State state, const QColor& colour) {
  Of(state).highLightColor = colour;
  LookChanged(state);
}

void TantLabel::SetUnderLine(State state, bool on) {
  Of(state).underLine = on;
  LookChanged(state);
}

// A change to the look in force shows at once.
void TantLabel::LookChanged(State state) {
  if (state == state_)
    SetState(state_);
}

void TantLabel::SetState(State state) {
  state_ = state;
  setCursor(Current().cursor);
  QFont underlined = font();
  underlined.setUnderline(Current().underLine);
  setFont(underlined);
  update();
}

void TantLabel::SetColor3d(bool on) {
  color3d_ = on;
  update();
}

void TantLabel::SetColor3dDepth(int x, int y) {
  color3dX_ = x;
  color3dY_ = y;
  update();
}

void TantLabel::SetHighLightStyle(HighLightStyle style) {
  style_ = style;
  update();
}

void TantLabel::SetHighLightDepth(int x, int y) {
  highLightX_ = x;
  highLightY_ = y;
  AdjustSize();
  update();
}

void TantLabel::SetAlignment(Qt::Alignment alignment) {
  alignment_ = alignment & Qt::AlignHorizontal_Mask;
  update();
}

void TantLabel::SetWordWrap(bool on) {
  wordWrap_ = on;
  AdjustSize();
  update();
}

void TantLabel::SetAutoSize(bool on) {
  autoSize_ = on;
  AdjustSize();
}

void TantLabel::SetTransparent(bool on) {
  transparent_ = on;
  update();
}

void TantLabel::SetCaption(const QString& caption) {
  caption_ = caption;
  UpdateShortcut();
  AdjustSize();
  update();
}

void TantLabel::SetFocusControl(QWidget* control) {
  focusControl_ = control;
  UpdateShortcut();
}

// As a plain label does: Alt and the marked letter hand the focus on.
void TantLabel::UpdateShortcut() {
  if (shortcutId_ != 0)
    releaseShortcut(shortcutId_);
  shortcutId_ = 0;
  const QKeySequence key = QKeySequence::mnemonic(caption_);
  if (focusControl_ && !key.isEmpty())
    shortcutId_ = grabShortcut(key);
}

bool TantLabel::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut && focusControl_) {
    focusControl_->setFocus(Qt::ShortcutFocusReason);
    return true;
  }
  return QWidget::event(event);
}

// --- the mouse --------------------------------------------------------------

void TantLabel::enterEvent(QEnterEvent*) {
  MouseEntered();
}

void TantLabel::leaveEvent(QEvent*) {
  MouseLeft();
}

void TantLabel::MouseEntered() {
  if (inside_)
    return;
  inside_ = true;
  if (isEnabled() && active_)
    SetState(held_ ? State::Active : State::Selected);
  Q_EMIT OnMouseEnter();
}

void TantLabel::MouseLeft() {
  if (!inside_)
    return;
  inside_ = false;
  if (isEnabled())
    SetState(active_ && held_ ? State::Selected : State::Normal);
  Q_EMIT OnMouseLeave();
}

void TantLabel::mousePressEvent(QMouseEvent*) {
  held_ = true;
  if (isEnabled() && active_)
    SetState(State::Active);
}

// While a button is held Qt keeps the leave for after the release; the label
// notices crossing its edge itself, so that it looks "under the mouse" outside.
void TantLabel::mouseMoveEvent(QMouseEvent* event) {
  if (!held_)
    return;
  const bool over = rect().contains(event->position().toPoint());
  if (over && !inside_)
    MouseEntered();
  else if (!over && inside_)
    MouseLeft();
}

void TantLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->buttons() != Qt::NoButton)
    return;
  held_ = false;
  if (isEnabled() && active_)
    SetState(inside_ ? State::Selected : State::Normal);
  if (inside_)
    Q_EMIT OnClick();
}

void TantLabel::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::EnabledChange)
    SetState(isEnabled() ? State::Normal : State::Disabled);
  else if (event->type() == QEvent::FontChange)
    AdjustSize();
}

// --- drawing ----------------------------------------------------------------

int TantLabel::TextFlags() const {
  return static_cast<int>(alignment_) | Qt::AlignTop | Qt::TextExpandTabs | Qt::TextShowMnemonic |
         (wordWrap_ ? Qt::TextWordWrap : 0);
}

QRect TantLabel::TextRect() const {
  return rect().adjusted(highLightX_, highLightY_, -highLightX_, -highLightY_);
}

void TantLabel::DrawText(QPainter& painter, const QRect& area, const QColor& colour) const {
  painter.setPen(colour);
  painter.drawText(area, TextFlags(), caption_);
}

// Copies of the text in the outline colour around where the text goes.
void TantLabel::DrawOutline(QPainter& painter, const QRect& area) const {
  const int x = highLightX_;
  const int y = highLightY_;
  std::vector<QPoint> offsets;
  if (style_ != HighLightStyle::hlsDiagonal)
    offsets.insert(offsets.end(), {{0, -y}, {0, y}, {-x, 0}, {x, 0}});
  if (style_ != HighLightStyle::hlsNormal)
    offsets.insert(offsets.end(), {{-x, -y}, {x, -y}, {x, y}, {-x, y}});
  for (const QPoint& offset : offsets)
    DrawText(painter, area.translated(offset), Current().highLightColor);
}

// The shadow goes right and down of the text; a depth of 0 or less moves the
// text instead, so that both always stay inside the label.
void TantLabel::Draw3d(QPainter& painter) const {
  QRect text = TextRect();
  QRect shadow = text;
  const int x = color3dX_;
  const int y = color3dY_;
  if (alignment_ & Qt::AlignHCenter) {
    text.setRight(text.right() - std::abs(x));
    shadow.setRight(shadow.right() - std::abs(x));
  }
  if (alignment_ & Qt::AlignRight) {
    if (x >= 1)
      text.translate(-x, 0);
    else
      shadow.translate(x, 0);
  } else {
    if (x >= 1)
      shadow.translate(x, 0);
    else
      text.translate(-x, 0);
  }
  if (y >= 1)
    shadow.translate(0, y);
  else
    text.translate(0, -y);
  if (x != 0 || y != 0)
    DrawText(painter, shadow, Current().colorBack);
  if (Current().highLight)
    DrawOutline(painter, text);
  DrawText(painter, text, Current().colorFront);
}

void TantLabel::DrawFlat(QPainter& painter) const {
  const QRect text = TextRect();
  if (!isEnabled())
    DrawText(painter, text.translated(1, 1), palette().color(QPalette::Light));
  if (Current().highLight)
    DrawOutline(painter, text);
  DrawText(painter, text, isEnabled() ? Current().colorFront : palette().color(QPalette::Dark));
}

void TantLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!transparent_)
    painter.fillRect(rect(), palette().window());
  if (color3d_)
    Draw3d(painter);
  else
    DrawFlat(painter);
}

// The label takes the size of its text plus the outline margins; an empty
// caption measures as one space. Right-aligned, it grows to the left.
void TantLabel::AdjustSize() {
  if (!autoSize_)
    return;
  const int width = wordWrap_ ? std::max(TextRect().width(), 1) : kUnboundedWidth;
  const QString text = caption_.isEmpty() ? QStringLiteral(" ") : caption_;
  const QRect measured =
      fontMetrics().boundingRect(QRect(0, 0, width, kUnboundedWidth), TextFlags(), text);
  const QSize size(measured.width() + 2 * highLightX_, measured.height() + 2 * highLightY_);
  const int left = (alignment_ & Qt::AlignRight) ? geometry().right() + 1 - size.width() : x();
  setGeometry(left, y(), size.width(), size.height());
}
