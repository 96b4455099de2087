// The answer table both sheets edit: the account, side and amount columns (and on the practice
// sheet a fourth for the mark), its rows and keyboard, and the cell editors.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/practice/marking.h"

class QObject;
class QStyledItemDelegate;
class QTableWidget;

namespace varnello {

enum AnswerColumn { kAccount, kSide, kAmount, kMark, kColumns };

// The lines typed in the table; rows without account and amount are left out.
std::vector<AnswerLine> AnswerLinesOf(const QTableWidget* table);
// Puts the cursor in a cell and opens its editor. `takeFocus`: the table takes the keyboard even
// while its window is not shown yet, so that it has it once shown.
void EditAnswerCell(QTableWidget* table, int row, int column, bool takeFocus);
// A new empty row at the end, the cursor in its account. The mark column is read, not written:
// the cursor passes over it.
void AddAnswerRow(QTableWidget* table, bool takeFocus);
// Removes the current row, keeping one row to type in.
void DeleteAnswerRow(QTableWidget* table, bool takeFocus);
// Enter moves to the next cell, then to the next row's account, and after the last a new row.
void EnterInAnswerTable(QTableWidget* table, int row, int column, bool takeFocus);
// Writes an open editor's text into its cell.
void CommitAnswerCell(QTableWidget* table);
// An account as the completion offers it: no blanks, full-width parentheses.
std::string AccountSpelling(std::string_view account);
// The accounts the account cell completes to: each account the windows print once, in one
// spelling (spellings that marking takes for the same account count as one).
std::vector<std::string> CompletionAccounts();
// The cell editors of the table; Enter ends a cell and calls `onEnter(row, column)` afterwards.
QStyledItemDelegate* NewAnswerDelegate(std::function<void(int, int)> onEnter, QObject* parent);

}  // namespace varnello
