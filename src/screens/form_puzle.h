// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture puzzle that rewards clean solves: a small window beside the
// solved dialog that shows one more piece of a picture after each clean solve.
#pragma once

#include <QDialog>
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "players.h"
#include "puzzle.h"
#include "sound_player.h"

namespace Ui {
class TForm_puzle;
}
// What the puzzle window needs of the game: its progress, and one step of it.
struct PuzzleSteps {
  std::function<const PuzzleState&()> state;
  std::function<void(PuzzleView&)> advance;
};

class TForm_puzle : public QDialog, private PuzzleView {
  Q_OBJECT

 public:
  // `gameFolder` holds the pictures in "puzles"; the game keeps the puzzle's progress.
  TForm_puzle(QWidget* owner, PuzzleSteps steps, const QString& gameFolder);
  ~TForm_puzle() override;

  Ui::TForm_puzle* ui() { return ui_.get(); }
  const PuzzleState& state() const;
  bool PuzzlesEnabled() const { return state().Enabled(); }
  // The revealed pieces on their white ground, as shown.
  const QImage& VisiblePicture() const { return visible_; }

  // The end of the exit animation: while puzzles are enabled, shows the window
  // beside the solved dialog (not modal, without taking the focus from it) and
  // runs one puzzle step.
  void Present();
  // What the window must leave in sight, the most important first: it goes where
  // it covers the least of the first, then of the next.
  void KeepClear(std::vector<const QWidget*> widgets) { keepClear_ = std::move(widgets); }
  // The part of the screen a window may use; tests give their own.
  void SetAvailableArea(std::function<QRect()> area) { availableArea_ = std::move(area); }
  void AdvancePuzzle();
  // "Seguir" of the solved dialog closes the window.
  void Dismiss();

 Q_SIGNALS:
  // The eighth piece is shown and every player and the group have their 20
  // points: the solved dialog says so and the points display is refreshed.
  void Completed();
  // The window system asked to close the window.
  void CloseRequested();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // PuzzleView
  bool PictureExists(int number) override;
  bool LoadPicture(int number) override;
  void SetNoticeText(const std::string& text) override;
  void ClearPieces() override;
  void ShowPiece(const PieceRect& piece) override;
  void PuzzleCompleted() override;

  QString PicturePath(int number) const;
  void ShowVisible();
  void Place();

  std::unique_ptr<Ui::TForm_puzle> ui_;
  PuzzleSteps steps_;
  QString gameFolder_;
  QImage original_;  // the whole picture as loaded, never shown
  QImage visible_;   // the pieces revealed so far
  std::vector<const QWidget*> keepClear_;
  std::function<QRect()> availableArea_;
};
