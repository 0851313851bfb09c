#include "screens/form_error.h"

#include "app/form_juego.h"
#include "ui_form_error.h"

TForm_Error::TForm_Error(TForm_juego& main)
    : FeedbackDialog(&main), ui_(std::make_unique<Ui::TForm_Error>()), main_(main) {
  ui_->setupUi(this);
  Bind(ui_->Label1, ui_->Button1, ui_->Image1, ui_->Button_nulo);
  PlaceBelowOwner(45, 308);
  LoadPicture("error.bmp", main.dialogs());
  connect(ui_->Button1, &QPushButton::clicked, this, &TForm_Error::Button1Click);
  connect(ui_->Button_nulo, &QPushButton::clicked, this, &TForm_Error::Button_nuloClick);
}

TForm_Error::~TForm_Error() = default;

void TForm_Error::showEvent(QShowEvent* event) {
  FeedbackDialog::showEvent(event);
  PlaceBelowOwner(25, 308);
  ShowText(FailedText(failureCount_));
}

void TForm_Error::Button1Click() {
  Game& game = main_.game();
  game.StartWord();
  game.state.wordInPlay = true;
  accept();
}
