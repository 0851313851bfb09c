#include "screens/form_acierto.h"

#include "app/form_juego.h"
#include "controls/gif_image.h"
#include "screens/form_puzle.h"
#include "ui_form_acierto.h"

TForm_Acierto::TForm_Acierto(TForm_juego& main)
    : FeedbackDialog(&main), ui_(std::make_unique<Ui::TForm_Acierto>()), main_(main) {
  ui_->setupUi(this);
  Bind(ui_->Label1, ui_->Button1, ui_->Image1, ui_->Button_nulo);
  PlaceBelowOwner(45, 308);
  LoadPicture("acierto.bmp", main.dialogs());
  connect(ui_->Button1, &QPushButton::clicked, this, &TForm_Acierto::Button1Click);
  connect(ui_->Button_nulo, &QPushButton::clicked, this, &TForm_Acierto::Button_nuloClick);
}

TForm_Acierto::~TForm_Acierto() = default;

void TForm_Acierto::showEvent(QShowEvent* event) {
  FeedbackDialog::showEvent(event);
  cleanSolve_ = main_.game().state.exitAnimationPending;
  const bool puzzlesEnabled = puzzle_ && puzzle_->PuzzlesEnabled();
  ShowText(SolvedText(cleanSolve_, puzzlesEnabled));
  if (cleanSolve_)
    main_.sound().Play(SoundId::Acierto, PlayMode::Loop);
}

void TForm_Acierto::SetPuzzle(TForm_puzle* puzzle) {
  puzzle_ = puzzle;
  connect(puzzle, &TForm_puzle::Completed, this, &TForm_Acierto::ShowPuzzleCompleted);
}

void TForm_Acierto::ShowPuzzleCompleted() {
  ShowText(PuzzleCompletedText());
}

void TForm_Acierto::ApplyScene(int scene) {
  const DecorationScene decorations = SceneFor(scene);
  const bool shown[] = {decorations.showFirst, decorations.showSecond, decorations.showThird};
  for (int n = 1; n <= 3; ++n) {
    TGIFImage* gif = main_.Decoration(n);
    gif->SetAnimate(shown[n - 1]);
    gif->setVisible(shown[n - 1]);
  }
  main_.Decoration(4)->SetLeft(decorations.fourthLeft);
}

void TForm_Acierto::Button1Click() {
  if (cleanSolve_) {
    ApplyScene(successScene_);
    successScene_ = NextScene(successScene_);
  }
  Game& game = main_.game();
  game.StartWord();
  main_.ShowWordLabels();
  game.state.wordInPlay = true;
  main_.sound().Stop();
  if (puzzle_)
    puzzle_->Dismiss();
  accept();
}
