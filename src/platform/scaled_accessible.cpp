// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/scaled_accessible.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cmath>

namespace {

// The interface Qt (or the game) made for a control, with its place given in
// screen pixels. Everything else is the inner interface's own answer.
class ScreenPixelInterface : public QAccessibleInterface {
 public:
  explicit ScreenPixelInterface(QAccessibleInterface* inner)
      : inner_(inner), innerId_(QAccessible::uniqueId(inner)) {}
  // The inner interface sits in Qt's cache under its own number: it goes with us.
  ~ScreenPixelInterface() override { QAccessible::deleteAccessibleInterface(innerId_); }

  bool isValid() const override { return inner_->isValid(); }
  QObject* object() const override { return inner_->object(); }
  QWindow* window() const override { return inner_->window(); }
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation match) const override {
    return inner_->relations(match);
  }
  QAccessibleInterface* focusChild() const override { return inner_->focusChild(); }
  QAccessibleInterface* parent() const override { return inner_->parent(); }
  QAccessibleInterface* child(int index) const override { return inner_->child(index); }
  int childCount() const override { return inner_->childCount(); }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return inner_->indexOfChild(child);
  }
  QString text(QAccessible::Text t) const override { return inner_->text(t); }
  void setText(QAccessible::Text t, const QString& text) override { inner_->setText(t, text); }
  QAccessible::Role role() const override { return inner_->role(); }
  QAccessible::State state() const override { return inner_->state(); }
  QColor foregroundColor() const override { return inner_->foregroundColor(); }
  QColor backgroundColor() const override { return inner_->backgroundColor(); }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return inner_->interface_cast(type);
  }

  QRect rect() const override {
    const auto* widget = qobject_cast<const QWidget*>(inner_->object());
    return widget && widget->isVisible() ? ScreenPixelRect(widget) : QRect();
  }
  // The point comes in screen pixels, as the places are given.
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = childCount() - 1; i >= 0; --i) {
      QAccessibleInterface* c = child(i);
      if (c && c->isValid() && c->rect().contains(x, y))
        return c;
    }
    return nullptr;
  }

 private:
  QAccessibleInterface* inner_;
  QAccessible::Id innerId_;
};

thread_local bool askingInner = false;

QAccessibleInterface* ScreenPixelFactory(const QString&, QObject* object) {
  if (askingInner || !object->isWidgetType())
    return nullptr;
  askingInner = true;
  QAccessibleInterface* inner = QAccessible::queryAccessibleInterface(object);
  askingInner = false;
  return inner ? new ScreenPixelInterface(inner) : nullptr;
}

}  // namespace

QRect ScreenPixelRect(const QWidget* widget) {
  const QWindow* window = widget->window()->windowHandle();
  const qreal factor = window ? window->devicePixelRatio() : qGuiApp->devicePixelRatio();
  // Each screen's top-left corner is the same point in both kinds of pixels.
  const QPoint origin = widget->screen()->geometry().topLeft();
  const QPoint topLeft = widget->mapToGlobal(QPoint(0, 0)) - origin;
  const auto scaled = [factor](int v) { return int(std::lround(v * factor)); };
  const int left = scaled(topLeft.x());
  const int top = scaled(topLeft.y());
  return QRect(origin.x() + left, origin.y() + top, scaled(topLeft.x() + widget->width()) - left,
               scaled(topLeft.y() + widget->height()) - top);
}

void InstallScreenPixelExtents() {
  if (qGuiApp->devicePixelRatio() != 1.0)
    QAccessible::installFactory(ScreenPixelFactory);
}
