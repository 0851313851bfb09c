// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The word table's changes as commands of an undo stack: each one keeps the rows as they were
// before it and after it, so undoing and redoing give back the exact words, hints, letter
// marks and order.
#pragma once

#include <QList>
#include <QString>
#include <QUndoCommand>
#include <functional>
#include <optional>

// One row of the word table, the line of the imported file it came from (0: none), and the
// hint as that file had it when the import shortened it (empty else).
struct TableRow {
  QString word;
  QString hint;
  int line = 0;
  QString fullHint = {};
  bool operator==(const TableRow&) const = default;
};

// What the table shows: its rows, which of them are selected, and the current column.
struct TableState {
  QList<TableRow> rows;
  int first = 0;
  int last = 0;
  int column = 0;
};

// The table's rows after a row command; nothing when the command has nothing to do.
std::optional<TableState> WithoutRows(TableState state, QList<int> rows);
TableState WithBlankRow(TableState state, int at);
// Moves rows first to last by one (by is -1 or 1); the table's last row, always blank, stays last.
std::optional<TableState> WithRowsMoved(TableState state, int first, int last, int by);

class TableCommand : public QUndoCommand {
 public:
  using Show = std::function<void(const TableState&)>;
  // done: the change is already in the table (a cell the teacher has typed in).
  TableCommand(const QString& text, TableState before, TableState after, Show show, bool done);
  void undo() override;
  void redo() override;

 private:
  TableState before_;
  TableState after_;
  Show show_;
  bool done_;
};
