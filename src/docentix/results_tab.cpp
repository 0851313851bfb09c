// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/results_tab.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "docentix/progress_lines.h"
#include "docentix/progress_print.h"
#include "docentix/results_csv.h"
#include "docentix/results_fods.h"
#include "platform/help_book.h"
#include "platform/prompter_qt.h"
#include "platform/text.h"
#include "results/results_report.h"

namespace {

// Where a row's place among the rows read is kept (on its first cell).
constexpr int kRowRole = Qt::UserRole + 1;
// What a column sorts and filters by (Qt::UserRole): the text as stored, the date's
// key, the count.
constexpr int kKeyRole = Qt::UserRole;

// The colours of the game's results window: solved words blue, failed ones red.
const QColor kSolvedColour(0, 0, 160);
const QColor kFailedColour(176, 0, 0);

const std::vector<std::string> kResultsFilters = {"Resultados lurimba (*.rlm)",
                                                  "Todos los archivos (*.*)"};
const std::vector<std::string> kExportFilters = {"Hoja de cálculo (*.fods)", "Tabla CSV (*.csv)",
                                                 "Todos los archivos (*.*)"};

QStandardItem* Cell(const ResultsRow& row, int column) {
  auto* item = new QStandardItem;
  item->setEditable(false);
  switch (column) {
    case kFileColumn:
      item->setText(row.fileName);
      item->setData(row.fileName, kKeyRole);
      break;
    case kNameColumn:
    case kThemeColumn: {
      const QString text = ToQt(column == kNameColumn ? row.record.name : row.record.theme);
      item->setText(text);
      item->setData(text, kKeyRole);
      break;
    }
    case kDateColumn:
      item->setText(ShownDate(row.record));
      item->setData(DateKey(row.record), kKeyRole);
      item->setTextAlignment(Qt::AlignCenter);
      break;
    default: {
      const int count = CountAt(row.record, column);
      item->setText(QString::number(count));
      item->setData(count, kKeyRole);
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      item->setForeground(IsSolvedColumn(column) ? kSolvedColour : kFailedColour);
      if (IsTotalColumn(column)) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
      }
    }
  }
  return item;
}

// The heading of a column; a count column's names its mode on narrow lines ("Pocas" over
// "letras", "Prim./" over "última"),
// the band above it says whether the words were solved or failed.
// A first click on a heading sorts text and dates from A and the earliest, counts from the
// most.
QStandardItem* Heading(int column) {
  if (column < kFirstCountColumn) {
    auto* item = new QStandardItem(ColumnTitle(column));
    item->setData(Qt::AscendingOrder, Qt::InitialSortOrderRole);
    return item;
  }
  auto* item = new QStandardItem(ModeTitle(column).replace(' ', '\n').replace("/", "/\n"));
  item->setData(Qt::DescendingOrder, Qt::InitialSortOrderRole);
  item->setForeground(IsSolvedColumn(column) ? kSolvedColour : kFailedColour);
  item->setToolTip(ModeOption(column) +
                   (IsSolvedColumn(column) ? ": palabras acertadas" : ": palabras falladas"));
  return item;
}

// A header with a band over the count columns: "ACERTADAS" over the solved ones,
// "FALLADAS" over the failed ones, each title centred over its seven columns.
class GroupedHeader : public QHeaderView {
 public:
  explicit GroupedHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);  // a click sorts by the column
  }

 protected:
  QSize sectionSizeFromContents(int column) const override {
    QSize size = QHeaderView::sectionSizeFromContents(column);
    size.setHeight(size.height() + BandHeight());
    return size;
  }

  void paintSection(QPainter* painter, const QRect& rect, int column) const override {
    painter->save();
    if (column < kFirstCountColumn) {
      QHeaderView::paintSection(painter, rect, column);
      painter->restore();
      return;
    }
    const int band = BandHeight();
    QHeaderView::paintSection(painter, rect.adjusted(0, band, 0, 0), column);
    painter->restore();

    const bool solved = IsSolvedColumn(column);
    const int first = solved ? kFirstCountColumn : kFirstCountColumn + kModeCount + 1;
    const int last = first + kModeCount;
    const int left = sectionViewportPosition(first);
    const QRect group(left, rect.top(), sectionViewportPosition(last) + sectionSize(last) - left,
                      band);
    const QRect piece(rect.left(), rect.top(), rect.width(), band);
    const QColor colour = solved ? kSolvedColour : kFailedColour;
    painter->save();
    painter->setClipRect(piece);
    painter->fillRect(piece, solved ? QColor(228, 234, 252) : QColor(252, 230, 230));
    painter->setPen(colour);
    painter->drawLine(piece.bottomLeft(), piece.bottomRight());
    if (column == first)
      painter->drawLine(piece.topLeft(), piece.bottomLeft());
    QFont bold = font();
    bold.setBold(true);
    bold.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    painter->setFont(bold);
    // The whole title is drawn for every piece; the clip keeps this column's part.
    painter->drawText(group, Qt::AlignCenter, solved ? "ACERTADAS" : "FALLADAS");
    painter->restore();
  }

 private:
  int BandHeight() const { return fontMetrics().height() + 6; }
};

}  // namespace

// Shows the rows whose name holds the text typed (case and accents ignored) and whose theme and
// date are the ones chosen; sorts by the stored values, not by the text shown.
class ResultsFilter : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

  void Set(const QString& name, const QVariant& theme, const QVariant& date) {
    name_ = FoldForSearch(name.trimmed());
    theme_ = theme;
    date_ = date;
    invalidateFilter();
  }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    auto key = [&](int column) { return sourceModel()->index(row, column, parent).data(kKeyRole); };
    if (!FoldForSearch(key(kNameColumn).toString()).contains(name_))
      return false;
    if (theme_.isValid() && key(kThemeColumn).toString() != theme_.toString())
      return false;
    return !date_.isValid() || key(kDateColumn).toLongLong() == date_.toLongLong();
  }

 private:
  QString name_;
  QVariant theme_, date_;
};

ResultsTab::ResultsTab(const QString& resultsFolder, QWidget* parent)
    : QWidget(parent),
      resultsFolder_(resultsFolder),
      ownDialogs_(std::make_unique<QtDialogs>()),
      dialogs_(*ownDialogs_) {
  ownDialogs_->SetOwner(this);
  Build();
}

ResultsTab::ResultsTab(const QString& resultsFolder, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), resultsFolder_(resultsFolder), dialogs_(dialogs) {
  Build();
}

ResultsTab::~ResultsTab() = default;

void ResultsTab::Build() {
  auto* openButton = new QPushButton("Abrir...", this);
  openButton->setToolTip("Añade a la tabla uno o varios archivos de Resultados (.rlm)");
  clearButton_ = new QPushButton("Vaciar", this);
  clearButton_->setToolTip("Quita de la tabla todos los archivos");
  exportButton_ = new QPushButton("Exportar...", this);
  exportButton_->setToolTip(
      "Guarda la tabla, tal como se ve, y el progreso de sus alumnos para una hoja de cálculo");
  printButton_ = new QPushButton("Imprimir...", this);
  printButton_->setToolTip("Imprime la tabla, tal como se ve, o la guarda como PDF");
  connect(openButton, &QPushButton::clicked, this, &ResultsTab::Open);
  connect(clearButton_, &QPushButton::clicked, this, &ResultsTab::Clear);
  connect(exportButton_, &QPushButton::clicked, this, &ResultsTab::Export);
  connect(printButton_, &QPushButton::clicked, this, &ResultsTab::Print);

  nameFilter_ = new QLineEdit(this);
  nameFilter_->setPlaceholderText("Parte del nombre");
  nameFilter_->setClearButtonEnabled(true);
  themeFilter_ = new QComboBox(this);
  themeFilter_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  dateFilter_ = new QComboBox(this);
  dateFilter_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  counts_ = new QLabel(this);
  fileList_ = new QLabel(this);
  fileList_->setWordWrap(true);
  fileList_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  model_ = new QStandardItemModel(0, kResultsColumnCount, this);
  for (int column = 0; column < kResultsColumnCount; ++column)
    model_->setHorizontalHeaderItem(column, Heading(column));
  filter_ = new ResultsFilter(this);
  filter_->setSourceModel(model_);
  filter_->setSortRole(kKeyRole);
  filter_->setSortCaseSensitivity(Qt::CaseInsensitive);
  filter_->setSortLocaleAware(true);
  table_ = new QTableView(this);
  table_->setHorizontalHeader(new GroupedHeader(table_));
  table_->setModel(filter_);
  table_->setSortingEnabled(true);
  table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);  // file order first
  table_->setAlternatingRowColors(true);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->verticalHeader()->setVisible(false);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
  table_->horizontalHeader()->setHighlightSections(false);

  auto applyFilter = [this] {
    filter_->Set(nameFilter_->text(), themeFilter_->currentData(), dateFilter_->currentData());
    ShowCounts();
  };
  connect(nameFilter_, &QLineEdit::textChanged, this, applyFilter);
  connect(themeFilter_, &QComboBox::currentIndexChanged, this, applyFilter);
  connect(dateFilter_, &QComboBox::currentIndexChanged, this, applyFilter);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(openButton);
  buttons->addWidget(clearButton_);
  buttons->addStretch();
  buttons->addWidget(exportButton_);
  buttons->addWidget(printButton_);

  auto* filters = new QHBoxLayout;
  auto labelled = [&](const QString& text, QWidget* field) {
    auto* label = new QLabel(text, this);
    label->setBuddy(field);
    filters->addWidget(label);
    filters->addWidget(field);
  };
  labelled("&Nombre:", nameFilter_);
  filters->addSpacing(12);
  labelled("&Tema:", themeFilter_);
  filters->addSpacing(12);
  labelled("&Fecha:", dateFilter_);
  filters->addStretch();
  filters->addWidget(counts_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addLayout(filters);
  layout->addWidget(table_, 1);
  layout->addWidget(fileList_);
  Refill();
}

bool ResultsTab::OpenFiles(const QStringList& paths) {
  std::vector<OpenFile> read;
  for (const QString& path : paths) {
    OpenFile file{QFileInfo(path).absoluteFilePath(), {}};
    QString message;
    if (!ReadResultsRows(path, file.rows, message)) {
      Fail(QFileInfo(path).fileName(), message);
      return false;
    }
    read.push_back(std::move(file));
  }
  for (OpenFile& file : read) {
    auto same = std::find_if(files_.begin(), files_.end(),
                             [&](const OpenFile& open) { return open.path == file.path; });
    if (same != files_.end())
      *same = std::move(file);
    else
      files_.push_back(std::move(file));
  }
  if (!files_.empty())
    resultsFolder_ = QFileInfo(files_.back().path).path();
  Refill();
  return true;
}

std::vector<ResultsRow> ResultsTab::ShownRows() const {
  std::vector<const ResultsRow*> all;
  for (const OpenFile& file : files_)
    for (const ResultsRow& row : file.rows)
      all.push_back(&row);
  std::vector<ResultsRow> shown;
  for (int row = 0; row < filter_->rowCount(); ++row) {
    const QModelIndex source = filter_->mapToSource(filter_->index(row, 0));
    shown.push_back(*all.at(source.data(kRowRole).toULongLong()));
  }
  return shown;
}

void ResultsTab::Open() {
  const OpenFileRequest request{"Abrir archivos de Resultados",
                                (resultsFolder_ + "/*.rlm").toStdString(), kResultsFilters};
  QStringList paths;
  for (const std::string& path : dialogs_.AskOpenFiles(request))
    paths << QString::fromStdString(path);
  if (!paths.isEmpty())
    OpenFiles(paths);
}

void ResultsTab::Clear() {
  files_.clear();
  Refill();
}

void ResultsTab::Export() {
  const std::vector<ResultsRow> rows = ShownRows();
  const QString proposed =
      files_.size() == 1 ? QFileInfo(files_.front().path).completeBaseName() : "resultados";
  const auto chosen = dialogs_.AskSaveFile(
      {"Exportar la tabla", (resultsFolder_ + "/" + proposed + ".fods").toStdString(),
       kExportFilters});
  if (!chosen)
    return;
  const QString path = QString::fromStdString(*chosen);
  if (QFileInfo::exists(path) &&
      !dialogs_.Question(
          FromQt(QString("\nEl archivo «%1» ya existe.\n¿Quiere sustituirlo por la tabla?\n")
                     .arg(QFileInfo(path).fileName())),
          "Docentix"))
    return;
  QString message;
  const bool sheet = path.endsWith(".fods", Qt::CaseInsensitive);
  if (!(sheet ? SaveResultsFods(rows, path, message) : SaveResultsCsv(rows, path, message)))
    Fail(QFileInfo(path).fileName(), message);
}

void ResultsTab::Print() {
  QPrinter printer(QPrinter::HighResolution);
  if (!dialogs_.AskPrinter(printer))
    return;
  const std::vector<ResultsRow> rows = ShownRows();
  ReportFacts facts;
  facts.filter = FilterText();
  facts.printed = QDateTime::currentDateTime();
  for (const ResultsRow& row : rows)
    CountReportRow(facts, row.record);
  std::size_t next = 0;
  const ReportEnd end = PrintResultsReport(
      printer, FileNames(),
      [&](PlayerRecord& record) {
        if (next == rows.size())
          return false;
        record = rows[next++].record;
        return true;
      },
      dialogs_, facts, {},
      [&](QPainter& painter) { return PrintProgressPages(printer, painter, PupilsOf(rows)); });
  if (end == ReportEnd::Failed)
    Fail(QString(), "No se ha podido imprimir la tabla.");
}

void ResultsTab::Fail(const QString& fileName, const QString& message) {
  dialogs_.Beep();
  const QString caption = fileName.isEmpty() ? "Docentix" : "Docentix: " + fileName;
  dialogs_.Stop(FromQt(message), FromQt(caption));
}

// The filter that chose the rows shown, as the report prints it.
QString ResultsTab::FilterText() const {
  QStringList parts;
  if (!nameFilter_->text().trimmed().isEmpty())
    parts << QString("nombre «%1»").arg(nameFilter_->text().trimmed());
  if (themeFilter_->currentIndex() > 0)
    parts << QString("tema «%1»").arg(themeFilter_->currentText());
  if (dateFilter_->currentIndex() > 0)
    parts << QString("fecha %1").arg(dateFilter_->currentText());
  return parts.isEmpty() ? QString("ninguno, todas las filas") : parts.join(", ");
}

QString ResultsTab::FileNames() const {
  QStringList names;
  for (const OpenFile& file : files_)
    names << QFileInfo(file.path).fileName();
  return names.join(", ");
}

void ResultsTab::Refill() {
  model_->removeRows(0, model_->rowCount());
  quint64 index = 0;
  for (const OpenFile& file : files_) {
    for (const ResultsRow& row : file.rows) {
      QList<QStandardItem*> cells;
      for (int column = 0; column < kResultsColumnCount; ++column)
        cells << Cell(row, column);
      cells.front()->setData(index++, kRowRole);
      model_->appendRow(cells);
    }
  }
  RefillChoices();
  FitColumns();
  fileList_->setText(files_.empty() ? "Abra uno o varios archivos de Resultados (.rlm)."
                                    : "Archivos: " + FileNames());
  clearButton_->setEnabled(!files_.empty());
  ShowCounts();
}

// The themes and dates of the records read, keeping the choices made when they are
// still there.
void ResultsTab::RefillChoices() {
  std::set<QString> themes;
  std::map<qint64, QString, std::greater<>> dates;  // the latest first
  for (const OpenFile& file : files_) {
    for (const ResultsRow& row : file.rows) {
      themes.insert(ToQt(row.record.theme));
      dates.emplace(DateKey(row.record), ShownDate(row.record));
    }
  }
  auto refill = [](QComboBox* box, const QString& all, const auto& fill) {
    const QVariant chosen = box->currentData();
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItem(all);
    fill(box);
    const int again = chosen.isValid() ? box->findData(chosen) : -1;
    box->setCurrentIndex(std::max(again, 0));
  };
  refill(themeFilter_, "Todos los temas", [&](QComboBox* box) {
    for (const QString& theme : themes)
      box->addItem(theme.isEmpty() ? "(sin tema)" : theme, theme);
  });
  refill(dateFilter_, "Todas las fechas", [&](QComboBox* box) {
    for (const auto& [key, text] : dates)
      box->addItem(text, key);
  });
  filter_->Set(nameFilter_->text(), themeFilter_->currentData(), dateFilter_->currentData());
}

// Text columns as wide as their text; count columns as wide as their heading's
// longest line, without room for a sort arrow beside it (the style draws it above).
void ResultsTab::FitColumns() {
  table_->resizeColumnsToContents();
  const QFontMetrics metrics(table_->horizontalHeader()->font());
  for (int column = kFirstCountColumn; column < kResultsColumnCount; ++column) {
    int width = metrics.horizontalAdvance("00000");
    for (const QString& line : model_->horizontalHeaderItem(column)->text().split('\n'))
      width = std::max(width, metrics.horizontalAdvance(line));
    table_->setColumnWidth(column, width + 16);
  }
}

void ResultsTab::ShowCounts() {
  const int shown = filter_->rowCount();
  const int all = model_->rowCount();
  const QString players = all == 1 ? "1 jugador" : QString("%1 jugadores").arg(all);
  counts_->setText(shown == all ? players : QString("%1 de %2").arg(shown).arg(players));
  exportButton_->setEnabled(shown > 0);
  printButton_->setEnabled(shown > 0);
  Q_EMIT RowsChanged();
}
