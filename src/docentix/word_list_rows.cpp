// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The word list tab's commands on the rows of its table, and their undo stack.
#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QTableWidget>
#include <QToolButton>
#include <QUndoStack>

#include "charset.h"
#include "docentix/spell_checker.h"
#include "docentix/spelling_delegate.h"
#include "docentix/word_list_tab.h"
#include "platform/prompter_qt.h"
#include "platform/text.h"

namespace {

constexpr int kWordColumn = 0;
constexpr int kHintColumn = 1;

}  // namespace

// A cell's editor is open: what the teacher types there is not in the table yet.
bool WordListTab::Editing() const {
  const QWidget* focus = QApplication::focusWidget();
  return focus && focus->parentWidget() == table_->viewport();
}

// A row of buttons over the table; the same commands in its context menu, and their keys
// while the table has the focus (undo and redo: anywhere in the tab but the theme, which
// undoes its own typing).
QWidget* WordListTab::MakeRowCommands() {
  auto* buttons = new QWidget(this);
  auto* row = new QHBoxLayout(buttons);
  row->setContentsMargins(0, 0, 0, 0);
  const auto add = [&](const QString& text, const QString& tip, QList<QKeySequence> keys,
                       QWidget* scope, const std::function<void()>& command) {
    auto* action = new QAction(text, scope);
    action->setToolTip(tip);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, command);
    scope->addAction(action);
    rowMenu_->addAction(action);
    auto* button = new QToolButton(buttons);
    button->setDefaultAction(action);
    row->addWidget(button);
    return action;
  };
  add(QStringLiteral("Insertar fila"), QStringLiteral("Añadir una fila vacía encima de la actual"),
      {Qt::Key_Insert, QKeySequence(Qt::CTRL | Qt::Key_Insert)}, table_, [this] { InsertRow(); });
  add(QStringLiteral("Eliminar filas"), QStringLiteral("Quitar las filas seleccionadas"),
      {QKeySequence::Delete}, table_, [this] { DeleteRows(); });
  add(QStringLiteral("Subir"), QStringLiteral("Subir las filas seleccionadas una posición"),
      {QKeySequence(Qt::ALT | Qt::Key_Up)}, table_, [this] { MoveRows(-1); });
  add(QStringLiteral("Bajar"), QStringLiteral("Bajar las filas seleccionadas una posición"),
      {QKeySequence(Qt::ALT | Qt::Key_Down)}, table_, [this] { MoveRows(1); });
  rowMenu_->addSeparator();
  row->addSpacing(16);
  QAction* undo = add(QStringLiteral("Deshacer"), QStringLiteral("Deshacer el último cambio"),
                      {QKeySequence(Qt::CTRL | Qt::Key_Z)}, this, [this] { Undo(); });
  QAction* redo =
      add(QStringLiteral("Rehacer"), QStringLiteral("Rehacer lo deshecho"),
          {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
          this, [this] { Redo(); });
  undo->setEnabled(false);
  redo->setEnabled(false);
  connect(undo_, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
  connect(undo_, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
  row->addStretch();

  table_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(table_, &QWidget::customContextMenuRequested, this, &WordListTab::ShowContextMenu);
  return buttons;
}

void WordListTab::ShowContextMenu(const QPoint& at) {
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  const QModelIndex cell = table_->indexAt(at);
  const QTableWidgetItem* item = table_->item(cell.row(), cell.column());
  if (const auto range = item ? spellingDelegate_->UnknownWordAt(*table_, at) : std::nullopt) {
    const QString text = item->text();
    const QString word = text.mid(range->start, range->length).remove('/');
    // A word chosen takes the place of the underlined one (its marks too), as a cell edit does.
    const auto replace = [this, cell, text, range](const QString& chosen) {
      QTableWidgetItem* now = table_->item(cell.row(), cell.column());
      if (now && now->text() == text)
        now->setText(QString(text).replace(range->start, range->length, chosen));
    };
    QFont bold = menu->font();
    bold.setBold(true);
    const QStringList suggestions = spelling_.Suggestions(word);
    for (const QString& suggestion : suggestions)
      menu->addAction(suggestion, this, [replace, suggestion] { replace(suggestion); })
          ->setFont(bold);
    if (suggestions.isEmpty())
      menu->addAction(QStringLiteral("(sin sugerencias)"))->setEnabled(false);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Ignorar"), this, [this, word] {
      spelling_.Ignore(word);
      table_->viewport()->update();
    });
    menu->addAction(QStringLiteral("Añadir al diccionario"), this, [this, word] {
      if (spelling_.AddToDictionary(word))
        table_->viewport()->update();
      else
        dialogs_.Stop(Ansi("\nNo se ha podido añadir «") + FromQt(word) +
                          Ansi("» al diccionario: no se puede escribir en\n") +
                          FromQt(spelling_.UserWords()) + "\n",
                      "Docentix");
    });
    menu->addSeparator();
  }
  menu->addActions(rowMenu_->actions());
  menu->popup(table_->viewport()->mapToGlobal(at));
}

TableState WordListTab::State() const {
  TableState state;
  for (int row = 0; row < table_->rowCount(); ++row) {
    const QTableWidgetItem* word = table_->item(row, kWordColumn);
    const QTableWidgetItem* hint = table_->item(row, kHintColumn);
    state.rows.append({word ? word->text() : QString(), hint ? hint->text() : QString(),
                       importedLines_.value(row),
                       hint ? hint->data(kFullHintRole).toString() : QString()});
  }
  QList<int> selected;
  for (const QModelIndex& index : table_->selectionModel()->selectedIndexes())
    selected.append(index.row());
  if (selected.isEmpty())
    selected.append(std::max(table_->currentRow(), 0));
  state.first = *std::min_element(selected.cbegin(), selected.cend());
  state.last = *std::max_element(selected.cbegin(), selected.cend());
  state.column = std::max(table_->currentColumn(), 0);
  return state;
}

void WordListTab::ShowState(const TableState& state) {
  filling_ = true;
  table_->setRowCount(static_cast<int>(state.rows.size()));
  const bool imported = !importedLines_.isEmpty();  // until the list is saved
  importedLines_.clear();
  for (int row = 0; row < table_->rowCount(); ++row) {
    table_->setItem(row, kWordColumn, new QTableWidgetItem(state.rows[row].word));
    auto* hint = new QTableWidgetItem(state.rows[row].hint);
    if (!state.rows[row].fullHint.isEmpty())
      hint->setData(kFullHintRole, state.rows[row].fullHint);
    table_->setItem(row, kHintColumn, hint);
    if (imported)
      importedLines_.append(state.rows[row].line);
  }
  EnsureBlankLastRow();
  filling_ = false;
  const int last = std::min(state.last, table_->rowCount() - 1);
  const int first = std::min(state.first, last);
  table_->setCurrentCell(first, state.column);
  table_->selectionModel()->select(QItemSelection(table_->model()->index(first, kWordColumn),
                                                  table_->model()->index(last, kHintColumn)),
                                   QItemSelectionModel::ClearAndSelect);
  shown_ = State();
  Recheck();
  ShowSelectedWord();
  UpdateModified();
}

void WordListTab::Change(const QString& text, const std::optional<TableState>& after) {
  if (!after || Editing())
    return;
  undo_->push(new TableCommand(
      text, State(), *after, [this](const TableState& s) { ShowState(s); }, false));
}

// One command a cell, once its editor is closed. A hint the import shortened is reviewed once
// the teacher has changed it.
void WordListTab::CellEdited(int row, int column) {
  filling_ = true;
  if (QTableWidgetItem* item = table_->item(row, column); item && column == kHintColumn)
    item->setData(kFullHintRole, QVariant());
  EnsureBlankLastRow();
  filling_ = false;
  TableState before = shown_;
  TableState after = State();
  before.first = before.last = after.first = after.last = row;
  before.column = after.column = column;
  shown_ = after;
  Recheck();
  ShowSelectedWord();
  if (before.rows != after.rows)
    undo_->push(new TableCommand(
        QStringLiteral("Editar celda"), before, after,
        [this](const TableState& s) { ShowState(s); }, true));
  UpdateModified();
}

void WordListTab::InsertRow() {
  Change(QStringLiteral("Insertar fila"), WithBlankRow(State(), std::max(table_->currentRow(), 0)));
}

void WordListTab::DeleteRows() {
  QList<int> rows;
  for (const QModelIndex& index : table_->selectionModel()->selectedIndexes())
    rows.append(index.row());
  if (rows.isEmpty())
    rows.append(table_->currentRow());
  Change(QStringLiteral("Eliminar filas"), WithoutRows(State(), rows));
}

void WordListTab::MoveRows(int by) {
  const TableState state = State();
  Change(by < 0 ? QStringLiteral("Subir") : QStringLiteral("Bajar"),
         WithRowsMoved(state, state.first, state.last, by));
}

void WordListTab::Undo() {
  if (!Editing())
    undo_->undo();
}

void WordListTab::Redo() {
  if (!Editing())
    undo_->redo();
}
