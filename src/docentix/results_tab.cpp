// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/results_tab.h"

ResultsTab::ResultsTab(const QString& resultsFolder, QWidget* parent)
    : QWidget(parent), resultsFolder_(resultsFolder) {}
