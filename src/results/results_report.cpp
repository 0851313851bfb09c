// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_report.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <array>
#include <cstdio>

#include "charset.h"
#include "platform/prompter_qt.h"
#include "platform/text.h"

namespace {

constexpr const char* kStopQuestion = "\n¿ Detener la impresión de Resultados ?\n";
constexpr const char* kStoppedLine = "------ Impresión detenida -------";
constexpr const char* kTitle = "Lurimba, archivo de RESULTADOS";
constexpr int kLeftMargin = 20;

// The headings over the columns, in hiding-mode order 1..6 and the total, on each side: in
// two lines, as a column is narrower than the longer words.
constexpr std::array<const char*, 7> kHeadings = {"\nVocales", "Conso-\nnantes", "Prim./\núltima",
                                                  "\nFácil",   "\nDifícil",      "Marca-\ndas",
                                                  "\nTOTAL"};
constexpr int kMostThemesNamed = 20;
constexpr double kLargestHeadingPoints = 10;
constexpr double kSmallestHeadingPoints = 6;
constexpr std::array<const char*, 12> kMonths = {"Ene", "Feb", "Mar", "Abr", "May", "Jun",
                                                 "Jul", "Ago", "Sep", "Oct", "Nov", "Dic"};

// Notes a key press or a mouse click anywhere in the program while it is armed,
// and keeps it from acting on the windows while the report prints.
class InputWatch : public QObject {
 public:
  InputWatch() { qApp->installEventFilter(this); }
  ~InputWatch() override { qApp->removeEventFilter(this); }
  bool armed = true;
  bool pressed = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (!armed)
      return false;
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        pressed = true;
        return true;
      case QEvent::KeyRelease:
      case QEvent::MouseButtonRelease:
        return true;
      default:
        return false;
    }
  }
};

QString Text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

class Report {
 public:
  Report(QPrinter& printer, QPainter& painter, QString fileName, const ReportFacts& facts)
      : printer_(printer), painter_(painter), fileName_(std::move(fileName)), facts_(facts) {
    width_ = printer.width();
    height_ = printer.height();
    const int u = width_ / 3;
    const int s = u / 7;
    for (int k = 0; k < 7; ++k) {
      columns_[k] = u + k * s;
      columns_[7 + k] = 2 * u + k * s;
    }
    titleFont_ = QFont("Arial");
    titleFont_.setPointSize(12);
    titleFont_.setUnderline(true);
    textFont_ = QFont("Arial");
    textFont_.setPointSize(10);
    FitHeadings();
    pageCount_ = PagesFor(facts.rows);
  }

  void PageHeader();
  bool NewPageIfFull(bool beforeRow);
  void Row(const PlayerRecord& record);
  void Stopped();
  void ClosingLine();
  bool NewPage();

 private:
  // The font and its measures on the printer's page, measured once per change of font.
  void UseFont(const QFont& font) {
    painter_.setFont(font);
    const QFontMetrics metrics(font, &printer_);
    metrics_ = metrics;
  }
  int TextHeight() const { return metrics_.height(); }
  int TextWidth(const QString& text) const { return metrics_.horizontalAdvance(text); }
  // Text aligned on its left top corner at (x, y).
  void At(int x, const QString& text) { painter_.drawText(x, y_ + metrics_.ascent(), text); }
  // The same, cut with "…" to `width`.
  void AtMost(int x, int width, const QString& text) {
    At(x, metrics_.elidedText(text, Qt::ElideRight, width));
  }
  // Text whose right end is at x.
  void RightAt(int x, const QString& text) { At(x - TextWidth(text), text); }
  void FitHeadings();
  void Headings(int first, const QColor& colour);
  int HeaderHeight() const;
  int PagesFor(long long rows) const;
  void Facts();
  void Centred(int x, const QString& text) { At(x - TextWidth(text) / 2, text); }
  // Lines are black whatever the colour of the text before them.
  void Line() {
    painter_.setPen(Qt::black);
    painter_.drawLine(0, y_, width_, y_);
  }

  QPrinter& printer_;
  QPainter& painter_;
  QString fileName_;
  const ReportFacts& facts_;
  QFont titleFont_, textFont_, headingFont_;
  QFontMetrics metrics_{QFont()};
  int width_ = 0, height_ = 0;
  std::array<int, 14> columns_{};
  int y_ = 0;
  int rowNumber_ = 0;
  int pageNumber_ = 0, pageCount_ = 1;
};

// The largest size, up to that of the text, at which every line of every heading fits its
// column with a gap before the next one.
void Report::FitHeadings() {
  const int room = (columns_[1] - columns_[0]) * 85 / 100;
  headingFont_ = textFont_;
  for (double points = kLargestHeadingPoints; points >= kSmallestHeadingPoints; points -= 0.5) {
    headingFont_.setPointSizeF(points);
    const QFontMetrics metrics(headingFont_, &printer_);
    bool fits = true;
    for (const char* heading : kHeadings) {
      for (const QString& line : Text(heading).split('\n'))
        fits = fits && metrics.horizontalAdvance(line) <= room;
    }
    if (fits)
      return;
  }
}

// The two lines of headings over seven columns from `first`, their last lines level.
void Report::Headings(int first, const QColor& colour) {
  painter_.setPen(colour);
  const int top = y_;
  for (int k = 0; k < 7; ++k) {
    y_ = top;
    for (const QString& line : Text(kHeadings[k]).split('\n')) {
      At(columns_[first + k], line);
      y_ += TextHeight();
    }
  }
  y_ = top;
}

// How far down the page header ends, where the first row starts.
int Report::HeaderHeight() const {
  const QFontMetrics title(titleFont_, &printer_), text(textFont_, &printer_),
      heading(headingFont_, &printer_);
  return 20 + title.height() + 20 + text.height() + 20 + text.height() + 15 +
         std::max(text.height(), 2 * heading.height()) + 20 + 20;
}

// The pages `rows` rows take, by the same rules that start a new page while they print.
int Report::PagesFor(long long rows) const {
  const int top = HeaderHeight();
  const int rowHeight = QFontMetrics(textFont_, &printer_).height();
  int pages = 1;
  int y = top;
  for (long long row = 0; row < rows; ++row) {
    if (y + rowHeight > height_) {
      ++pages;
      y = top;
    }
    y += rowHeight + 25;
    if (y > height_ - 30) {
      ++pages;
      y = top;
    }
  }
  if (y + 20 > height_)
    ++pages;  // the closing line
  return pages;
}

// The page number beside the title; under it, the filter and the print date; beside the
// file's name, its themes. None of them takes a line of its own.
void Report::Facts() {
  const QLocale spanish(QLocale::Spanish, QLocale::Spain);
  const int lineHeight = TextHeight();
  const int gap = TextWidth("    ");
  const int titleTop = 20;
  const int fileTop = y_;
  const int third = width_ / 3;
  y_ = titleTop;
  RightAt(width_ - kLeftMargin, QString("Página %1 de %2").arg(pageNumber_).arg(pageCount_));
  y_ = fileTop;
  const QString fileText = QString("Archivo: %1").arg(fileName_);
  AtMost(kLeftMargin, third - gap, fileText);
  if (!facts_.filter.isEmpty()) {
    const QString filter =
        metrics_.elidedText("Filtro: " + facts_.filter, Qt::ElideRight, third - gap);
    At(width_ / 2 - TextWidth(filter) / 2, filter);
  }
  const QString printed = QString("Impreso el %1, a las %2")
                              .arg(spanish.toString(facts_.printed.date(), "d 'de' MMMM 'de' yyyy"),
                                   spanish.toString(facts_.printed.time(), "H:mm"));
  RightAt(width_ - kLeftMargin, metrics_.elidedText(printed, Qt::ElideRight, third - gap));
  y_ = fileTop + lineHeight + 20;
  QStringList themes;
  for (const QString& theme : facts_.themes)
    themes << (theme.isEmpty() ? QString("(sin tema)") : theme);
  if (!themes.isEmpty()) {
    const QString label = themes.size() == 1 ? "Tema: " : "Temas: ";
    const int room = columns_[3] - TextWidth("A C I E R T O S") / 2 - gap - kLeftMargin;
    AtMost(kLeftMargin, std::max(room, 0), label + themes.join(", "));
  }
  y_ = fileTop;
}

void Report::PageHeader() {
  ++pageNumber_;
  pageCount_ = std::max(pageCount_, pageNumber_);
  y_ = 20;
  painter_.setPen(Qt::black);
  UseFont(titleFont_);
  const QString title = Text(kTitle);
  At(width_ / 2 - TextWidth(title) / 2, title);
  y_ += TextHeight() + 20;

  UseFont(textFont_);
  Facts();
  y_ += TextHeight() + 20;

  Centred(columns_[3], "A C I E R T O S");
  painter_.setPen(Qt::red);
  Centred(columns_[10], "F A L L O S");
  y_ += TextHeight() + 15;

  const int headingsTop = y_;
  UseFont(headingFont_);
  const int headingsHeight = 2 * TextHeight();
  Headings(0, Qt::black);
  Headings(7, Qt::red);
  UseFont(textFont_);
  // Level with the headings' last line.
  y_ = headingsTop + std::max(0, headingsHeight - TextHeight());
  painter_.setPen(Qt::black);
  At(kLeftMargin, Text(" Número, fecha y nombre:"));
  y_ = headingsTop + std::max(TextHeight(), headingsHeight) + 20;

  painter_.setPen(Qt::black);
  Line();
  y_ += 20;
}

bool Report::NewPage() {
  if (!printer_.newPage())
    return false;
  PageHeader();
  return true;
}

// Before a row: a new page when the row would not fit. After one: a new page once
// the line has passed 30 pixels above the bottom.
bool Report::NewPageIfFull(bool beforeRow) {
  const bool full = beforeRow ? y_ + TextHeight() > height_ : y_ > height_ - 30;
  return !full || NewPage();
}

void Report::Row(const PlayerRecord& record) {
  ++rowNumber_;
  painter_.setPen(Qt::black);
  const bool knownMonth = record.month >= 1 && record.month <= 12;
  const std::string month = knownMonth ? kMonths[record.month - 1] : "   ";
  char line[160];
  std::snprintf(line, sizeof line, " %2d (%d/%s/%d) %-24s", rowNumber_, record.day, month.c_str(),
                record.year, record.name.c_str());
  At(kLeftMargin, ToQt(line));
  for (int k = 0; k < 7; ++k) {
    const int count = k < 6 ? record.solved[k] : record.solvedTotal;
    At(columns_[k], QString::asprintf("%5d", count));
  }
  painter_.setPen(Qt::red);
  for (int k = 0; k < 7; ++k) {
    const int count = k < 6 ? record.failed[k] : record.failedTotal;
    At(columns_[7 + k], QString::asprintf("%5d", count));
  }
  y_ += TextHeight() + 25;
}

void Report::Stopped() {
  painter_.setPen(Qt::black);
  y_ += 25;
  At(kLeftMargin, Text(kStoppedLine));
}

void Report::ClosingLine() {
  y_ += 20;
  if (y_ > height_)
    NewPage();
  Line();
}

// Gives the printer its orientation back however the job ends.
class OrientationKeeper {
 public:
  explicit OrientationKeeper(QPrinter& printer)
      : printer_(printer), saved_(printer.pageLayout().orientation()) {
    printer_.setPageOrientation(QPageLayout::Landscape);
  }
  ~OrientationKeeper() { printer_.setPageOrientation(saved_); }

 private:
  QPrinter& printer_;
  QPageLayout::Orientation saved_;
};

}  // namespace

void CountReportRow(ReportFacts& facts, const PlayerRecord& record) {
  ++facts.rows;
  const QString theme = ToQt(record.theme);
  if (facts.themes.size() < kMostThemesNamed && !facts.themes.contains(theme))
    facts.themes << theme;
}

ReportEnd PrintResultsReport(QPrinter& printer, ResultsReader& reader, Dialogs& dialogs) {
  // The file is read once ahead, for its number of rows and its themes.
  ReportFacts facts;
  facts.printed = QDateTime::currentDateTime();
  std::string failure;
  if (std::optional<ResultsReader> ahead = OpenResultsFile(reader.Path(), failure)) {
    for (PlayerRecord record; ahead->Next(record);)
      CountReportRow(facts, record);
  }
  return PrintResultsReport(
      printer, QString::fromStdString(reader.FileName()),
      [&reader](PlayerRecord& record) { return reader.Next(record); }, dialogs, facts,
      [&reader] { return reader.Failed(); });
}

ReportEnd PrintResultsReport(QPrinter& printer, const QString& fileName, const NextRecord& next,
                             Dialogs& dialogs, const ReportFacts& facts,
                             const std::function<bool()>& readFailed,
                             const std::function<bool(QPainter&)>& morePages) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  ReportEnd end = ReportEnd::Printed;
  {
    OrientationKeeper orientation(printer);
    printer.setDocName(kReportJobTitle);
    QPainter painter;
    if (!painter.begin(&printer)) {
      QApplication::restoreOverrideCursor();
      return ReportEnd::Failed;
    }
    Report report(printer, painter, fileName, facts);
    InputWatch input;
    QElapsedTimer sinceEvents;
    report.PageHeader();
    for (PlayerRecord record; end == ReportEnd::Printed && next(record);) {
      if (!report.NewPageIfFull(true)) {
        end = ReportEnd::Failed;
        break;
      }
      report.Row(record);
      // The window stays alive, and a key or a click may stop the job: waiting
      // events are handled after the first row and then every 15 ms at most, which
      // a person cannot tell from every row and costs a long report far less.
      if (!sinceEvents.isValid() || sinceEvents.hasExpired(15)) {
        QCoreApplication::processEvents();
        sinceEvents.start();
      }
      if (input.pressed) {
        input.pressed = false;
        input.armed = false;
        QApplication::restoreOverrideCursor();
        const bool stop = dialogs.QuestionDefaultNo(Ansi(kStopQuestion), kCaption);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        input.armed = true;
        if (stop) {
          report.Stopped();
          printer.abort();
          end = ReportEnd::Stopped;
          break;
        }
      }
      if (!report.NewPageIfFull(false))
        end = ReportEnd::Failed;
    }
    if (end == ReportEnd::Printed && readFailed && readFailed())
      end = ReportEnd::Failed;  // the pages printed so far are kept, without a message
    if (end == ReportEnd::Printed) {
      report.ClosingLine();
      if (morePages && !morePages(painter))
        end = ReportEnd::Failed;
    }
    painter.end();
  }
  QApplication::restoreOverrideCursor();
  return end;
}
