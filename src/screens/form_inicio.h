// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The introduction: the maker's logo, then the castle with its story, each page
// unrolled down from the top-left corner of the screen and rolled up again.
#pragma once

#include <QDialog>
#include <QTimer>
#include <memory>

namespace Ui {
class TForm_inicio;
}
class TGIFImage;

class TForm_inicio : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_inicio(QWidget* owner);
  ~TForm_inicio() override;

  // What "Presentacion" in the help menu does: the window comes back rolled up
  // in the top-left corner and the roll goes on from where it was.
  void Present();

  Ui::TForm_inicio* ui() { return ui_.get(); }

  void FormShow();
  void Timer_inicioTimer();
  void Button_SeguirClick();
  void FormClose();

  QTimer Timer_inicio;
  // The roll, kept between presentations.
  int introHeight = 1;   // the height the window takes at the next tick
  int introGrowing = 1;  // 1 unrolling, 0 rolling up
  int introPhase = 0;    // rolls finished, 0..4

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void SetUpStory();
  void LoadPictures();
  void SetUpDecorations();
  void Unroll();
  void RollUp();
  void EndPresentation();
  void StartDecorations();
  void StopDecorations();
  void PlaceWindow();
  void SetWindowHeight(int height);
  QMargins FrameMargins() const;

  std::unique_ptr<Ui::TForm_inicio> ui_;
  bool picturesLoaded_ = false;
};
