// The main game window: the castle room, the word, the counters, the
// on-screen keyboard, the menus and the two timers that drive the game.
#pragma once

#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QTimer>
#include <array>
#include <memory>

#include "game.h"
#include "game_view.h"
#include "platform/prompter_qt.h"

namespace Ui {
class TForm_juego;
}
class QLabel;
class QPushButton;
class OnScreenKeyboard;
class TForm_Acierto;
class TForm_charboton;
class TForm_Error;
class TForm_inicio;
class TForm_jugadores;
class TForm_teclado;
class TGIFImage;

class TForm_juego : public QMainWindow, public GameView {
  Q_OBJECT

 public:
  TForm_juego(Dialogs& dialogs, SoundPlayer& sound);
  ~TForm_juego() override;

  // The windows this one opens, created after it.
  void SetWindows(TForm_inicio* intro, TForm_Acierto* solved, TForm_Error* failed,
                  TForm_jugadores* players, TForm_charboton* keyEditor,
                  TForm_teclado* keyboardChooser);

  Game& game() { return game_; }
  Ui::TForm_juego* ui() { return ui_.get(); }
  SoundPlayer& sound() { return sound_; }
  Dialogs& dialogs() { return dialogs_; }
  TGIFImage* Decoration(int n);
  QAction* ModeAction(int mode);
  int ExitStep() const { return exitStep_; }
  bool StartupDone() const { return startupDone_; }
  OnScreenKeyboard& keyboard() { return *keyboard_; }
  // One player: no current-player box; several: the box and the two player buttons.
  void SetPlayersLayout(bool severalPlayers);

  // Timers and start-up.
  void Timer_juegoTimer();
  void Timer_iconoTimer();
  void StartupSequence();
  QTimer Timer_juego;
  QTimer Timer_icono;

  // GameView
  void SetWordText(const std::string& text) override;
  void RevealLetter(int position, char c) override;
  void SetHintText(const std::string& text) override;
  void SetThemeText(const std::string& text) override;
  void SetThemeTooltip(const std::string& path) override;
  void AddTheme(const std::string& theme) override;
  void ShowSolvedWord() override;
  void HideSceneFrames() override;
  void HideBrokenFloor() override;
  void ShowBrokenFloor(int piece) override;
  void SetChances(int chances) override;
  void SetFailedLetter(int label, char c) override;
  void ClearFailedLetters() override;
  void SetWordCounters(int solved, int failed) override;
  void SetPlayerName(const std::string& name) override;
  void SetPointsText(const std::string& text) override;
  void SetModeChecked(int mode) override;
  void SetVowelOptionsEnabled(bool enabled) override;
  bool VowelMarksChecked() const override;
  void SetVowelMarksChecked(bool checked) override;
  void ShowVowelOverlay(bool show) override;
  void SetBusyCursor(bool busy) override;
  void ShowSolvedDialog() override;
  void ShowFailedDialog() override;
  void QuitProgram() override;
  bool ProgramEnding() const override { return programEnding_; }

  // The word shown again after a dialog's "Seguir".
  void ShowWordLabels();

  // Handlers.
  void Button_aClick();
  void FormKeyPress(char c);
  void Terminarjuego1Click();
  void M_AutorClick();
  void M_VersionClick();
  void M_LeerpalabrasdearchivoClick();
  void M_PresentacionClick();
  void Label_palabraMouseDown(Qt::MouseButton button);

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetUpLook();
  void SetUpDecorations();
  void ConnectKeys();
  void ConnectMenus();
  void ConnectViewToggle(QAction* action, QWidget* target);
  void SyncOptionMenus();
  void AdvanceChildFigure();
  void AskWhoPlays();
  void PlayExitStep();
  QLabel* FloorPiece(int piece);
  QLabel* ExitFrame(int frame);
  QLabel* FailedLetterLabel(int label);

  static constexpr int kExitFrames = 8;

  std::unique_ptr<Ui::TForm_juego> ui_;
  Dialogs& dialogs_;
  SoundPlayer& sound_;
  Game game_;
  TForm_Acierto* solvedDialog_ = nullptr;
  TForm_Error* failedDialog_ = nullptr;
  TForm_jugadores* playersWindow_ = nullptr;
  TForm_inicio* intro_ = nullptr;
  OnScreenKeyboard* keyboard_ = nullptr;
  QActionGroup* modeGroup_ = nullptr;
  QMenu* popupPantalla_ = nullptr;
  QMenu* popupTeclado_ = nullptr;

  bool programEnding_ = false;
  bool startupDone_ = false;
  bool shownOnce_ = false;
  int childStep_ = 0;
  int exitStep_ = 1;
};
