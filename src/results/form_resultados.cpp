// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/form_resultados.h"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QScreen>
#include <QUrl>
#include <cstdint>

#include "charset.h"
#include "platform/help_context.h"
#include "platform/printing.h"
#include "platform/prompter_qt.h"
#include "platform/text.h"
#include "platform/title_bar.h"
#include "results/results_report.h"
#include "ui_form_resultados.h"

namespace {

// The window's rows, top to bottom, and the hiding mode each one shows.
constexpr std::array<int, 6> kRowModes = {kHideFewLetters, 5, 1, 2, 3, 6};
constexpr int kThemeBoxLength = 50;
constexpr int kYearWhenNotANumber = 1999;
constexpr int kDayWhenNotANumber = 15;

LocalDate Today() {
  const QDate today = QDate::currentDate();
  return {today.year(), today.day(), today.month()};
}

}  // namespace

TForm_Resultados::TForm_Resultados(QWidget* owner, Dialogs& dialogs, PlayerTable& players,
                                   const QString& gameFolder)
    : QDialog(owner),
      ui_(std::make_unique<Ui::TForm_Resultados>()),
      dialogs_(dialogs),
      players_(players),
      gameFolder_(gameFolder),
      files_(dialogs, sharedFiles_, Today()) {
  ui_->setupUi(this);
  // A dialog border without title-bar buttons: "Cerrar", Esc or a close request close it.
  RemoveTitleBarButtons(*this);
  SetWindowHelpContext(*this, kHelpContext);
  ui_->ComboBox_temas->lineEdit()->setMaxLength(kThemeBoxLength);
  ui_->Button_cerrar->setDefault(false);
  files_.onBusy = [](bool busy) {
    if (busy)
      QApplication::setOverrideCursor(Qt::WaitCursor);
    else
      QApplication::restoreOverrideCursor();
  };
  // The date of the program's start goes to player 1 too.
  const LocalDate today = Today();
  players_.records[0].year = today.year;
  players_.records[0].day = today.day;
  players_.records[0].month = today.month;

  connect(ui_->Button_abrir, &QPushButton::clicked, this, &TForm_Resultados::Button_abrirClick);
  connect(ui_->Button_guardar, &QPushButton::clicked, this, &TForm_Resultados::Button_guardarClick);
  connect(ui_->Button_imprimir, &QPushButton::clicked, this,
          &TForm_Resultados::Button_imprimirClick);
  connect(ui_->Button_acero, &QPushButton::clicked, this, &TForm_Resultados::Button_aceroClick);
  connect(ui_->Button_restablecer, &QPushButton::clicked, this,
          &TForm_Resultados::Button_restablecerClick);
  connect(ui_->Button_cambiar, &QPushButton::clicked, this, &TForm_Resultados::Button_cambiarClick);
  connect(ui_->Button_cerrar, &QPushButton::clicked, this, &TForm_Resultados::Button_cerrarClick);
  connect(ui_->Button_ayuda, &QPushButton::clicked, this, &TForm_Resultados::Button_ayudaClick);
  connect(ui_->ComboBox_nombres, &QComboBox::activated, this,
          &TForm_Resultados::ComboBox_nombresChange);
  connect(ui_->ComboBox_nombres_archivo, &QComboBox::activated, this,
          &TForm_Resultados::ComboBox_nombres_archivoChange);
}

TForm_Resultados::~TForm_Resultados() = default;

std::string TForm_Resultados::ShowResults(const std::vector<std::string>& knownThemes,
                                          const std::string& currentTheme) {
  currentTheme_ = currentTheme;
  FormShow(knownThemes);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  exec();
  return currentTheme_;
}

void TForm_Resultados::FormShow(const std::vector<std::string>& knownThemes) {
  if (!shownBefore_)
    files_.resultsPath = ResultsFiles::DefaultPath(gameFolder_.toStdString());
  shownBefore_ = true;
  FillNames();
  ui_->ComboBox_temas->clear();
  for (const std::string& theme : knownThemes)
    ui_->ComboBox_temas->addItem(ToQt(theme));
  ShowRecord(players_.records[0], false);
  snapshot_ = players_.records;
}

void TForm_Resultados::FillNames() {
  ui_->ComboBox_nombres->clear();
  for (int k = 0; k < players_.playerCount; ++k)
    ui_->ComboBox_nombres->addItem(ToQt(players_.records[k].name));
  ui_->ComboBox_nombres->setCurrentIndex(0);
}

void TForm_Resultados::FillFileNames() {
  ui_->ComboBox_nombres_archivo->clear();
  for (const PlayerRecord& record : files_.filePlayers)
    ui_->ComboBox_nombres_archivo->addItem(ToQt(record.name));
}

void TForm_Resultados::ShowRecord(const PlayerRecord& record, bool fromFile) {
  ui_->Edit_dia->setText(QString::asprintf("%02d", record.day));
  ui_->Edit_agno->setText(QString::number(record.year));
  const bool knownMonth = record.month >= 1 && record.month <= 12;
  ui_->ComboBox_meses->setCurrentIndex(knownMonth ? record.month - 1 : -1);
  SetThemeText(fromFile ? record.theme : currentTheme_);
  QLabel* solved[] = {ui_->Label_aciertos1, ui_->Label_aciertos2, ui_->Label_aciertos3,
                      ui_->Label_aciertos4, ui_->Label_aciertos5, ui_->Label_aciertos6};
  QLabel* failed[] = {ui_->Label_errores1, ui_->Label_errores2, ui_->Label_errores3,
                      ui_->Label_errores4, ui_->Label_errores5, ui_->Label_errores6};
  for (int row = 0; row < 6; ++row) {
    solved[row]->setText(QString::number(record.solved[kRowModes[row] - 1]));
    failed[row]->setText(QString::number(record.failed[kRowModes[row] - 1]));
  }
  ui_->Label_aciertost->setText(QString::number(record.solvedTotal));
  ui_->Label_errorest->setText(QString::number(record.failedTotal));
}

// A longer theme of another program's file is shown whole; typing stays limited to 50.
void TForm_Resultados::SetThemeText(const std::string& theme) {
  const QString text = ToQt(theme);
  QLineEdit* themeEdit = ui_->ComboBox_temas->lineEdit();
  themeEdit->setMaxLength(std::max<int>(kThemeBoxLength, text.size()));
  themeEdit->setText(text);
}

PlayerRecord* TForm_Resultados::SelectedPlayer() {
  const int index = ui_->ComboBox_nombres->currentIndex();
  if (index < 0 || index >= players_.playerCount)
    return nullptr;
  return &players_.records[index];
}

void TForm_Resultados::ComboBox_nombresChange(int) {
  if (const PlayerRecord* record = SelectedPlayer())
    ShowRecord(*record, false);
}

void TForm_Resultados::ComboBox_nombres_archivoChange(int index) {
  if (index >= 0 && index < files_.FilePlayerCount())
    ShowRecord(files_.filePlayers[index], true);
}

void TForm_Resultados::Button_aceroClick() {
  PlayerRecord* record = SelectedPlayer();
  if (!record)
    return;
  record->solved.fill(0);
  record->failed.fill(0);
  record->solvedTotal = 0;
  record->failedTotal = 0;
  ShowRecord(*record, false);
}

void TForm_Resultados::Button_restablecerClick() {
  players_.records = snapshot_;
  FillNames();
  ShowRecord(players_.records[0], false);
}

// The current player takes the file player's record but keeps its own date.
void TForm_Resultados::Button_cambiarClick() {
  PlayerRecord* record = SelectedPlayer();
  const int j = ui_->ComboBox_nombres_archivo->currentIndex();
  if (!record || j < 0 || j >= files_.FilePlayerCount())
    return;
  const int year = record->year, day = record->day, month = record->month;
  *record = files_.filePlayers[j];
  record->year = year;
  record->day = day;
  record->month = month;
  ui_->ComboBox_nombres->setItemText(ui_->ComboBox_nombres->currentIndex(), ToQt(record->name));
  ShowRecord(*record, false);
}

void TForm_Resultados::UseResultsFolder() {
  files_.resultsPath = ResultsFiles::FolderPattern(gameFolder_.toStdString());
}

void TForm_Resultados::Button_guardarClick() {
  currentTheme_ = FromQt(ui_->ComboBox_temas->currentText()).substr(0, kStoredThemeLength);
  bool isNumber = false;
  const int typedYear = ui_->Edit_agno->text().toInt(&isNumber);
  const int year = isNumber ? typedYear : kYearWhenNotANumber;
  const int typedDay = ui_->Edit_dia->text().toInt(&isNumber);
  const int day = isNumber ? static_cast<std::int8_t>(typedDay) : kDayWhenNotANumber;
  const int month = ui_->ComboBox_meses->currentIndex() + 1;
  for (int k = 0; k < players_.playerCount; ++k) {
    PlayerRecord& record = players_.records[k];
    record.theme = currentTheme_;
    record.year = year;
    record.day = day;
    record.month = month;
    snapshot_[k].theme = currentTheme_;
  }
  if (!currentTheme_.empty()) {
    ui_->ComboBox_temas->addItem(ToQt(currentTheme_));
    if (onThemeAdded)
      onThemeAdded(currentTheme_);
  }
  UseResultsFolder();
  files_.ChooseResultsFileToWrite(players_);
}

void TForm_Resultados::Button_abrirClick() {
  UseResultsFolder();
  const int count = files_.LoadFilePlayers();
  FillFileNames();
  if (count == 0)
    return;
  const std::string& firstTheme = files_.filePlayers[0].theme;
  if (!firstTheme.empty()) {
    SetThemeText(firstTheme);
    if (onThemeAdded)
      onThemeAdded(firstTheme);
  }
  const QString name = QFileInfo(QString::fromStdString(files_.resultsPath)).fileName();
  ui_->Label_archivo->setText(QString("Jugadores del archivo '%1':").arg(name));
  ui_->Label_archivo->show();
  ui_->ComboBox_nombres_archivo->show();
  ui_->ComboBox_nombres_archivo->setCurrentIndex(0);
  ui_->Button_cambiar->setEnabled(true);
}

QPrinter& TForm_Resultados::printer() {
  // The report is laid out in the chosen printer's own pixels.
  if (!printer_)
    printer_.reset(LoadPrintModule()->newPrinter());
  return *printer_;
}

void TForm_Resultados::Button_imprimirClick() {
  const PrintModule* module = LoadPrintModule();
  if (!module) {
    dialogs_.Stop(Ansi(kPrintModuleMissing), "Lurimba");
    return;
  }
  if (!dialogs_.AskPrinter(printer()))
    return;
  std::optional<ResultsReader> reader = files_.ChooseResultsFileToPrint();
  if (reader)
    module->printReport(printer(), *reader, dialogs_);
}

void TForm_Resultados::Button_cerrarClick() {
  if (onClosing)
    onClosing(players_.Current().name);
  QDialog::reject();
}

void TForm_Resultados::Button_ayudaClick() {
  if (onHelp)
    onHelp();
}

// Esc and close requests (through QDialog::closeEvent) press "Cerrar".
void TForm_Resultados::reject() {
  Button_cerrarClick();
}
