// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Listas de palabras" tab: a word list being written, checked against the
// game's rules as it is typed, with its letters to hide and its six previews.
#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "docentix/row_commands.h"
#include "word_list_draft.h"

class Dialogs;
class LetterMarker;
class ModePreviews;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTableWidget;
class QUndoStack;
class SpellChecker;
class SpellingDelegate;

class WordListTab : public QWidget {
  Q_OBJECT
 public:
  // listsFolder: where the open and save dialogs start (the game folder's "archivos").
  WordListTab(const QString& listsFolder, Dialogs& dialogs, SpellChecker& spelling,
              QWidget* parent = nullptr);
  // The undo stack goes with the tab's children, after the tab itself: it must no longer
  // tell the tab that its clean state changed.
  ~WordListTab() override;

  // The commands of the tab's buttons. Each one shows its own message when it fails.
  void NewList();
  void OpenList();
  bool Save();
  bool SaveAs();
  void ImportList();
  void ExportList();

  // The commands on the table's rows (its context menu, its buttons and their keys).
  void InsertRow();
  void DeleteRows();
  void MoveRows(int by);
  void Undo();
  void Redo();

  // Reads a list through the game's loader. On failure: the game's message, and
  // the list being edited stays as it was.
  bool OpenFile(const QString& path);
  // Writes the list unless a problem blocks it (then says which, naming the line).
  bool SaveTo(const QString& path);
  // Takes the words of a text, CSV or kvtml file in place of the list's words. A file of more
  // than fifty words is split into several lists, saved one after the other, or cut to its first
  // fifty, as the teacher chooses; a hint too long for the game is shortened, for review.
  bool ImportFile(const QString& path);

  // Before the list is replaced or the program ends: asks whether to save the
  // changes. False when the user cancelled (or the save did not happen).
  bool MayDiscardChanges();
  // Asks "save the changes?" with Sí, No and Cancelar (tests answer it themselves).
  using ChangesQuestion = std::function<QMessageBox::StandardButton()>;
  void SetChangesQuestion(ChangesQuestion question) { askChanges_ = std::move(question); }

  WordListDraft Draft() const;
  const std::vector<DraftProblem>& Problems() const { return problems_; }
  bool IsModified() const { return modified_; }
  const QString& Path() const { return path_; }

  QTableWidget* Table() const { return table_; }
  QLineEdit* ThemeEdit() const { return theme_; }
  LetterMarker* Marker() const { return marker_; }
  ModePreviews* Previews() const { return previews_; }
  QListWidget* ProblemList() const { return problemList_; }
  QUndoStack* UndoStack() const { return undo_; }
  QLabel* PartNote() const { return partNote_; }

 Q_SIGNALS:
  // The file name or the modified state changed (the window's title shows both).
  void StateChanged();

 private:
  class ElidedLabel;

  QWidget* MakeButtons();
  QWidget* MakeWordPanel();
  QWidget* MakeRowCommands();
  // The table's context menu: for an underlined word, the words the dictionary offers instead
  // and its own commands; then the row commands.
  void ShowContextMenu(const QPoint& at);
  bool Editing() const;
  TableState State() const;
  void ShowState(const TableState& state);
  void Change(const QString& text, const std::optional<TableState>& after);
  void CellEdited(int row, int column);
  void ThemeEdited();
  void UpdateModified();
  void SetDraft(const WordListDraft& draft, const QString& path, const QList<int>& lines = {});
  std::string Describe(DraftProblem problem) const;
  void EnsureBlankLastRow();
  void Recheck();
  void ShowSelectedWord();
  void MarkLetter(int index);
  void GoToProblem(int which);
  void ShowPart(std::size_t part);
  void EndParts();

  QString listsFolder_;
  Dialogs& dialogs_;
  SpellChecker& spelling_;
  ChangesQuestion askChanges_;
  QString path_;
  bool modified_ = false;
  // Changed since the list was opened or saved, besides what the undo stack holds: the theme,
  // or the words of an imported file.
  bool changedOutsideStack_ = false;
  bool filling_ = false;  // the table is being filled by the program, not typed in
  std::vector<DraftProblem> problems_;
  // The line of the imported file where each row's word is, until the list is saved; empty
  // when the rows are those of a list file.
  QList<int> importedLines_;
  // The lists an imported file gave, in the order they are saved, with the lines of that file
  // where their words are; the table shows parts_[part_] until it is saved.
  std::vector<WordListDraft> parts_;
  QList<QList<int>> partLines_;
  std::size_t part_ = 0;
  QString importedName_;    // "animales.kvtml"
  std::string partsTheme_;  // the theme the parts of a split are numbered from
  QString proposedName_;    // the name the save dialog proposes for a list never saved

  QLineEdit* theme_;
  QTableWidget* table_;
  ElidedLabel* selectedWord_;
  LetterMarker* marker_;
  ModePreviews* previews_;
  QListWidget* problemList_;
  QLabel* summary_;
  QUndoStack* undo_;
  TableState shown_;  // the table as the last command, or the program, left it
  QMenu* rowMenu_;
  SpellingDelegate* spellingDelegate_;
  QLabel* partNote_;  // which part of a split is in the table
  // The role of a hint cell's data that holds the hint before the import shortened it.
  static constexpr int kFullHintRole = Qt::UserRole;
};
