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
#include <QUrl>

#include "controls/gif_image.h"
#include "platform/caps_lock.h"
#include "platform/game_folder.h"
#include "platform/text.h"
#include "results/form_jugadores.h"
#include "screens/form_acierto.h"
#include "screens/form_error.h"
#include "screens/form_inicio.h"
#include "settings/on_screen_keyboard.h"
#include "ui_form_juego.h"

namespace {

constexpr int kGameTimerMs = 1000;
constexpr int kIconTimerMs = 500;
constexpr int kDesignWidth = 800;
constexpr int kDesignHeight = 600;

const char* const kQuitQuestion =
    "\n¿Estás seguro de que deseas terminar \n\ndefinitivamente este juego?\n";
const char* const kSmallScreenText =
    "\nEste programa ha diso diseñado para una resolución de pantalla de 800x600 pixels. "
    "\n\nSi se usa una resolución menor, algunas zonas de la pantalla de juego, no serán "
    "visibles.\n\nSe recomienda cambiar la resolución de la pantalla, como mínimo a 800x600.\n";
const char* const kAuthorText =
    "\nLurimba, juego de palabras para la escuela.\n\nPrograma y autoría: el equipo de "
    "desarrollo de Lurimba.\n";
const char* const kNoInfoPageText = "Falta el archivo 'htm' de información.";

QSize ScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize(kDesignWidth, kDesignHeight);
}

}  // namespace

TForm_juego::TForm_juego(Dialogs& dialogs, SoundPlayer& sound)
    : ui_(std::make_unique<Ui::TForm_juego>()),
      dialogs_(dialogs),
      sound_(sound),
      game_(*this, sound, dialogs) {
  ui_->setupUi(this);
  Timer_juego.setInterval(kGameTimerMs);
  Timer_icono.setInterval(kIconTimerMs);
  connect(&Timer_juego, &QTimer::timeout, this, &TForm_juego::Timer_juegoTimer);
  connect(&Timer_icono, &QTimer::timeout, this, &TForm_juego::Timer_iconoTimer);
  keyboard_ = new OnScreenKeyboard(*ui_, dialogs_);
  // The program's Caps Lock starts off; the real Caps Lock key switches it in this window.
  CapsLockEmulation::Install(this,
                             [this] { keyboard_->SetUpperCase(!keyboard_->keyboardUpperCase); });
  CapsLockEmulation::SetUpperCase(false);
  SetUpLook();
  SetUpDecorations();
  ConnectKeys();
  ConnectMenus();
}

TForm_juego::~TForm_juego() = default;

void TForm_juego::SetWindows(TForm_inicio* intro, TForm_Acierto* solved, TForm_Error* failed,
                             TForm_jugadores* players, TForm_charboton* keyEditor,
                             TForm_teclado* keyboardChooser) {
  intro_ = intro;
  solvedDialog_ = solved;
  failedDialog_ = failed;
  playersWindow_ = players;
  keyboard_->SetEditors(keyEditor, keyboardChooser);
}

void TForm_juego::SetPlayersLayout(bool severalPlayers) {
  ui_->GroupBox_jugador->setVisible(severalPlayers);
  ui_->M_Vernombrejugadoractual->setChecked(severalPlayers);
  ui_->Button_jugadoranterior->setEnabled(severalPlayers);
  ui_->Button_jugadorsiguiente->setEnabled(severalPlayers);
}

void TForm_juego::SetUpLook() {
  for (QLabel* label : {ui_->Label_palabra, ui_->Label_palabra2, ui_->Label_pista, ui_->Label_tema,
                        ui_->Label_nombrejugador}) {
    label->setTextFormat(Qt::PlainText);
  }
  for (int i = 1; i <= 5; ++i)
    FailedLetterLabel(i)->setTextFormat(Qt::PlainText);
  // Pictures drawn over the room let the mouse reach what lies below them.
  for (int i = 1; i <= 6; ++i)
    FloorPiece(i)->setAttribute(Qt::WA_TransparentForMouseEvents);
  for (int i = 1; i <= kExitFrames; ++i) {
    ExitFrame(i)->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  const QCursor hand(QPixmap(":/images/cursor_mano.png"), 10, 2);
  for (QPushButton* button : ui_->Panel_teclas->findChildren<QPushButton*>()) {
    button->setCursor(hand);
  }
  ui_->SpeedButton_may->setIcon(QIcon(":/images/mayus.png"));
  // A child must see at a glance that "Mayús" is down.
  ui_->SpeedButton_may->setStyleSheet(
      "QToolButton { background: rgb(240, 240, 240); border: 2px outset rgb(160, 160, 160);"
      " border-radius: 5px; }"
      "QToolButton:checked { background: rgb(60, 110, 200); color: white;"
      " border: 2px inset rgb(30, 60, 120); }");
  ui_->Button_jugadoranterior->setCursor(hand);
  ui_->Button_jugadorsiguiente->setCursor(hand);
  for (QWidget* widget : findChildren<QWidget*>()) {
    if (!widget->toolTip().isEmpty())
      widget->setToolTipDuration(5000);
  }
  ui_->Label_palabra->installEventFilter(this);
  ui_->Label_palabra2->installEventFilter(this);
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

void TForm_juego::ConnectKeys() {
  for (QPushButton* key :
       ui_->Panel_teclas->findChildren<QPushButton*>(QRegularExpression("^Button_"))) {
    connect(key, &QPushButton::clicked, this, &TForm_juego::Button_aClick);
  }
  const std::pair<QPushButton*, char> vowels[] = {
      {ui_->BitBtn_a, 'a'},  {ui_->BitBtn_e, 'e'},  {ui_->BitBtn_i, 'i'},  {ui_->BitBtn_o, 'o'},
      {ui_->BitBtn_u, 'u'},  {ui_->BitBtn_MA, 'A'}, {ui_->BitBtn_ME, 'E'}, {ui_->BitBtn_MI, 'I'},
      {ui_->BitBtn_MO, 'O'}, {ui_->BitBtn_MU, 'U'}};
  for (const auto& [button, letter] : vowels) {
    const QString name = button->objectName().mid(7);  // "a" or "MA"
    button->setIcon(QIcon(QString(":/images/vocal_%1.png").arg(name)));
    button->setIconSize(button->size());
    connect(button, &QPushButton::clicked, this, [this, letter = letter] {
      if (game_.state.wordInPlay)
        game_.PressLetter(letter);
    });
  }
}

void TForm_juego::ConnectViewToggle(QAction* action, QWidget* target) {
  connect(action, &QAction::triggered, this,
          [target](bool checked) { target->setVisible(checked); });
}

void TForm_juego::ConnectMenus() {
  Ui::TForm_juego& ui = *ui_;
  connect(ui.M_Leerpalabrasdearchivo, &QAction::triggered, this,
          &TForm_juego::M_LeerpalabrasdearchivoClick);
  connect(ui.Terminarjuego1, &QAction::triggered, this, &TForm_juego::Terminarjuego1Click);
  connect(ui.M_Autor, &QAction::triggered, this, &TForm_juego::M_AutorClick);
  connect(ui.M_Version, &QAction::triggered, this, &TForm_juego::M_VersionClick);
  connect(ui.M_Presentacion, &QAction::triggered, this, &TForm_juego::M_PresentacionClick);
  connect(ui.M_Ayuda, &QAction::triggered, this, [] {
    RestoreStartDirectory();
    QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::current().filePath("lurimba.chm")));
  });
  connect(ui.M_ProgramaDOCENTIX, &QAction::triggered, this, [] {
    RestoreStartDirectory();
    QProcess::startDetached(QDir::current().filePath("docentix.exe"), {});
  });

  modeGroup_ = new QActionGroup(this);
  for (int mode = 1; mode <= kModeCount; ++mode) {
    QAction* action = ModeAction(mode);
    modeGroup_->addAction(action);
    connect(action, &QAction::triggered, this, [this, mode] {
      game_.ChooseMode(mode);
      SetModeChecked(game_.state.hideMode);  // a refused command leaves the mode as it was
    });
  }

  connect(ui.M_Tenerencuentasololasvocales, &QAction::triggered, this, [this] {
    game_.SetVowelsOnly(true);
    SyncOptionMenus();
  });
  connect(ui.M_Tenerencuentatodaslasletras, &QAction::triggered, this, [this] {
    game_.SetVowelsOnly(false);
    SyncOptionMenus();
  });
  connect(ui.M_Notenerencuentalasyapulsadas, &QAction::triggered, this, [this] {
    game_.ToggleIgnorePressedLetters();
    SyncOptionMenus();
  });
  connect(ui.M_Ponertodaslasquehay, &QAction::triggered, this, [this] {
    game_.ToggleRevealAll();
    SyncOptionMenus();
  });
  connect(ui.M_Marcarlasvocales, &QAction::triggered, this,
          [this](bool checked) { ShowVowelOverlay(checked); });
  for (const auto& [action, failures] :
       {std::pair{ui.M_Tresletraserroneas, 2}, std::pair{ui.M_Cincoletraserrneaspermitidas, 5}}) {
    connect(action, &QAction::triggered, this, [this, failures = failures] {
      game_.SetAllowedFailures(failures);
      SyncOptionMenus();
    });
  }

  ConnectViewToggle(ui.M_VerTemadelaspalabras, ui.Label_tema);
  ConnectViewToggle(ui.M_Verpistasobrepalabra, ui.Label_pista);
  ConnectViewToggle(ui.M_Vertiempo, ui.Label_tiempo);
  ConnectViewToggle(ui.M_VerControldepalabras, ui.GroupBox_controlpalabras);
  ConnectViewToggle(ui.M_Verletrasfalladas, ui.GroupBox_letrasfalladas);
  ConnectViewToggle(ui.M_Verfallospermitidos, ui.GroupBox_oportunidades);
  ConnectViewToggle(ui.M_Vernombrejugadoractual, ui.GroupBox_jugador);
  ConnectViewToggle(ui.M_Verteclado, ui.Panel_teclas);
  // The two points marks change nothing visible: the points always show both numbers.
  connect(ui.M_VerPuntos, &QAction::triggered, this, [this] { game_.ShowPoints(); });
  connect(ui.M_VerPuntosgrupo, &QAction::triggered, this, [this] { game_.ShowPoints(); });

  connect(ui.Button_jugadoranterior, &QPushButton::clicked, this,
          [this] { game_.PreviousPlayer(); });
  connect(ui.Button_jugadorsiguiente, &QPushButton::clicked, this, [this] { game_.NextPlayer(); });

  // Commands whose windows are not part of the program yet.
  ui.Directoriodepuntuaciones1->setVisible(false);
  ui.M_Introducirnombresjugadores->setVisible(false);
  for (QAction* later :
       {ui.M_Introducirnombresjugadores, ui.Opcionesdesalida1, ui.M_Controlderesultados,
        ui.M_Guardar_configuracion, ui.M_Ponerconfiguracionpordefecto, ui.Mp_Colordefondo,
        ui.Mp_Imagendefondo, ui.Mp_Texturaparafondo, ui.Mp_Ayuda}) {
    later->setEnabled(false);
  }

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

QAction* TForm_juego::ModeAction(int mode) {
  switch (mode) {
    case kHideVowels:
      return ui_->M_Ocultarsolovocales;
    case kHideConsonants:
      return ui_->M_Ocultarsoloconsonantes;
    case kHideAllButEnds:
      return ui_->M_Ocultarsololaprimeraylaltima;
    case kHideManyLetters:
      return ui_->M_Ocultaralazarmuchasletras;
    case kHideMarked:
      return ui_->M_Ocultarletrasmarcadas;
    default:
      return ui_->M_Ocultaralazarfasefacil;
  }
}

void TForm_juego::SyncOptionMenus() {
  const GameState& state = game_.state;
  ui_->M_Tenerencuentasololasvocales->setChecked(state.vowelsOnly);
  ui_->M_Tenerencuentatodaslasletras->setChecked(!state.vowelsOnly);
  ui_->M_Notenerencuentalasyapulsadas->setChecked(!state.countRepeatedLetters);
  ui_->M_Notenerencuentalasyapulsadas->setEnabled(state.revealAllOccurrences);
  ui_->M_Ponertodaslasquehay->setChecked(state.revealAllOccurrences);
  ui_->M_Tresletraserroneas->setChecked(state.allowedFailures == 2);
  ui_->M_Cincoletraserrneaspermitidas->setChecked(state.allowedFailures != 2);
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
  if (!game_.state.wordInPlay)
    return;
  ++game_.state.elapsedSeconds;
  ui_->Label_tiempo->setText(QString::fromStdString(ElapsedText(game_.state.elapsedSeconds)));
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
void TForm_juego::AskWhoPlays() {
  if (!playersWindow_)
    return;
  const bool upperCase = keyboard_->keyboardUpperCase;
  keyboard_->SetUpperCase(true);
  playersWindow_->exec();
  if (programEnding_)
    return;
  keyboard_->SetUpperCase(upperCase);
}

void TForm_juego::StartupSequence() {
  SetStartDirectory(QDir::currentPath());
  game_.state.allowedFailures = 5;
  // The configuration file is not read yet: the start-up finds none.
  const auto noConfiguration = [](const std::string&, std::string&) { return false; };
  if (!game_.LoadStartupWordList(noConfiguration))
    return;
  ui_->M_VerPuntos->setChecked(false);
  game_.ShowPoints();
  SyncOptionMenus();
  keyboard_->ReadDefaultKeyboard();
  RestoreStartDirectory();
}

void TForm_juego::Timer_iconoTimer() {
  if (isMinimized()) {
    QApplication::alert(this, kIconTimerMs);
    return;
  }
  if (game_.state.exitAnimationPending)
    PlayExitStep();
}

void TForm_juego::PlayExitStep() {
  if (exitStep_ == 1) {
    ExitFrame(1)->show();
    exitStep_ = 2;  // advanced before the dialog opens: the next ticks run behind it
    ui_->Image_nigno1->hide();
    ui_->Image_nigno2->hide();
    if (solvedDialog_) {
      solvedDialog_->SetSeguirVisible(false);
      solvedDialog_->open();
    }
  } else if (exitStep_ <= kExitFrames) {
    ExitFrame(exitStep_)->show();
    ExitFrame(exitStep_ - 1)->hide();
    ++exitStep_;
  } else {
    exitStep_ = 1;
    if (solvedDialog_)
      solvedDialog_->SetSeguirVisible(true);
    game_.state.exitAnimationPending = false;
    ExitFrame(kExitFrames)->hide();
  }
}

void TForm_juego::closeEvent(QCloseEvent* event) {
  if (programEnding_) {
    event->accept();
    return;
  }
  event->ignore();
  // Until the end-of-game options exist, closing asks whether to end the game.
  if (dialogs_.Question(Ansi(kQuitQuestion), kCaption)) {
    QuitProgram();
    return;
  }
  if (!programEnding_)
    game_.StartWord();
}

void TForm_juego::QuitProgram() {
  programEnding_ = true;
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
  RestoreStartDirectory();
  const QString page = QDir::current().filePath("lurim_w.htm");
  if (QFileInfo::exists(page)) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(page));
    return;
  }
  dialogs_.Plain(Ansi(kAuthorText) + Ansi(kNoInfoPageText));
}

// The introduction unrolls itself over the game, which stays usable behind it.
void TForm_juego::M_PresentacionClick() {
  if (intro_)
    intro_->Present();
}

void TForm_juego::M_LeerpalabrasdearchivoClick() {
  RestoreStartDirectory();
  game_.ReadWordFileCommand(PathFromQt(StartDirectory()));
}

// --- Letters ---

void TForm_juego::Button_aClick() {
  auto* key = qobject_cast<QPushButton*>(sender());
  if (!key)
    return;
  game_.state.inputSource = InputSource::OnScreenKey;
  const std::string caption = FromQt(key->text());
  if (game_.state.wordInPlay && !caption.empty())
    game_.PressLetter(caption[0]);
}

void TForm_juego::FormKeyPress(char c) {
  if (!game_.state.wordInPlay)
    return;
  game_.state.inputSource = InputSource::PhysicalKeyboard;
  game_.PressLetter(c);
}

void TForm_juego::keyPressEvent(QKeyEvent* event) {
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

void TForm_juego::Label_palabraMouseDown(Qt::MouseButton button) {
  if (button != Qt::RightButton)
    return;
  const auto font = dialogs_.AskFont(ui_->Label_palabra->font());
  if (!font)
    return;
  ui_->Panel_palabra->setFont(*font);
  for (int i = 1; i <= 5; ++i) {
    QFont letterFont = FailedLetterLabel(i)->font();
    letterFont.setFamily(font->family());
    FailedLetterLabel(i)->setFont(letterFont);
  }
}
