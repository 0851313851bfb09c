// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/form_puzle.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "platform/picture_file.h"
#include "platform/prompter_qt.h"
#include "platform/text.h"
#include "platform/title_bar.h"
#include "ui_form_puzle.h"

namespace {

const QColor kWindowColour(0, 105, 210);
const QPoint kBesideOwner(345, 10);
// Until the window system has framed the window, its frame is taken to be about this.
const QSize kFrame(6, 26);
constexpr int kGap = 4;

// `window` moved into `area` (its top-left corner in it when it is the larger).
QRect Within(QRect window, const QRect& area) {
  window.moveLeft(
      std::max(area.left(), std::min(window.left(), area.right() + 1 - window.width())));
  window.moveTop(std::max(area.top(), std::min(window.top(), area.bottom() + 1 - window.height())));
  return window;
}

// How much of each of `keep` `window` covers, in their order.
std::vector<qint64> Covered(const QRect& window, const std::vector<QRect>& keep) {
  std::vector<qint64> covered;
  for (const QRect& rect : keep) {
    const QRect both = window & rect;
    covered.push_back(qint64(both.width()) * both.height());
  }
  return covered;
}

// Where a window of `size` in `area` covers the least of `keep`, the first of
// them most important; of places that cover as little, the first of `preferred`
// and then beside, above or below each of `keep`.
QRect LeastCovering(QSize size, const QRect& area, QPoint preferred,
                    const std::vector<QRect>& keep) {
  std::vector<int> lefts{preferred.x()};
  std::vector<int> tops{preferred.y()};
  for (const QRect& rect : keep) {
    lefts.insert(lefts.end(), {rect.right() + 1 + kGap, rect.left() - kGap - size.width()});
    tops.insert(tops.end(), {rect.bottom() + 1 + kGap, rect.top() - kGap - size.height()});
  }
  QRect best;
  std::vector<qint64> leastCovered;
  for (int top : tops) {
    for (int left : lefts) {
      const QRect window = Within(QRect(QPoint(left, top), size), area);
      const std::vector<qint64> covered = Covered(window, keep);
      if (best.isNull() || covered < leastCovered) {
        best = window;
        leastCovered = covered;
      }
    }
  }
  return best;
}

}  // namespace

TForm_puzle::TForm_puzle(QWidget* owner, PuzzleSteps steps, const QString& gameFolder)
    : QDialog(owner),
      ui_(std::make_unique<Ui::TForm_puzle>()),
      steps_(std::move(steps)),
      gameFolder_(gameFolder) {
  ui_->setupUi(this);
  RemoveTitleBarButtons(*this);
  setModal(false);
  // The solved dialog keeps the focus, so that Esc still reaches its "Seguir".
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFixedSize(size());
  if (owner)
    move(owner->pos() + kBesideOwner);
  availableArea_ = [this] {
    return (parentWidget() ? parentWidget() : this)->screen()->availableGeometry();
  };
}

TForm_puzle::~TForm_puzle() = default;

const PuzzleState& TForm_puzle::state() const {
  return steps_.state();
}

void TForm_puzle::Present() {
  if (!state().Enabled())
    return;
  Place();
  show();
  AdvancePuzzle();
}

// Beside its owner as designed, unless that covers what must stay in sight: the
// word just solved, its hint, the button that goes on.
void TForm_puzle::Place() {
  std::vector<QRect> keep;
  for (const QWidget* widget : keepClear_)
    keep.emplace_back(widget->mapToGlobal(QPoint(0, 0)), widget->size());
  const QSize frame = frameGeometry().size() != size() ? frameGeometry().size() : size() + kFrame;
  const QPoint preferred = parentWidget() ? parentWidget()->pos() + kBesideOwner : pos();
  move(LeastCovering(frame, availableArea_(), preferred, keep).topLeft());
}

void TForm_puzle::AdvancePuzzle() {
  steps_.advance(*this);
}

void TForm_puzle::Dismiss() {
  hide();
}

// The window has no title-bar buttons: only "Seguir" of the solved dialog closes it.
void TForm_puzle::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape)
    return;
  QDialog::keyPressEvent(event);
}

// The solved dialog answers a close request as a press of its "Seguir".
void TForm_puzle::closeEvent(QCloseEvent* event) {
  Q_EMIT CloseRequested();
  event->setAccepted(!isVisible());
}

QString TForm_puzle::PicturePath(int number) const {
  return gameFolder_ + "/" + QString::fromStdString(PuzzleFileName(number));
}

bool TForm_puzle::PictureExists(int number) {
  return QFileInfo::exists(PicturePath(number));
}

bool TForm_puzle::LoadPicture(int number) {
  original_ = QImage();
  ui_->Image_original_oculta->clear();
  const QString path = PicturePath(number);
  const std::optional<QImage> picture = LoadPictureFile(path, "BMP");
  if (!picture)
    return false;
  original_ = picture->convertToFormat(QImage::Format_RGB32);
  ui_->Image_original_oculta->setPixmap(QPixmap::fromImage(original_));
  return true;
}

void TForm_puzle::SetNoticeText(const std::string& text) {
  ui_->Label_aviso->setText(ToQt(text));
}

// The revealed picture is made with the first puzzle: most games never earn one.
void TForm_puzle::ClearPieces() {
  if (visible_.isNull())
    visible_ = QImage(kPuzzleWidth, kPuzzleHeight, QImage::Format_RGB32);
  QPainter painter(&visible_);
  painter.fillRect(visible_.rect(), Qt::white);
  painter.setPen(kWindowColour);
  painter.drawRect(0, 0, kPuzzleWidth - 1, kPuzzleHeight - 1);
  painter.end();
  ShowVisible();
}

// Pieces come from the picture's own pixels: of a picture of another size the
// top-left 320x200 area shows, and what lies outside the picture stays white.
void TForm_puzle::ShowPiece(const PieceRect& piece) {
  const QRect area(piece.left, piece.top, piece.right - piece.left, piece.bottom - piece.top);
  const QRect source = area & original_.rect();
  if (!source.isEmpty()) {
    QPainter painter(&visible_);
    painter.drawImage(source.topLeft(), original_, source);
  }
  ShowVisible();
}

void TForm_puzle::ShowVisible() {
  ui_->Image_visible_puzle->setPixmap(QPixmap::fromImage(visible_));
  ui_->Image_visible_puzle->repaint();
}

void TForm_puzle::PuzzleCompleted() {
  Q_EMIT Completed();
}
