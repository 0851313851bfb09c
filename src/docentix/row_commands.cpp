// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/row_commands.h"

#include <algorithm>

std::optional<TableState> WithoutRows(TableState state, QList<int> rows) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  const int count = static_cast<int>(state.rows.size());
  // The last row is where the next word is typed: deleting it alone changes nothing.
  rows.removeIf([count](int row) { return row < 0 || row >= count - 1; });
  if (rows.isEmpty())
    return std::nullopt;
  for (auto row = rows.crbegin(); row != rows.crend(); ++row)
    state.rows.removeAt(*row);
  state.first = state.last = std::min(rows.front(), static_cast<int>(state.rows.size()) - 1);
  return state;
}

TableState WithBlankRow(TableState state, int at) {
  at = std::clamp(at, 0, static_cast<int>(state.rows.size()));
  state.rows.insert(at, TableRow{});
  state.first = state.last = at;
  return state;
}

std::optional<TableState> WithRowsMoved(TableState state, int first, int last, int by) {
  const int movable = static_cast<int>(state.rows.size()) - 1;  // all but the blank last row
  if (first < 0 || last >= movable || first + by < 0 || last + by >= movable)
    return std::nullopt;
  if (by < 0)
    state.rows.move(first - 1, last);
  else
    state.rows.move(last + 1, first);
  state.first = first + by;
  state.last = last + by;
  return state;
}

TableCommand::TableCommand(const QString& text, TableState before, TableState after, Show show,
                           bool done)
    : QUndoCommand(text),
      before_(std::move(before)),
      after_(std::move(after)),
      show_(std::move(show)),
      done_(done) {}

void TableCommand::undo() {
  show_(before_);
}

void TableCommand::redo() {
  if (done_)
    done_ = false;
  else
    show_(after_);
}
