#include "gui/answer_table.h"

#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>
#include <map>
#include <set>

#include "core/journal/journal.h"
#include "core/practice/exercise.h"
#include "core/search/keyword_index.h"
#include "gui/qt_convert.h"

namespace varnello {

// The lines typed in the table; rows without account and amount are left out.
std::vector<AnswerLine> AnswerLinesOf(const QTableWidget* table) {
  std::vector<AnswerLine> lines;
  for (int row = 0; row < table->rowCount(); ++row) {
    auto cell = [table, row](int column) {
      QTableWidgetItem* item = table->item(row, column);
      return item == nullptr ? std::string() : item->text().trimmed().toStdString();
    };
    AnswerLine line{cell(kAccount), cell(kSide), cell(kAmount)};
    if (line.account.empty() && line.amount.empty()) continue;
    lines.push_back(line);
  }
  return lines;
}

// Puts the cursor in a cell and opens its editor. `takeFocus`: the table takes the keyboard even
// while its window is not shown yet, so that it has it once shown.
void EditAnswerCell(QTableWidget* table, int row, int column, bool takeFocus) {
  QModelIndex index = table->model()->index(row, column);
  table->setCurrentCell(row, column);
  // A cell being edited already keeps its editor; it only needs the keyboard.
  if (QWidget* editor = table->indexWidget(index)) {
    editor->setFocus();
    return;
  }
  if (takeFocus) table->setFocus();
  table->edit(index);
}

// A new empty row at the end, the cursor in its account. The mark column is read, not written:
// the cursor passes over it.
void AddAnswerRow(QTableWidget* table, bool takeFocus) {
  int row = table->rowCount();
  table->insertRow(row);
  for (int column = 0; column < table->columnCount(); ++column) {
    auto* item = new QTableWidgetItem;
    if (column == kMark) item->setFlags(Qt::NoItemFlags);
    if (column == kAmount) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->setItem(row, column, item);
  }
  EditAnswerCell(table, row, kAccount, takeFocus);
}

// Removes the current row, keeping one row to type in.
void DeleteAnswerRow(QTableWidget* table, bool takeFocus) {
  int row = table->currentRow();
  if (row < 0) return;
  table->removeRow(row);
  if (table->rowCount() == 0) {
    AddAnswerRow(table, takeFocus);
  } else {
    EditAnswerCell(table, std::min(row, table->rowCount() - 1), kAccount, takeFocus);
  }
}

// Enter moves to the next cell, then to the next row's account, and after the last a new row.
void EnterInAnswerTable(QTableWidget* table, int row, int column, bool takeFocus) {
  if (column < kAmount) {
    EditAnswerCell(table, row, column + 1, takeFocus);
  } else if (row + 1 < table->rowCount()) {
    EditAnswerCell(table, row + 1, kAccount, takeFocus);
  } else {
    AddAnswerRow(table, takeFocus);
  }
}

// Writes an open editor's text into its cell.
void CommitAnswerCell(QTableWidget* table) {
  QModelIndex index = table->currentIndex();
  if (QWidget* editor = table->indexWidget(index))
    table->itemDelegate()->setModelData(editor, table->model(), index);
}

std::string AccountSpelling(std::string_view account) {
  QString text = QString::fromUtf8(account.data(), static_cast<qsizetype>(account.size()));
  QString spelled;
  for (QChar c : text) {
    if (c.isSpace()) continue;  // "应交税费 - 应交增值税" as "应交税费-应交增值税"
    if (c == QLatin1Char('(')) c = QChar(0xff08);
    if (c == QLatin1Char(')')) c = QChar(0xff09);
    spelled += c;
  }
  return spelled.toStdString();
}

std::vector<std::string> CompletionAccounts() {
  // One spelling per account as marking compares accounts: the first in order of the spellings.
  std::set<std::string> keys;
  std::set<std::string> spellings;
  for (const std::string& account : KnownAccounts()) spellings.insert(AccountSpelling(account));
  std::vector<std::string> accounts;
  for (const std::string& spelling : spellings) {
    if (keys.insert(NormalizeAccount(spelling)).second) accounts.push_back(spelling);
  }
  return accounts;
}

namespace {

// Every account the windows print, found by its characters or pinyin as keywords are.
const TextFinder& Accounts() {
  static const TextFinder finder(CompletionAccounts());
  return finder;
}

// The most accounts a completion list offers at once.
constexpr size_t kMaxCompletions = 40;

// List rows a few pixels taller than their text.
class RoomyRows : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    return {size.width(), std::max(size.height(), option.fontMetrics.height() + 8)};
  }
};

// The cell editors: the account with completion over every account the windows know (by its
// characters or pinyin initials, as the keyword field finds keywords), the side as a choice of 借
// and 贷 (J and D choose them too), the amount as plain text, right-aligned. Enter ends the cell
// and moves on to the next one.
class SheetDelegate : public QStyledItemDelegate {
 public:
  SheetDelegate(std::function<void(int, int)> onEnter, QObject* parent)
      : QStyledItemDelegate(parent), onEnter_(std::move(onEnter)) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = nullptr;
    if (index.column() == kSide) {
      auto* box = new QComboBox(parent);
      box->addItems({ToQString(SideText(Side::Debit)), ToQString(SideText(Side::Credit))});
      editor = box;
    } else if (index.column() == kAccount) {
      auto* edit = new QLineEdit(parent);
      auto* found = new QStringListModel(edit);
      auto* completer = new QCompleter(found, edit);
      // The list holds what the search found; the completer shows it as it is.
      completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
      edit->setCompleter(completer);
      // Rows a little taller than the text, so that they do not touch; the list is sized from them.
      completer->popup()->setItemDelegate(new RoomyRows(completer->popup()));
      // Before the field's own completion runs on the same edit, so that it shows the new list.
      QObject::connect(edit, &QLineEdit::textEdited, found, [found, edit](const QString& text) {
        edit->setProperty("chosen", false);
        QStringList list;
        for (size_t i : Accounts().find(text.toStdString())) {
          if (static_cast<size_t>(list.size()) == kMaxCompletions) break;
          list << ToQString(Accounts().texts()[i]);
        }
        found->setStringList(list);
      });
      completer->popup()->setProperty("editor", QVariant::fromValue<QWidget*>(edit));
      completer->popup()->installEventFilter(const_cast<SheetDelegate*>(this));
      editor = edit;
    } else {
      editor = QStyledItemDelegate::createEditor(parent, option, index);
      if (auto* edit = qobject_cast<QLineEdit*>(editor); edit != nullptr && index.column() == kAmount)
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    editor->setProperty("row", index.row());
    editor->setProperty("column", index.column());
    return editor;
  }

  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
      box->setCurrentIndex(index.data().toString() == ToQString(SideText(Side::Credit)) ? 1 : 0);
    } else {
      QStyledItemDelegate::setEditorData(editor, index);
    }
  }

  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
      model->setData(index, box->currentText());
    } else {
      QStyledItemDelegate::setModelData(editor, model, index);
    }
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QStyledItemDelegate::eventFilter(object, event);
    // While the completion list is open, keys go to the list first: it stands for its editor.
    auto* editor = qvariant_cast<QWidget*>(object->property("editor"));
    bool fromList = editor != nullptr;
    if (!fromList) editor = qobject_cast<QWidget*>(object);
    if (editor == nullptr) return QStyledItemDelegate::eventFilter(object, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // The list marks its likeliest account as current; the student chooses one with the arrows.
    if (fromList && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down || key->key() == Qt::Key_PageUp ||
                     key->key() == Qt::Key_PageDown))
      editor->setProperty("chosen", true);
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
      if (key->key() == Qt::Key_J || key->key() == Qt::Key_D) {
        box->setCurrentIndex(key->key() == Qt::Key_J ? 0 : 1);
        return true;
      }
    }
    // Ctrl+Enter marks (the sheet's shortcut); only a plain Enter ends the cell here.
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & Qt::ControlModifier) != 0) {
      return fromList ? false : QStyledItemDelegate::eventFilter(object, event);
    }
    // Enter on a chosen completion takes it; with none chosen, the text stands as typed and
    // Enter moves on like anywhere else.
    if (auto* edit = qobject_cast<QLineEdit*>(editor); edit != nullptr && edit->completer() != nullptr) {
      QAbstractItemView* list = edit->completer()->popup();
      if (list->isVisible() && list->currentIndex().isValid() && edit->property("chosen").toBool())
        return false;
      list->hide();
    }
    int row = editor->property("row").toInt(), column = editor->property("column").toInt();
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    QTimer::singleShot(0, parent(), [this, row, column] { onEnter_(row, column); });
    return true;
  }

 private:
  std::function<void(int, int)> onEnter_;
};

}  // namespace

QStyledItemDelegate* NewAnswerDelegate(std::function<void(int, int)> onEnter, QObject* parent) {
  return new SheetDelegate(std::move(onEnter), parent);
}

}  // namespace varnello
