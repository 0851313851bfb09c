// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/form_inicio.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "controls/ant_label.h"
#include "controls/gif_image.h"
#include "platform/picture_file.h"
#include "platform/title_bar.h"
#include "ui_form_inicio.h"

namespace {

const char* const kStory =
    "Bienvenido al juego de las LURIMBA.\nA través de los grandes pasillos del castillo, has "
    "llegado hasta las salas de las palabras incompletas. Para cruzar las salas debes escribir "
    "todas las letras que le faltan a la palabra. Si fallas, el suelo se romperá bajo tus pies y "
    "no podrás pasar.\nPiensa bien las letras para acertar y que tengas suerte.";

constexpr int kLeft = 1;
constexpr int kTop = 1;
constexpr int kWidth = 639;
constexpr int kFullHeight = 505;
constexpr int kRollStep = 20;
constexpr int kLastPhase = 4;
constexpr int kPictureHeight = 480;
// The roll is meant to go as fast as the system allows; 16 ms is one frame of a
// 60 Hz screen, so a full roll of 26 ticks takes about 0.4 s.
constexpr int kTickMs = 16;

}  // namespace

TForm_inicio::TForm_inicio(QWidget* owner)
    : QDialog(owner), ui_(std::make_unique<Ui::TForm_inicio>()) {
  ui_->setupUi(this);
  // Only the title bar: no close, minimise or maximise buttons.
  RemoveTitleBarButtons(*this);
  setModal(false);
  SetUpDecorations();
  SetUpStory();
  Timer_inicio.setInterval(kTickMs);
  connect(&Timer_inicio, &QTimer::timeout, this, &TForm_inicio::Timer_inicioTimer);
  connect(ui_->Button_Seguir, &QPushButton::clicked, this, &TForm_inicio::Button_SeguirClick);
}

TForm_inicio::~TForm_inicio() = default;

// The window is built hidden at start-up and most games never show it: its pictures and
// animations are decoded at its first presentation, once.
void TForm_inicio::LoadPictures() {
  if (picturesLoaded_)
    return;
  picturesLoaded_ = true;
  ui_->Image_logotamu->setPixmap(BuiltInPicture(":/images/logotamu.png"));
  ui_->Image_castillo->setPixmap(BuiltInPicture(":/images/castillo.png"));
  ui_->GIFImage1->LoadPicture(":/gifs/intro1.gif");
  ui_->GIFImage2->LoadPicture(":/gifs/intro2.gif");
  ui_->GIFImage3->LoadPicture(":/gifs/intro3.gif");
}

// How the three animations of the castle page play; their pictures come with LoadPictures().
void TForm_inicio::SetUpDecorations() {
  struct Setting {
    TGIFImage* gif;
    int speed;
    bool tile;
  };
  const Setting settings[] = {
      {ui_->GIFImage1, 30, true}, {ui_->GIFImage2, 20, true}, {ui_->GIFImage3, 50, false}};
  for (const Setting& s : settings) {
    s.gif->SetSpeed(s.speed);
    s.gif->SetLoop(true);
    s.gif->SetTile(s.tile);
    s.gif->SetStretch(!s.tile);
    s.gif->SetColor(Qt::white);
  }
}

// Yellow on black when idle; white on navy with a red outline under the mouse;
// red on maroon with a white outline while a button is held on it.
void TForm_inicio::SetUpStory() {
  using State = TantLabel::State;
  TantLabel* label = ui_->antLabel1;
  label->SetAlignment(Qt::AlignHCenter);
  struct Look {
    State state;
    QColor front, back;
    bool highLight;
    QColor highLightColor;
  };
  const QPalette& system = label->palette();
  const Look looks[] = {{State::Normal, Qt::yellow, Qt::black, false, Qt::yellow},
                        {State::Selected, Qt::white, QColor(0, 0, 128), true, Qt::red},
                        {State::Active, Qt::red, QColor(128, 0, 0), true, Qt::white},
                        {State::Disabled, system.color(QPalette::Dark),
                         system.color(QPalette::Light), false, Qt::yellow}};
  for (const Look& look : looks) {
    label->SetColorFront(look.state, look.front);
    label->SetColorBack(look.state, look.back);
    label->SetHighLight(look.state, look.highLight);
    label->SetHighLightColor(look.state, look.highLightColor);
  }
}

void TForm_inicio::Present() {
  PlaceWindow();
  Timer_inicio.start();
  show();
}

void TForm_inicio::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous())
    FormShow();
}

void TForm_inicio::FormShow() {
  LoadPictures();
  StopDecorations();
  ui_->antLabel1->hide();
  PlaceWindow();
  Timer_inicio.start();
}

void TForm_inicio::Timer_inicioTimer() {
  if (introGrowing == 1)
    Unroll();
  else
    RollUp();
}

void TForm_inicio::Unroll() {
  SetWindowHeight(introHeight);
  introHeight += kRollStep;
  if (introHeight >= kFullHeight) {
    introHeight = kFullHeight;
    SetWindowHeight(kFullHeight);
    introGrowing = 0;
    Timer_inicio.stop();  // waits for "Seguir"
    ++introPhase;
    ui_->Button_Seguir->show();
  }
}

void TForm_inicio::RollUp() {
  SetWindowHeight(introHeight);
  introHeight -= kRollStep;
  if (introHeight <= 1) {
    // At the top the page turns to the castle and the window unrolls again.
    introHeight = 1;
    ui_->Image_logotamu->hide();
    ui_->Image_castillo->show();
    ui_->antLabel1->show();
    StartDecorations();
    introGrowing = 1;
    ++introPhase;
    ui_->Button_Seguir->show();
  }
  if (introPhase >= kLastPhase)
    EndPresentation();
}

// "Seguir" stays as it is, so the next presentation shows it from its first roll.
void TForm_inicio::EndPresentation() {
  Timer_inicio.stop();
  hide();
  introPhase = 0;
  introHeight = 1;
  introGrowing = 1;
  ui_->Image_logotamu->show();
  ui_->Image_castillo->hide();
  StopDecorations();
  ui_->antLabel1->hide();
}

void TForm_inicio::Button_SeguirClick() {
  ui_->antLabel1->SetCaption(QString::fromUtf8(kStory));
  Timer_inicio.start();
  ui_->Button_Seguir->hide();
}

void TForm_inicio::FormClose() {
  Timer_inicio.stop();
}

// Closed through the window system, the window only stops and hides; the roll
// keeps its state for the next presentation.
void TForm_inicio::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

// No cancel button: Esc does nothing. Enter presses "Seguir" while it shows.
void TForm_inicio::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

// The two pages are aligned to the top: as wide as the window, 480 pixels high.
void TForm_inicio::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  for (QWidget* page : {ui_->Image_logotamu, ui_->Image_castillo})
    page->setGeometry(0, 0, width(), kPictureHeight);
}

void TForm_inicio::StartDecorations() {
  for (TGIFImage* gif : {ui_->GIFImage1, ui_->GIFImage2, ui_->GIFImage3}) {
    gif->SetAnimate(true);
    gif->show();
  }
}

void TForm_inicio::StopDecorations() {
  for (TGIFImage* gif : {ui_->GIFImage1, ui_->GIFImage2, ui_->GIFImage3}) {
    gif->SetAnimate(false);
    gif->hide();
  }
}

// The roll's sizes are the window's outer size, title bar and border included,
// as the window system counts them; the client area gets what is left.
QMargins TForm_inicio::FrameMargins() const {
  const QRect outer = frameGeometry();
  const QRect inner = geometry();
  return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                  outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

void TForm_inicio::PlaceWindow() {
  const QMargins frame = FrameMargins();
  move(kLeft, kTop);  // a window's position is that of its frame
  setFixedSize(std::max(kWidth - frame.left() - frame.right(), 1),
               std::max(1 - frame.top() - frame.bottom(), 1));
}

void TForm_inicio::SetWindowHeight(int height) {
  const QMargins frame = FrameMargins();
  setFixedSize(width(), std::max(height - frame.top() - frame.bottom(), 1));
}
