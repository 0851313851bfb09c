// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/letter_marker.h"

#include <QLayout>
#include <algorithm>

#include "word_list_draft.h"

namespace {

// A marked letter looks like a hidden one in the game: dark, with a dot under it.
const char* const kLetterStyle =
    "QToolButton { font-size: 20pt; min-width: 34px; min-height: 44px; border: 1px solid #8a9;"
    " border-radius: 4px; background: #f4faf6; color: #003b3b; }"
    "QToolButton:checked { background: #005959; color: white; border-color: #003b3b; }"
    "QToolButton:disabled { background: transparent; border: none; }";
constexpr int kSpacing = 3;

// Its items left to right, each at its preferred size, in as many rows as the width needs.
// As narrow as its widest item.
class FlowLayout : public QLayout {
 public:
  explicit FlowLayout(QWidget* parent) : QLayout(parent) { setContentsMargins(0, 0, 0, 0); }
  ~FlowLayout() override {
    while (QLayoutItem* item = FlowLayout::takeAt(0))
      delete item;
  }

  void addItem(QLayoutItem* item) override { items_.append(item); }
  int count() const override { return static_cast<int>(items_.size()); }
  QLayoutItem* itemAt(int index) const override { return items_.value(index); }
  QLayoutItem* takeAt(int index) override {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
  }
  Qt::Orientations expandingDirections() const override { return {}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override { return Place(QRect(0, 0, width, 0), false); }
  QSize minimumSize() const override {
    QSize size;
    for (const QLayoutItem* item : items_)
      size = size.expandedTo(item->sizeHint());
    return size;
  }
  QSize sizeHint() const override { return minimumSize(); }
  void setGeometry(const QRect& rect) override {
    QLayout::setGeometry(rect);
    Place(rect, true);
  }

 private:
  // The height the items take in `rect`'s width; `move`: they are put there too.
  int Place(const QRect& rect, bool move) const {
    int x = rect.x();
    int y = rect.y();
    int rowHeight = 0;
    for (QLayoutItem* item : items_) {
      const QSize size = item->sizeHint();
      if (x > rect.x() && x + size.width() > rect.x() + rect.width()) {
        x = rect.x();
        y += rowHeight + kSpacing;
        rowHeight = 0;
      }
      if (move)
        item->setGeometry(QRect(QPoint(x, y), size));
      x += size.width() + kSpacing;
      rowHeight = std::max(rowHeight, size.height());
    }
    return y + rowHeight - rect.y();
  }

  QList<QLayoutItem*> items_;
};

}  // namespace

LetterMarker::LetterMarker(QWidget* parent) : QWidget(parent) {
  new FlowLayout(this);
}

void LetterMarker::ShowWord(const QString& rawWord) {
  qDeleteAll(buttons_);
  buttons_.clear();
  const std::vector<MarkedLetter> letters = MarkedLetters(rawWord.toStdString());
  for (int i = 0; i < static_cast<int>(letters.size()); ++i) {
    auto* button = new QToolButton(this);
    const QString letter = QString::fromStdString(letters[i].letter);
    button->setText(letter == "&" ? "&&" : letter);
    button->setCheckable(true);
    button->setChecked(letters[i].marked);
    button->setStyleSheet(kLetterStyle);
    button->setEnabled(letter != " ");
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(letters[i].marked
                           ? QStringLiteral("Marcada: se oculta. Pulse para quitar la marca.")
                           : QStringLiteral("Pulse para marcarla."));
    connect(button, &QToolButton::clicked, this, [this, i] { Q_EMIT LetterClicked(i); });
    layout()->addWidget(button);
    buttons_.append(button);
  }
}
