// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/progress_tab.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "docentix/progress_chart.h"
#include "docentix/progress_lines.h"
#include "docentix/results_tab.h"
#include "platform/text.h"

ProgressTab::ProgressTab(ResultsTab& results, QWidget* parent)
    : QWidget(parent), results_(results) {
  pupils_ = new QComboBox(this);
  pupils_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  pupils_->setMinimumContentsLength(20);
  auto* label = new QLabel("&Alumno:", this);
  label->setBuddy(pupils_);
  summary_ = new QLabel(this);

  table_ = new QTableWidget(kModeCount + 1, kProgressColumnCount, this);
  for (int column = 0; column < kProgressColumnCount; ++column)
    table_->setHorizontalHeaderItem(column, new QTableWidgetItem(ProgressHeading(column)));
  table_->verticalHeader()->setVisible(false);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->setMaximumWidth(table_->fontMetrics().averageCharWidth() * 80);
  chart_ = new ProgressChart(this);
  chart_->setMinimumHeight(220);

  auto* top = new QHBoxLayout;
  top->addWidget(label);
  top->addWidget(pupils_);
  top->addSpacing(12);
  top->addWidget(summary_);
  top->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(table_);
  layout->addWidget(chart_, 1);

  connect(&results_, &ResultsTab::RowsChanged, this, &ProgressTab::Refill);
  connect(pupils_, &QComboBox::currentIndexChanged, this, &ProgressTab::ShowPupil);
  Refill();
}

void ProgressTab::Refill() {
  const QString chosen = pupils_->currentText();
  progress_ = PupilsOf(results_.ShownRows());
  const QSignalBlocker quiet(pupils_);
  pupils_->clear();
  for (const PupilProgress& pupil : progress_)
    pupils_->addItem(ToQt(pupil.name));
  pupils_->setCurrentIndex(std::max(pupils_->findText(chosen), 0));
  ShowPupil();
}

void ProgressTab::ShowPupil() {
  const int index = pupils_->currentIndex();
  if (index < 0) {
    summary_->setText("Abra archivos en la pestaña «Resultados».");
    table_->clearContents();
    chart_->SetPupil(std::nullopt);
    return;
  }
  const PupilProgress& pupil = progress_[index];
  summary_->setText(SessionsSummary(pupil));
  const auto lines = ProgressLines(pupil);
  for (int row = 0; row <= kModeCount; ++row) {
    for (int column = 0; column < kProgressColumnCount; ++column) {
      auto* item = new QTableWidgetItem(ProgressCell(lines[row], column));
      if (column > 0)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (row == kModeCount) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
      }
      table_->setItem(row, column, item);
    }
  }
  table_->resizeColumnsToContents();
  table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  chart_->SetPupil(pupil);
}
