// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/form_juego.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <QUrl>

#include "app/accessibility.h"
#include "app/centred_surface.h"
#include "app/game_menus.h"
#include "app/read_aloud.h"
#include "controls/gif_image.h"
#include "controls/soft_backing.h"
#include "platform/caps_lock.h"
#include "platform/picture_file.h"
#include "platform/text.h"
#include "results/form_directorio.h"
#include "results/form_jugadores.h"
#include "results/form_op_fin.h"
#include "results/form_resultados.h"
#include "screens/form_acierto.h"
#include "screens/form_error.h"
#include "screens/form_inicio.h"
#include "screens/form_puzle.h"
#include "settings/background.h"
#include "settings/on_screen_keyboard.h"
#include "settings/word_font.h"
#include "ui_form_juego.h"

namespace {

constexpr int kGameTimerMs = 1000;
constexpr int kIconTimerMs = 500;
constexpr int kDesignWidth = 800;
constexpr int kDesignHeight = 600;
constexpr int kBackgroundHelpContext = 519;

const char* const kQuitQuestion =
    "\n¿Estás seguro de que deseas terminar \n\ndefinitivamente este juego?\n";
const char* const kSmallScreenText =
    "\nEste programa ha diso diseñado para una resolución de pantalla de 800x600 pixels. "
    "\n\nSi se usa una resolución menor, algunas zonas de la pantalla de juego, no serán "
    "visibles.\n\nSe recomienda cambiar la resolución de la pantalla, como mínimo a 800x600.\n";
const char* const kAuthorText =
    "\nLurimba, juego de palabras para la escuela.\n\nPrograma y autoría: el equipo de "
    "desarrollo de Lurimba.\n\nSoftware libre: Licencia Pública General de GNU, versión 3 o "
    "posterior.\n";
const char* const kNoInfoPageText = "Falta el archivo 'htm' de información.";
const char* const kNoDocentixText =
    "\nNo se ha podido abrir el programa Docentix.\n\nDebe estar en la misma carpeta que "
    "Lurimba.\n";

QSize ScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize(kDesignWidth, kDesignHeight);
}

}  // namespace

TForm_juego::TForm_juego(const GameFolder& folder, Dialogs& dialogs, SoundPlayer& sound,
                         Speaker& speech)
    : ui_(std::make_unique<Ui::TForm_juego>()),
      folder_(folder),
      dialogs_(dialogs),
      sound_(sound),
      game_(*this, sound, dialogs) {
  ui_->setupUi(this);
  ui_->Image_fondojuego->setPixmap(ScreenPicture(":/images/fondojuego.png"));
  ui_->Image_nigno1->setPixmap(ScreenPicture(":/images/nigno1.png"));
  ui_->Image_nigno2->setPixmap(ScreenPicture(":/images/nigno2.png"));
  game_.SetGameFolder(folder_.Utf8());
  Timer_juego.setInterval(kGameTimerMs);
  Timer_icono.setInterval(kIconTimerMs);
  connect(&Timer_juego, &QTimer::timeout, this, &TForm_juego::Timer_juegoTimer);
  connect(&Timer_icono, &QTimer::timeout, this, &TForm_juego::Timer_iconoTimer);
  SetUpKeyboard(dialogs);
  SetUpLook();
  SetUpDecorations();
  menus_ = new GameMenus(*ui_, game_, this);
  readAloud_ = new ReadAloud(*ui_, game_, speech, dialogs_, this);
  ConnectMenus();
  ConnectPopupMenus();
  SetUpAccessibility(*ui_);
  surface_ =
      new CentredSurface(ui_->Panel_juego, QSize(kDesignWidth, ui_->Panel_juego->minimumHeight()),
                         {ui_->Image_fondopantalla, ui_->Image_fondopantalla_tmp});
}

TForm_juego::~TForm_juego() = default;

QPoint TForm_juego::GameOrigin() const {
  return pos() + surface_->Offset();
}

void TForm_juego::SetWindows(const Windows& windows) {
  windows_ = windows;
  // Every hint of every window stays five seconds, also those given later (the
  // theme's file name); the other windows are this one's children.
  for (QWidget* widget : findChildren<QWidget*>())
    widget->setToolTipDuration(5000);
  keyboard_->SetEditors(windows.keyEditor, windows.keyboardChooser);
  // The picture control owns the background; the background owns its three commands.
  background_ =
      new Background(ui_->Image_fondopantalla, ui_->Image_fondopantalla_tmp,
                     {ui_->Mp_Colordefondo, ui_->Mp_Imagendefondo, ui_->Mp_Texturaparafondo},
                     *windows.backgroundChooser, game_, dialogs_);
  connect(windows.puzzle, &TForm_puzle::Completed, this, [this] { game_.ShowPoints(); });
  windows.results->onThemeAdded = [this](const std::string& theme) { AddTheme(theme); };
  windows.results->onClosing = [this](const std::string& name) { SetPlayerName(name); };
  windows.results->onHelp = [this] { help_.OpenHelpFile("lurimba.chm"); };
  // The solved dialog opened by the exit animation does not block the timer
  // that opened it: the game goes on when the player answers it.
  connect(windows.solved, &QDialog::finished, this, [this] {
    if (!solvedDialogAfterExit_)
      return;
    solvedDialogAfterExit_ = false;
    ContinueAfterDialog();
  });
}

void TForm_juego::SetPlayersLayout(bool severalPlayers) {
  game_.SetViewOption(&ViewOptions::currentPlayer, severalPlayers);
  ui_->Button_jugadoranterior->setEnabled(severalPlayers);
  ui_->Button_jugadorsiguiente->setEnabled(severalPlayers);
}

void TForm_juego::SetUpKeyboard(Dialogs& dialogs) {
  Ui::TForm_juego& ui = *ui_;
  KeyboardWidgets widgets;
  widgets.panel = ui.Panel_teclas;
  widgets.keys = {ui.Button_a,  ui.Button_b,  ui.Button_c,  ui.Button_d,  ui.Button_e,
                  ui.Button_f,  ui.Button_g,  ui.Button_h,  ui.Button_i,  ui.Button_j,
                  ui.Button_k,  ui.Button_L,  ui.Button_m,  ui.Button_n,  ui.Button_gn,
                  ui.Button_o,  ui.Button_p,  ui.Button_q,  ui.Button_r,  ui.Button_s,
                  ui.Button_t,  ui.Button_u,  ui.Button_v,  ui.Button_w,  ui.Button_x,
                  ui.Button_y,  ui.Button_z,  ui.Button_a2, ui.Button_e2, ui.Button_i2,
                  ui.Button_o2, ui.Button_u2, ui.Button_u3};
  widgets.vowels = {ui.BitBtn_a,  ui.BitBtn_e,  ui.BitBtn_i,  ui.BitBtn_o,  ui.BitBtn_u,
                    ui.BitBtn_MA, ui.BitBtn_ME, ui.BitBtn_MI, ui.BitBtn_MO, ui.BitBtn_MU};
  widgets.upperCaseKey = ui.SpeedButton_may;
  widgets.colour = ui.Mp_Colorfondodelteclado;
  widgets.font = ui.Mp_Tipodeletra;
  widgets.save = ui.Mp_Guardarletrasdelteclado;
  widgets.read = ui.Mp_Leerletrasdelteclado;
  keyboard_ = new OnScreenKeyboard(widgets, game_, dialogs, folder_);
  connect(keyboard_, &OnScreenKeyboard::LetterPressed, this, &TForm_juego::Press);
  // The program's Caps Lock starts off; the real Caps Lock key switches it in this window.
  CapsLockEmulation::Install(this, [this] { keyboard_->SetUpperCase(!keyboard_->UpperCase()); });
  CapsLockEmulation::SetUpperCase(false);
}

void TForm_juego::SetUpLook() {
  for (QLabel* label : {ui_->Label_palabra, ui_->Label_palabra2, ui_->Label_pista, ui_->Label_tema,
                        ui_->Label_nombrejugador}) {
    label->setTextFormat(Qt::PlainText);
  }
  for (int i = 1; i <= 5; ++i)
    FailedLetterLabel(i)->setTextFormat(Qt::PlainText);
  // What stands on the background itself stays readable over any picture.
  for (QWidget* text : std::initializer_list<QWidget*>{
           ui_->Label_pista, ui_->Label_tiempo, ui_->GroupBox_oportunidades, ui_->GroupBox_puntos,
           ui_->GroupBox_jugador, ui_->GroupBox_controlpalabras})
    InstallSoftBacking(text);
  // Pictures drawn over the room let the mouse reach what lies below them.
  for (int i = 1; i <= 6; ++i)
    FloorPiece(i)->setAttribute(Qt::WA_TransparentForMouseEvents);
  for (int i = 1; i <= kExitFrames; ++i) {
    ExitFrame(i)->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  const QCursor hand(BuiltInPicture(":/images/cursor_mano.png"), 10, 2);
  ui_->Button_jugadoranterior->setCursor(hand);
  ui_->Button_jugadorsiguiente->setCursor(hand);
  // A right press on the word chooses its font and nothing else: the context
  // menu event the window system sends after it stops at the word.
  for (QLabel* word : {ui_->Label_palabra, ui_->Label_palabra2}) {
    word->installEventFilter(this);
    word->setContextMenuPolicy(Qt::PreventContextMenu);
  }
  // Texts that do not fit shrink from these fonts.
  solvedWordFont_ = ui_->Label_palabra2->font();
  themeFont_ = ui_->Label_tema->font();
  pointsFont_ = ui_->Label_puntos->font();
}

void TForm_juego::SetUpDecorations() {
  struct Setting {
    int speed;
    bool autoSize;
  };
  const Setting settings[] = {{25, true}, {15, true}, {20, false}, {75, false}};
  for (int n = 1; n <= 4; ++n) {
    TGIFImage* gif = Decoration(n);
    gif->LoadPicture(QString(":/gifs/deco%1.gif").arg(n));
    gif->SetSpeed(settings[n - 1].speed);
    gif->SetAnimate(true);
    gif->SetLoop(true);
    gif->SetStretch(true);
    gif->SetAutoSize(settings[n - 1].autoSize);
  }
}

TGIFImage* TForm_juego::Decoration(int n) {
  switch (n) {
    case 1:
      return ui_->GIFImage1;
    case 2:
      return ui_->GIFImage2;
    case 3:
      return ui_->GIFImage3;
    default:
      return ui_->GIFImage4;
  }
}

QAction* TForm_juego::ModeAction(int mode) {
  return menus_->ModeAction(mode);
}

void TForm_juego::ConnectMenus() {
  Ui::TForm_juego& ui = *ui_;
  connect(ui.M_Leerpalabrasdearchivo, &QAction::triggered, this,
          &TForm_juego::M_LeerpalabrasdearchivoClick);
  connect(ui.Terminarjuego1, &QAction::triggered, this, &TForm_juego::Terminarjuego1Click);
  connect(ui.Opcionesdesalida1, &QAction::triggered, this, &TForm_juego::Opcionesdesalida1Click);
  connect(ui.M_Controlderesultados, &QAction::triggered, this,
          &TForm_juego::M_ControlderesultadosClick);
  connect(ui.Directoriodepuntuaciones1, &QAction::triggered, this,
          &TForm_juego::Directoriodepuntuaciones1Click);
  connect(ui.M_Autor, &QAction::triggered, this, &TForm_juego::M_AutorClick);
  connect(ui.M_Guardar_configuracion, &QAction::triggered, this,
          &TForm_juego::M_Guardar_configuracionClick);
  connect(ui.M_Ponerconfiguracionpordefecto, &QAction::triggered, this,
          &TForm_juego::M_PonerconfiguracionpordefectoClick);
  connect(ui.M_Version, &QAction::triggered, this, &TForm_juego::M_VersionClick);
  connect(ui.M_Presentacion, &QAction::triggered, this, &TForm_juego::M_PresentacionClick);
  connect(ui.M_Ayuda, &QAction::triggered, this, [this] { help_.OpenHelpFile("lurimba.chm"); });
  connect(ui.Mp_Ayuda, &QAction::triggered, this,
          [this] { help_.OpenHelpFile("lurimba.hlp", kBackgroundHelpContext); });
  // The teacher's companion is installed beside the game's own program.
  connect(ui.M_ProgramaDOCENTIX, &QAction::triggered, this, [this] {
    if (!QProcess::startDetached(QCoreApplication::applicationDirPath() + "/docentix", {}))
      dialogs_.Stop(Ansi(kNoDocentixText), kCaption);
  });
  connect(ui.Button_jugadoranterior, &QPushButton::clicked, this,
          [this] { game_.PreviousPlayer(); });
  connect(ui.Button_jugadorsiguiente, &QPushButton::clicked, this, [this] { game_.NextPlayer(); });

  // The score folder's command is reached by no menu; the names are entered in
  // the players window at the start of every game.
  ui.Directoriodepuntuaciones1->setVisible(false);
  ui.M_Introducirnombresjugadores->setVisible(false);
  ui.M_Introducirnombresjugadores->setEnabled(false);
}

void TForm_juego::ConnectPopupMenus() {
  Ui::TForm_juego& ui = *ui_;
  popupPantalla_ = new QMenu(this);
  popupPantalla_->setObjectName("PopupMenu_pantalla");
  popupPantalla_->addActions({ui.Mp_Colordefondo, ui.Mp_Imagendefondo, ui.Mp_Texturaparafondo});
  popupPantalla_->addSeparator();
  popupPantalla_->addAction(ui.Mp_Ayuda);
  connect(ui.Panel_juego, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { popupPantalla_->popup(ui_->Panel_juego->mapToGlobal(at)); });
  popupTeclado_ = new QMenu(this);
  popupTeclado_->setObjectName("PopupMenu_teclado");
  popupTeclado_->addActions({ui.Mp_Colorfondodelteclado, ui.Mp_Tipodeletra});
  popupTeclado_->addSeparator();
  popupTeclado_->addActions({ui.Mp_Guardarletrasdelteclado, ui.Mp_Leerletrasdelteclado});
  connect(ui.Panel_teclas, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { popupTeclado_->popup(ui_->Panel_teclas->mapToGlobal(at)); });
}

// --- Start-up, timers and the end of the program ---

void TForm_juego::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shownOnce_)
    return;
  shownOnce_ = true;
  const QSize screen = ScreenSize();
  if (screen.width() < kDesignWidth || screen.height() < kDesignHeight) {
    dialogs_.Info(Ansi(kSmallScreenText), kCaption);
  } else {
    if (screen == QSize(kDesignWidth, kDesignHeight))
      showMaximized();
    ui_->centralwidget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui_->centralwidget->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
  Timer_juego.start();
  Timer_icono.start();
}

void TForm_juego::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  const QSize screen = ScreenSize();
  Qt::ScrollBarPolicy policy = Qt::ScrollBarAlwaysOff;
  if (screen == QSize(kDesignWidth, kDesignHeight)) {
    // At 800x600 the window cannot stay restored.
    if (isVisible() && !isMaximized() && !isMinimized()) {
      QTimer::singleShot(0, this, [this] { showMaximized(); });
    }
  } else if (screen.width() <= kDesignWidth && screen.height() <= kDesignHeight) {
    policy = Qt::ScrollBarAsNeeded;
  }
  ui_->centralwidget->setHorizontalScrollBarPolicy(policy);
  ui_->centralwidget->setVerticalScrollBarPolicy(policy);
}

void TForm_juego::Timer_juegoTimer() {
  if (!startupDone_) {
    startupDone_ = true;  // later ticks run while the players window is open
    AskWhoPlays();
    if (programEnding_)
      return;
    StartupSequence();
    if (programEnding_)
      return;
  }
  if (game_.Tick())
    AdvanceChildFigure();
}

// Each pose of the child stays three seconds.
void TForm_juego::AdvanceChildFigure() {
  if (childStep_ == 2) {
    ui_->Image_nigno1->show();
    ui_->Image_nigno2->hide();
    childStep_ = 3;
  } else if (childStep_ == 5) {
    ui_->Image_nigno2->show();
    ui_->Image_nigno1->hide();
    childStep_ = 0;
  } else {
    ++childStep_;
  }
}

// Names are typed in capitals: the keyboard is in upper case while the players window is open.
bool TForm_juego::AskWhoPlays() {
  const bool upperCase = keyboard_->UpperCase();
  keyboard_->SetUpperCase(true);
  const PlayersAnswer answer = windows_.players->Ask();
  if (answer == PlayersAnswer::Quit)
    QuitProgram();
  if (programEnding_)
    return false;
  {
    const QuietAccessibility quiet;
    keyboard_->SetUpperCase(upperCase);
  }
  if (answer != PlayersAnswer::Play)
    return false;
  const GroupEntry entry = windows_.players->Entry();
  game_.StartGroup(entry.names, entry.group, entry.today);
  game_.RestartPuzzles();
  SetPlayersLayout(game_.players().playerCount > 1);
  return true;
}

void TForm_juego::StartupSequence() {
  const auto readConfig = [this](const std::string& file, std::string&) {
    return ReadScreenConfig(QString::fromStdString(file));
  };
  if (!game_.LoadStartupWordList(readConfig))
    return;
  game_.SetViewOption(&ViewOptions::points, false);
  game_.ShowPoints();
  keyboard_->ReadDefaultKeyboard();
}

void TForm_juego::Timer_iconoTimer() {
  if (isMinimized()) {
    QApplication::alert(this, kIconTimerMs);
    return;
  }
  if (game_.state().exitAnimationPending)
    PlayExitStep();
}

void TForm_juego::PlayExitStep() {
  if (exitStep_ == 1) {
    ExitFrame(1)->show();
    exitStep_ = 2;  // advanced before the dialog opens: the next ticks run behind it
    ui_->Image_nigno1->hide();
    ui_->Image_nigno2->hide();
    windows_.solved->SetSeguirVisible(false);
    windows_.solved->Prepare(true, game_.puzzle().Enabled());
    solvedDialogAfterExit_ = true;
    windows_.solved->open();
  } else if (exitStep_ <= kExitFrames) {
    ExitFrame(exitStep_)->show();
    ExitFrame(exitStep_ - 1)->hide();
    ++exitStep_;
  } else {
    exitStep_ = 1;
    windows_.solved->SetSeguirVisible(true);
    game_.ExitAnimationDone();
    ExitFrame(kExitFrames)->hide();
    windows_.puzzle->Present();  // one more piece of the picture, while puzzles run
  }
}

void TForm_juego::closeEvent(QCloseEvent* event) {
  if (programEnding_) {
    event->accept();
    return;
  }
  // Closing never ends the game by itself: the end-of-game options decide.
  event->ignore();
  const EndOfGameChoice choice = windows_.endOptions->Ask();
  if (choice == EndOfGameChoice::Quit)
    QuitProgram();
  // QuitProgram's own close is refused while this one is under way: this one
  // hides the window ("Terminar" in the players window may also have ended it).
  if (programEnding_) {
    event->accept();
    return;
  }
  game_.StartWord();
}

// The teacher's results: the window changes a copy of the players' records,
// which the game takes back when it closes.
void TForm_juego::M_ControlderesultadosClick() {
  const int savedContext = game_.state().helpContext;
  game_.SetHelpContext(TForm_Resultados::kHelpContext);
  *windows_.resultsPlayers = game_.players();
  std::vector<std::string> knownThemes;
  for (int i = 0; i < ui_->ListBox_temas->count(); ++i)
    knownThemes.push_back(FromQt(ui_->ListBox_temas->item(i)->text()));
  const std::string theme = windows_.results->ShowResults(knownThemes, game_.currentTheme());
  if (programEnding_)
    return;
  game_.SetPlayerRecords(windows_.resultsPlayers->records);
  game_.SetCurrentTheme(theme);
  game_.SetHelpContext(savedContext);
}

// The score folder: no menu shows this command.
void TForm_juego::Directoriodepuntuaciones1Click() {
  windows_.scoreFolder->ChooseScoreDirectory();
}

void TForm_juego::QuitProgram() {
  programEnding_ = true;
  help_.CloseHelp();
  Timer_juego.stop();
  Timer_icono.stop();
  close();
  QCoreApplication::exit(0);  // leaves every event loop, those of modal windows too
}

void TForm_juego::Terminarjuego1Click() {
  if (dialogs_.Question(Ansi(kQuitQuestion), kCaption))
    QuitProgram();
}

void TForm_juego::M_AutorClick() {
  dialogs_.Info(Ansi(kAuthorText), kCaption);
}

void TForm_juego::M_VersionClick() {
  const QString page = folder_.File("lurim_w.htm");
  if (QFileInfo::exists(page)) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(page));
    return;
  }
  dialogs_.Plain(Ansi(kAuthorText) + Ansi(kNoInfoPageText));
}

// The introduction unrolls itself over the game, which stays usable behind it.
void TForm_juego::M_PresentacionClick() {
  windows_.intro->Present();
}

void TForm_juego::M_LeerpalabrasdearchivoClick() {
  game_.ReadWordFileCommand();
}

// --- Letters ---

void TForm_juego::FormKeyPress(char c) {
  Press(c, InputSource::PhysicalKeyboard);
}

void TForm_juego::Press(char c, InputSource source) {
  if (!game_.state().wordInPlay)
    return;
  const PressResult result = game_.PressLetter(c, source);
  AnnouncePress(this, c, result, game_.state().chancesLeft, game_.state().displayText);
  readAloud_->LetterJudged(c, result);
  AfterPress(result);
}

// A finished word opens its dialog once the press is over; the next word
// starts when the player has answered it.
void TForm_juego::AfterPress(PressResult result) {
  if (result == PressResult::SolvedWithFailures) {
    windows_.solved->Prepare(false, game_.puzzle().Enabled());
    windows_.solved->exec();
    ContinueAfterDialog();
  } else if (result == PressResult::Lost) {
    windows_.failed->Prepare();
    windows_.failed->exec();
    ContinueAfterDialog();
  }
}

void TForm_juego::ContinueAfterDialog() {
  if (programEnding_)
    return;
  game_.ContinueAfterOutcome();
  ShowWordLabels();
}

void TForm_juego::keyPressEvent(QKeyEvent* event) {
  // F1 anywhere in the window: the topic of what is being done.
  if (event->key() == Qt::Key_F1) {
    help_.ShowHelp(game_.state().helpContext);
    return;
  }
  for (char c : FromQt(event->text()))
    FormKeyPress(c);
  QMainWindow::keyPressEvent(event);
}

bool TForm_juego::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress &&
      (watched == ui_->Label_palabra || watched == ui_->Label_palabra2)) {
    Label_palabraMouseDown(static_cast<QMouseEvent*>(event)->button());
  }
  return QMainWindow::eventFilter(watched, event);
}

// The whole font of the word: its name, size and style, then its colour.
void TForm_juego::Label_palabraMouseDown(Qt::MouseButton button) {
  if (button != Qt::RightButton)
    return;
  const auto font = dialogs_.AskFont(ui_->Panel_palabra->font(), "Tipo de letra de la palabra");
  if (!font)
    return;
  // Cancelling the colour keeps the word's colour as it is.
  const QColor current = FromColourRef(game_.settings().wordFont.colour);
  const QColor colour = dialogs_.AskColor(current, "Color de la palabra").value_or(current);
  game_.SetWordFont(FromQFont(*font, colour));
}

// The word follows the chosen font; the wrong letters take its name only.
void TForm_juego::ApplyWordFont(const WordFont& wordFont) {
  if (wordFont == shownWordFont_)
    return;
  shownWordFont_ = wordFont;
  const QFont font = ToQFont(wordFont, ui_->Panel_palabra->font());
  ui_->Panel_palabra->setFont(font);
  QPalette palette = ui_->Panel_palabra->palette();
  palette.setColor(QPalette::WindowText, FromColourRef(wordFont.colour));
  ui_->Panel_palabra->setPalette(palette);
  SetWordText(FromQt(ui_->Label_palabra->text()));
  for (int i = 1; i <= 5; ++i) {
    QFont letterFont = FailedLetterLabel(i)->font();
    letterFont.setFamily(font.family());
    FailedLetterLabel(i)->setFont(letterFont);
  }
}
