// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main game window: the castle room, the word, the counters, the
// on-screen keyboard, the menus and the two timers that drive the game. It
// wires the game to the windows; each part keeps its own commands.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <memory>

#include "game.h"
#include "game_view.h"
#include "platform/game_folder.h"
#include "platform/help.h"
#include "platform/prompter_qt.h"
#include "screens/room_view.h"
#include "settings/config_file.h"

namespace Ui {
class TForm_juego;
}
class Background;
class CentredSurface;
class GameMenus;
class QLabel;
class QMenu;
class ReadAloud;
class Speaker;
class OnScreenKeyboard;
class TForm_Acierto;
class TForm_charboton;
class TForm_dibujof;
class TForm_Error;
class TForm_inicio;
class TForm_directorio;
class TForm_jugadores;
class TForm_op_fin;
class TForm_puzle;
class TForm_Resultados;
class TForm_teclado;
class TGIFImage;

class TForm_juego : public QMainWindow, public GameView, public RoomView, public ScreenLook {
  Q_OBJECT

 public:
  // The whole window at its design size, menu bar included: what the scale must fit on
  // the screen.
  static constexpr QSize kDesignSize{835, 724};

  TForm_juego(const GameFolder& folder, Dialogs& dialogs, SoundPlayer& sound, Speaker& speech);
  ~TForm_juego() override;

  // Where the game's design block begins on the screen: the window's place, plus how far
  // the block is centred in a window larger than the design.
  QPoint GameOrigin() const;

  // The windows this one opens, created after it.
  struct Windows {
    TForm_inicio* intro;
    TForm_Acierto* solved;
    TForm_Error* failed;
    TForm_jugadores* players;
    TForm_charboton* keyEditor;
    TForm_teclado* keyboardChooser;
    TForm_op_fin* endOptions;
    TForm_directorio* scoreFolder;
    TForm_dibujof* backgroundChooser;
    TForm_puzle* puzzle;
    TForm_Resultados* results;
    PlayerTable* resultsPlayers;  // the copy of the players' table the results window changes
  };
  void SetWindows(const Windows& windows);

  Game& game() { return game_; }
  Ui::TForm_juego* ui() { return ui_.get(); }
  TGIFImage* Decoration(int n);
  QAction* ModeAction(int mode);
  int ExitStep() const { return exitStep_; }
  bool StartupDone() const { return startupDone_; }
  OnScreenKeyboard& keyboard() { return *keyboard_; }
  Background& background() { return *background_; }
  ReadAloud& readAloud() { return *readAloud_; }
  Help& help() { return help_; }
  // One player: no current-player box; several: the box and the two player buttons.
  void SetPlayersLayout(bool severalPlayers);

  // The players window, with the keyboard in capitals; true when a new group plays.
  bool AskWhoPlays();

  // Timers and start-up.
  void Timer_juegoTimer();
  void Timer_iconoTimer();
  void StartupSequence();
  QTimer Timer_juego;
  QTimer Timer_icono;

  // GameView
  void SetWordText(const std::string& text) override;
  void AnnounceNewWord(const std::string& text) override;
  void ShowRevealedWord(const std::string& text) override;
  void SetHintText(const std::string& text) override;
  void SetThemeText(const std::string& text) override;
  void SetThemeTooltip(const std::string& path) override;
  void AddTheme(const std::string& theme) override;
  void ShowSolvedWord() override;
  void HideSceneFrames() override;
  void HideBrokenFloor() override;
  void ShowBrokenFloor(int piece) override;
  void SetTimeText(const std::string& text) override;
  void SetChances(int chances) override;
  void SetFailedLetter(int label, char c) override;
  void ClearFailedLetters() override;
  void SetWordCounters(int solved, int failed) override;
  void SetPlayerName(const std::string& name) override;
  void SetPointsText(const std::string& text) override;
  void ShowSettings(const Settings& settings) override;
  void SetVowelOptionsEnabled(bool enabled) override;
  void ShowVowelOverlay(bool show) override;
  void SetBusyCursor(bool busy) override;
  void QuitProgram() override;
  bool ProgramEnding() const override { return programEnding_; }

  // RoomView
  void ShowDecorationScene(const DecorationScene& scene) override;

  // ScreenLook: what reading a configuration changes on the screen.
  void SetWindowColour(std::uint32_t colour) override;
  bool ShowBackgroundPicture(const QString& file) override;
  bool ApplyTexture(const QString& file) override;
  void HideBackground() override;
  void SetListPath(const QString& path) override;
  void SetWordFont(const WordFont& font) override;
  void ShowGameOptions(const Settings& settings) override;

  // The configuration files.
  bool ReadScreenConfig(const QString& fileName);
  void M_Guardar_configuracionClick();
  void M_PonerconfiguracionpordefectoClick();

  // Handlers.
  void FormKeyPress(char c);
  void Terminarjuego1Click();
  void Opcionesdesalida1Click() { close(); }
  void M_ControlderesultadosClick();
  void Directoriodepuntuaciones1Click();
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
  void SetUpKeyboard(Dialogs& dialogs);
  void ConnectMenus();
  void ConnectPopupMenus();
  void Press(char c, InputSource source);
  void AfterPress(PressResult result);
  void ContinueAfterDialog();
  void ShowWordLabels();
  void ApplyWordFont(const WordFont& font);
  void AdvanceChildFigure();
  void PlayExitStep();
  QLabel* FloorPiece(int piece);
  QLabel* ExitFrame(int frame);
  QLabel* FailedLetterLabel(int label);

  static constexpr int kExitFrames = 8;

  std::unique_ptr<Ui::TForm_juego> ui_;
  CentredSurface* surface_ = nullptr;
  GameFolder folder_;
  Dialogs& dialogs_;
  SoundPlayer& sound_;
  Game game_;
  Help help_;
  GameMenus* menus_ = nullptr;
  ReadAloud* readAloud_ = nullptr;
  OnScreenKeyboard* keyboard_ = nullptr;
  Background* background_ = nullptr;
  Windows windows_{};
  QMenu* popupPantalla_ = nullptr;
  QMenu* popupTeclado_ = nullptr;

  bool programEnding_ = false;
  bool startupDone_ = false;
  bool shownOnce_ = false;
  bool solvedDialogAfterExit_ = false;  // the solved dialog was opened by the exit animation
  WordFont shownWordFont_;              // the design's font until one is chosen
  QFont solvedWordFont_, themeFont_, pointsFont_;  // design fonts of labels that shrink to fit
  int childStep_ = 0;
  int exitStep_ = 1;
};
