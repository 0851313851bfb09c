// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/word_list_tab.h"

#include <QAction>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTableWidget>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>
#include <cctype>

#include "charset.h"
#include "docentix/letter_marker.h"
#include "docentix/list_import.h"
#include "docentix/mode_previews.h"
#include "docentix/spelling_delegate.h"
#include "list_fitting.h"
#include "platform/prompter_qt.h"
#include "platform/save_file.h"
#include "platform/text.h"
#include "word_file_messages.h"

namespace {

const char* const kDocentixCaption = "Docentix";
const char* const kListFilters[] = {"Archivo de palabras (*.lma)", "Todos (*.*)"};
constexpr int kWordColumn = 0;
constexpr int kHintColumn = 1;
constexpr int kShownProblems = 6;  // in the message that refuses a save
const QColor kErrorBackground(255, 222, 222);
const QColor kWarningBackground(255, 243, 205);

std::string Utf8(const QString& text) {
  return text.toStdString();
}

QString FromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

QMessageBox::StandardButton AskToSaveChanges(QWidget* owner) {
  QMessageBox box(QMessageBox::Question, kDocentixCaption,
                  QStringLiteral("La lista de palabras tiene cambios sin guardar.\n\n"
                                 "¿Desea guardarlos?"),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Sí"));
  box.button(QMessageBox::No)->setText(QStringLiteral("No"));
  box.button(QMessageBox::Cancel)->setText(QStringLiteral("Cancelar"));
  box.setDefaultButton(QMessageBox::Yes);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

// One line, cut short with "…" where it is wider than the panel, which it never widens.
class WordListTab::ElidedLabel : public QLabel {
 public:
  explicit ElidedLabel(QWidget* parent) : QLabel(parent) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  }
  void SetWholeText(const QString& text) {
    whole_ = text;
    setToolTip(text);
    Elide();
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QLabel::resizeEvent(event);
    Elide();
  }

 private:
  void Elide() {
    setText(fontMetrics().elidedText(whole_, Qt::ElideRight, contentsRect().width()));
  }

  QString whole_;
};

WordListTab::WordListTab(const QString& listsFolder, Dialogs& dialogs, SpellChecker& spelling,
                         QWidget* parent)
    : QWidget(parent),
      listsFolder_(listsFolder),
      dialogs_(dialogs),
      spelling_(spelling),
      askChanges_([this] { return AskToSaveChanges(this); }),
      theme_(new QLineEdit(this)),
      table_(new QTableWidget(0, 2, this)),
      selectedWord_(new ElidedLabel(this)),
      marker_(new LetterMarker(this)),
      previews_(new ModePreviews(this)),
      problemList_(new QListWidget(this)),
      summary_(new QLabel(this)),
      undo_(new QUndoStack(this)),
      rowMenu_(new QMenu(this)),
      spellingDelegate_(new SpellingDelegate(spelling_, table_)),
      partNote_(new QLabel(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MakeButtons());

  auto* themeRow = new QHBoxLayout;
  auto* themeLabel = new QLabel(QStringLiteral("&Tema:"), this);
  themeLabel->setBuddy(theme_);
  theme_->setPlaceholderText(QStringLiteral("El tema de la lista, por ejemplo «Animales»"));
  themeRow->addWidget(themeLabel);
  themeRow->addWidget(theme_);
  layout->addLayout(themeRow);
  partNote_->setWordWrap(true);
  partNote_->setStyleSheet(
      "QLabel { background: #e3eefb; border: 1px solid #8fb0d8; padding: 4px; }");
  partNote_->hide();
  layout->addWidget(partNote_);
  layout->addWidget(MakeRowCommands());

  table_->setHorizontalHeaderLabels({QStringLiteral("Palabra"), QStringLiteral("Pista")});
  table_->horizontalHeader()->setSectionResizeMode(kWordColumn, QHeaderView::Interactive);
  table_->horizontalHeader()->setSectionResizeMode(kHintColumn, QHeaderView::Stretch);
  table_->setColumnWidth(kWordColumn, 170);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->setItemDelegate(spellingDelegate_);
  table_->setAlternatingRowColors(true);

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->addWidget(table_);
  splitter->addWidget(MakeWordPanel());
  // Half the width each: on a small screen, the previews need the room more than the hints.
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 1);
  layout->addWidget(splitter, 1);

  summary_->setWordWrap(true);
  layout->addWidget(summary_);
  problemList_->setMaximumHeight(96);
  problemList_->setWordWrap(true);
  layout->addWidget(problemList_);

  connect(theme_, &QLineEdit::textEdited, this, &WordListTab::ThemeEdited);
  connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (!filling_)
      CellEdited(item->row(), item->column());
  });
  connect(undo_, &QUndoStack::cleanChanged, this, &WordListTab::UpdateModified);
  connect(table_, &QTableWidget::currentCellChanged, this, &WordListTab::ShowSelectedWord);
  connect(marker_, &LetterMarker::LetterClicked, this, &WordListTab::MarkLetter);
  connect(problemList_, &QListWidget::currentRowChanged, this, &WordListTab::GoToProblem);
  SetDraft({}, QString());
}

WordListTab::~WordListTab() {
  undo_->disconnect(this);
}

QWidget* WordListTab::MakeButtons() {
  auto* buttons = new QWidget(this);
  auto* row = new QHBoxLayout(buttons);
  row->setContentsMargins(0, 0, 0, 0);
  const auto add = [&](const QString& text, const QString& tip,
                       const std::function<void()>& command) {
    auto* button = new QPushButton(text, buttons);
    button->setToolTip(tip);
    connect(button, &QPushButton::clicked, this, command);
    row->addWidget(button);
  };
  add(QStringLiteral("&Nueva"), QStringLiteral("Empezar una lista vacía"), [this] { NewList(); });
  add(QStringLiteral("&Abrir..."), QStringLiteral("Abrir una lista de palabras (.lma)"),
      [this] { OpenList(); });
  add(QStringLiteral("&Guardar"), QStringLiteral("Guardar la lista para el juego"),
      [this] { Save(); });
  add(QStringLiteral("Guardar &como..."), QStringLiteral("Guardar la lista con otro nombre"),
      [this] { SaveAs(); });
  row->addSpacing(16);
  add(QStringLiteral("&Importar..."),
      QStringLiteral("Traer palabras y pistas de un archivo de texto, CSV o kvtml"),
      [this] { ImportList(); });
  add(QStringLiteral("&Exportar..."),
      QStringLiteral("Escribir las palabras y pistas en un archivo de texto (UTF-8)"),
      [this] { ExportList(); });
  row->addStretch();
  return buttons;
}

// What a long word needs more than the panel's height scrolls; nothing in it widens the panel.
QWidget* WordListTab::MakeWordPanel() {
  auto* panel = new QGroupBox(QStringLiteral("Palabra seleccionada"), this);
  auto* scroll = new QScrollArea(panel);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setFocusPolicy(Qt::NoFocus);
  (new QVBoxLayout(panel))->addWidget(scroll);
  scroll->viewport()->setAutoFillBackground(false);
  auto* contents = new QWidget;
  auto* column = new QVBoxLayout(contents);
  column->setContentsMargins(0, 0, 0, 0);
  selectedWord_->setStyleSheet("font-size: 14pt; font-weight: bold;");
  column->addWidget(selectedWord_);
  auto* markHelp = new QLabel(
      QStringLiteral("Pulse las letras que el juego debe ocultar en «Ocultar letras marcadas»:"),
      contents);
  markHelp->setWordWrap(true);
  column->addWidget(markHelp);
  column->addWidget(marker_);
  column->addSpacing(8);
  auto* previewsHelp =
      new QLabel(QStringLiteral("Así la verá el niño en cada opción de juego:"), contents);
  previewsHelp->setWordWrap(true);
  column->addWidget(previewsHelp);
  column->addWidget(previews_);
  column->addStretch();
  scroll->setWidget(contents);
  contents->setAutoFillBackground(false);
  return panel;
}

void WordListTab::SetDraft(const WordListDraft& draft, const QString& path,
                           const QList<int>& lines) {
  importedLines_ = lines;
  filling_ = true;
  theme_->setText(FromUtf8(draft.theme));
  table_->clearContents();
  table_->setRowCount(static_cast<int>(draft.entries.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    table_->setItem(row, kWordColumn, new QTableWidgetItem(FromUtf8(draft.entries[row].word)));
    auto* hint = new QTableWidgetItem(FromUtf8(draft.entries[row].hint));
    if (!draft.entries[row].fullHint.empty())
      hint->setData(kFullHintRole, FromUtf8(draft.entries[row].fullHint));
    table_->setItem(row, kHintColumn, hint);
  }
  EnsureBlankLastRow();
  filling_ = false;
  path_ = path;
  table_->setCurrentCell(0, kWordColumn);
  Recheck();
  ShowSelectedWord();
  shown_ = State();
  undo_->clear();
  changedOutsideStack_ = false;
  UpdateModified();
}

WordListDraft WordListTab::Draft() const {
  WordListDraft draft;
  draft.theme = Utf8(theme_->text());
  for (int row = 0; row < table_->rowCount(); ++row) {
    const QTableWidgetItem* word = table_->item(row, kWordColumn);
    const QTableWidgetItem* hint = table_->item(row, kHintColumn);
    draft.entries.push_back({word ? Utf8(word->text()) : std::string(),
                             hint ? Utf8(hint->text()) : std::string(),
                             hint ? Utf8(hint->data(kFullHintRole).toString()) : std::string()});
  }
  return draft;
}

void WordListTab::UpdateModified() {
  modified_ = changedOutsideStack_ || !undo_->isClean();
  Q_EMIT StateChanged();
}

void WordListTab::ThemeEdited() {
  changedOutsideStack_ = true;
  Recheck();
  UpdateModified();
}

// The table always ends with an empty row, where the next word is typed.
void WordListTab::EnsureBlankLastRow() {
  const int last = table_->rowCount() - 1;
  const auto filled = [this](int row, int column) {
    const QTableWidgetItem* item = table_->item(row, column);
    return item && !item->text().isEmpty();
  };
  if (last >= 0 && !filled(last, kWordColumn) && !filled(last, kHintColumn))
    return;
  table_->insertRow(last + 1);
  table_->setItem(last + 1, kWordColumn, new QTableWidgetItem);
  table_->setItem(last + 1, kHintColumn, new QTableWidgetItem);
}

// A problem names the line of the file the teacher opened: the list file, or the imported
// one, where the theme, and a word typed since, are on no line.
std::string WordListTab::Describe(DraftProblem problem) const {
  if (importedLines_.isEmpty() || problem.line == 0)
    return DescribeProblem(problem);
  problem.line = problem.entry >= 0 ? importedLines_.value(problem.entry) : 0;
  if (problem.line > 0)
    return DescribeProblem(problem);
  std::string subject = problem.subject;
  if (!subject.empty())
    subject[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(subject[0])));
  return subject + ": " + problem.text;
}

void WordListTab::Recheck() {
  problems_ = CheckWordList(Draft());
  filling_ = true;
  for (int row = 0; row < table_->rowCount(); ++row) {
    for (int column : {kWordColumn, kHintColumn}) {
      if (QTableWidgetItem* item = table_->item(row, column)) {
        item->setData(Qt::BackgroundRole, QVariant());
        item->setToolTip(QString());
      }
    }
  }
  theme_->setStyleSheet(QString());
  theme_->setToolTip(QString());
  problemList_->clear();
  int errors = 0;
  for (const DraftProblem& problem : problems_) {
    const QString text = ToQt(Describe(problem));
    auto* line = new QListWidgetItem(
        (problem.blocksSaving ? QStringLiteral("✖ ") : QStringLiteral("⚠ ")) + text, problemList_);
    line->setForeground(problem.blocksSaving ? QColor(170, 0, 0) : QColor(140, 90, 0));
    errors += problem.blocksSaving ? 1 : 0;
    const QColor background = problem.blocksSaving ? kErrorBackground : kWarningBackground;
    if (problem.part == DraftPart::Theme) {
      theme_->setStyleSheet("QLineEdit { background: #ffdede; }");
      theme_->setToolTip(text);
    } else if (problem.entry >= 0) {
      const int column = problem.part == DraftPart::Hint ? kHintColumn : kWordColumn;
      if (QTableWidgetItem* item = table_->item(problem.entry, column)) {
        if (item->toolTip().isEmpty() || problem.blocksSaving)
          item->setBackground(background);
        item->setToolTip(item->toolTip().isEmpty() ? text : item->toolTip() + "\n" + text);
      }
    }
  }
  filling_ = false;
  int words = 0;
  for (const DraftEntry& entry : Draft().entries)
    words += entry.word.empty() && entry.hint.empty() ? 0 : 1;
  const QString count =
      words == 1 ? QStringLiteral("1 palabra.") : QStringLiteral("%1 palabras.").arg(words);
  if (errors == 0)
    summary_->setText(count + QStringLiteral(" El juego puede leer esta lista."));
  else if (errors == 1)
    summary_->setText(count + QStringLiteral(" Hay 1 problema que corregir antes de guardar."));
  else
    summary_->setText(
        count + QStringLiteral(" Hay %1 problemas que corregir antes de guardar.").arg(errors));
}

void WordListTab::ShowSelectedWord() {
  const int row = table_->currentRow();
  const QTableWidgetItem* item = row >= 0 ? table_->item(row, kWordColumn) : nullptr;
  const QString raw = item ? item->text() : QString();
  selectedWord_->SetWholeText(raw.isEmpty() ? QStringLiteral("(ninguna)")
                                            : QString(raw).remove('/'));
  marker_->ShowWord(raw);
  previews_->ShowEntry({Utf8(raw), std::string()});
}

void WordListTab::MarkLetter(int index) {
  const int row = table_->currentRow();
  QTableWidgetItem* item = row >= 0 ? table_->item(row, kWordColumn) : nullptr;
  if (!item)
    return;
  item->setText(FromUtf8(ToggleMark(Utf8(item->text()), index)));  // itemChanged does the rest
}

void WordListTab::GoToProblem(int which) {
  if (which < 0 || which >= static_cast<int>(problems_.size()))
    return;
  const DraftProblem& problem = problems_[which];
  if (problem.part == DraftPart::Theme)
    theme_->setFocus();
  else if (problem.entry >= 0)
    table_->setCurrentCell(problem.entry,
                           problem.part == DraftPart::Hint ? kHintColumn : kWordColumn);
}

bool WordListTab::MayDiscardChanges() {
  if (!modified_)
    return true;
  switch (askChanges_()) {
    case QMessageBox::Yes:
      // A saved part of a split file is followed by the next one, which the teacher sees
      // before anything else happens.
      return Save() && !modified_;
    case QMessageBox::No:
      return true;
    default:
      return false;
  }
}

void WordListTab::NewList() {
  if (MayDiscardChanges()) {
    SetDraft({}, QString());
    EndParts();
  }
}

void WordListTab::OpenList() {
  if (!MayDiscardChanges())
    return;
  const auto path = dialogs_.AskOpenFile({"Abrir lista de palabras",
                                          Utf8(listsFolder_ + "/*.lma"),
                                          {std::begin(kListFilters), std::end(kListFilters)}});
  if (path)
    OpenFile(FromUtf8(*path));
}

bool WordListTab::OpenFile(const QString& path) {
  WordList list;
  if (const auto failure = LoadFailureMessage(LoadWordFile(Utf8(path), list))) {
    dialogs_.Stop(failure->text, failure->caption);
    return false;
  }
  SetDraft(DraftFromList(list), path);
  EndParts();
  return true;
}

bool WordListTab::Save() {
  return path_.isEmpty() ? SaveAs() : SaveTo(path_);
}

bool WordListTab::SaveAs() {
  const QString proposed =
      !path_.isEmpty()
          ? path_
          : listsFolder_ + "/" + (proposedName_.isEmpty() ? "lista.lma" : proposedName_);
  const auto chosen = dialogs_.AskSaveFile({"Guardar lista de palabras",
                                            Utf8(proposed),
                                            {std::begin(kListFilters), std::end(kListFilters)}});
  if (!chosen)
    return false;
  const QString path = FromUtf8(*chosen);
  if (path != path_ && QFileInfo::exists(path) &&
      !dialogs_.Question(Ansi("\nEl archivo ya existe.\n\n¿Desea reemplazarlo?\n"),
                         kDocentixCaption))
    return false;
  return SaveTo(path);
}

bool WordListTab::SaveTo(const QString& path) {
  Recheck();
  const auto bytes = EncodeWordList(Draft());
  if (!bytes) {
    std::string text = Ansi("\nNo se puede guardar la lista: el juego no la leería como está.\n\n");
    int shown = 0;
    for (const DraftProblem& problem : problems_) {
      if (problem.blocksSaving && shown++ < kShownProblems)
        text += Describe(problem) + "\n";
    }
    dialogs_.Stop(text, kDocentixCaption);
    return false;
  }
  if (!SaveWhole(path, QByteArray::fromStdString(*bytes))) {
    dialogs_.Stop(Ansi("\nNo se ha podido guardar la lista en\n") + FromQt(path) + "\n",
                  kDocentixCaption);
    return false;
  }
  path_ = path;
  if (!importedLines_.isEmpty()) {
    importedLines_.clear();  // from now on the lines are those of the list file
    Recheck();
  }
  undo_->setClean();
  changedOutsideStack_ = false;
  UpdateModified();
  if (part_ + 1 < parts_.size()) {
    partsTheme_ = BaseTheme(Utf8(theme_->text()), static_cast<int>(part_) + 1);
    ShowPart(part_ + 1);
  } else {
    EndParts();
  }
  return true;
}

void WordListTab::ExportList() {
  const QString proposed = path_.isEmpty() ? listsFolder_ + "/lista.txt"
                                           : QFileInfo(path_).path() + "/" +
                                                 QFileInfo(path_).completeBaseName() + ".txt";
  const auto chosen = dialogs_.AskSaveFile(
      {"Exportar como texto", Utf8(proposed), {"Texto (*.txt)", "Todos (*.*)"}});
  if (!chosen)
    return;
  if (!SaveWhole(FromUtf8(*chosen), ExportText(Draft())))
    dialogs_.Stop(Ansi("\nNo se ha podido escribir el archivo.\n"), kDocentixCaption);
}
