#include "gui/practice_sheet.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QShortcut>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/journal/journal.h"
#include "core/practice/exercise.h"
#include "core/search/keyword_index.h"
#include "gui/entry_actions.h"
#include "gui/qt_convert.h"
#include "gui/topic_window.h"

namespace varnello {

namespace {

enum Column { kAccount, kSide, kAmount, kMark, kColumns };

// Pixels between a window and its sheet.
constexpr int kGap = 8;

// The answer table's rows and keyboard, as both sheets edit them: the account, side and amount
// columns, and on the practice sheet a fourth for the mark.

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

// Every account the windows print, found by its characters or pinyin as keywords are.
const TextFinder& Accounts() {
  static const TextFinder finder(KnownAccounts());
  return finder;
}

// The most accounts a completion list offers at once.
constexpr size_t kMaxCompletions = 40;

QColor MarkColour(Mark mark) {
  switch (mark) {
    case Mark::Correct:
      return QColor(0xc8, 0xf0, 0xc8);
    case Mark::WrongSide:
      return QColor(0xff, 0xd8, 0xa8);
    case Mark::WrongAmount:
    case Mark::WrongDetail:
    case Mark::WrongAccount:
      return QColor(0xff, 0xf0, 0x9c);
    case Mark::NotInKey:
      return QColor(0xff, 0xc4, 0xc4);
  }
  return {};
}

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

// Follows one topic window: shows its sheet with the window in practice mode, hides it with
// the window, and turns 确定 into opening the sheet.
class PracticeLink : public QObject {
 public:
  explicit PracticeLink(TopicWindow* topic) : QObject(topic), topic_(topic) {
    topic->installEventFilter(this);
    topic->setPressHook([this] {
      if (!PracticeMode::instance().on()) return false;
      sheet()->present();
      return true;
    });
    connect(&PracticeMode::instance(), &PracticeMode::changed, this, [this](bool on) {
      if (on && topic_->isVisible()) {
        start();
      } else if (!on && sheet_ != nullptr) {
        sheet_->hide();
      }
    });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // A window opened by the user (not one the window system shows again after minimising).
    if (event->type() == QEvent::Show && !event->spontaneous() && PracticeMode::instance().on()) {
      // After the window has been brought to the front, so that the sheet comes up over it.
      QTimer::singleShot(0, this, [this] {
        if (topic_->isVisible()) start();
      });
    } else if (event->type() == QEvent::Hide && sheet_ != nullptr) {
      sheet_->hide();
    } else if (event->type() == QEvent::Move && sheet_ != nullptr && sheet_->isVisible()) {
      // The window manager places a new window after it is shown; the sheet keeps beside it.
      sheet_->follow();
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  PracticeSheet* sheet() {
    if (sheet_ == nullptr) sheet_ = new PracticeSheet(topic_);
    return sheet_;
  }
  // A window opened in practice mode starts clean: fresh figures, no lines printed before.
  void start() {
    sheet()->newExercise();
    sheet()->present();
  }
  TopicWindow* topic_;
  PracticeSheet* sheet_ = nullptr;
};

}  // namespace

PracticeMode& PracticeMode::instance() {
  static PracticeMode mode;
  return mode;
}

void PracticeMode::setOn(bool on) {
  if (on == on_) return;
  on_ = on;
  emit changed(on);
}

QCheckBox* AddPracticeSwitch(QWidget* client) {
  auto* box = new QCheckBox(QStringLiteral("练习模式(&P)"), client);
  box->setObjectName(QStringLiteral("practiceMode"));
  box->setToolTip(QStringLiteral("打开业务窗口时自动出题；自己写出会计分录，由 Varnello 批改"));
  box->setGeometry(ToPixels(Rect{6360, 5520, 3615, 375}));
  box->setChecked(PracticeMode::instance().on());
  QObject::connect(box, &QCheckBox::toggled, &PracticeMode::instance(), &PracticeMode::setOn);
  QObject::connect(&PracticeMode::instance(), &PracticeMode::changed, box, &QCheckBox::setChecked);
  return box;
}

void AttachPractice(TopicWindow* topic) {
  new PracticeLink(topic);
}

PracticeSheet::PracticeSheet(TopicWindow* topic) : QWidget(topic, Qt::Window), topic_(topic) {
  setObjectName(QStringLiteral("practiceSheet"));
  setWindowTitle(QStringLiteral("练习 - ") + topic->windowTitle());
  auto* layout = new QVBoxLayout(this);
  seedLabel_ = new QLabel(this);
  seedLabel_->setObjectName(QStringLiteral("questionNumber"));
  layout->addWidget(seedLabel_);
  question_ = new QLabel(this);
  question_->setObjectName(QStringLiteral("question"));
  question_->setWordWrap(true);
  question_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(question_);

  table_ = new QTableWidget(0, kColumns, this);
  table_->setHorizontalHeaderLabels(
      {QStringLiteral("会计科目"), QStringLiteral("借/贷"), QStringLiteral("金额"), QStringLiteral("批改")});
  table_->setItemDelegate(
      new SheetDelegate([this](int row, int column) { enterPressed(row, column); }, this));
  table_->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked |
                          QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->verticalHeader()->setVisible(true);
  table_->setColumnWidth(kAccount, 200);
  table_->setColumnWidth(kSide, 52);
  table_->setColumnWidth(kAmount, 100);
  // Reasons wrap within their column, rows grow to show them whole.
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setWordWrap(true);
  table_->setTextElideMode(Qt::ElideNone);
  table_->setAccessibleName(QStringLiteral("分录"));
  connect(table_, &QTableWidget::cellChanged, this, [this](int row, int) {
    if (!showingMarks_) clearMark(row);
  });
  layout->addWidget(table_, 1);

  result_ = new QLabel(this);
  result_->setObjectName(QStringLiteral("practiceResult"));
  result_->setWordWrap(true);
  result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(result_);

  auto* rowButtons = new QHBoxLayout;
  auto* buttons = new QHBoxLayout;
  auto button = [this](QHBoxLayout* line, const QString& caption, const QString& name,
                       void (PracticeSheet::*slot)()) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, slot);
    line->addWidget(b);
    return b;
  };
  button(rowButtons, QStringLiteral("添加行 (Ins)"), QStringLiteral("addRow"), &PracticeSheet::addRow);
  button(rowButtons, QStringLiteral("删除行 (Ctrl+Del)"), QStringLiteral("deleteRow"),
         &PracticeSheet::deleteRow);
  button(buttons, QStringLiteral("批改(&M)"), QStringLiteral("mark"), &PracticeSheet::mark);
  button(buttons, QStringLiteral("看答案(&A)"), QStringLiteral("showAnswer"), &PracticeSheet::showAnswer);
  button(buttons, QStringLiteral("下一题(&X)"), QStringLiteral("nextQuestion"), &PracticeSheet::nextQuestion);
  button(buttons, QStringLiteral("出题(&N)"), QStringLiteral("newExercise"),
         static_cast<void (PracticeSheet::*)()>(&PracticeSheet::newExercise));
  layout->addLayout(rowButtons);
  layout->addLayout(buttons);
  auto* hint =
      new QLabel(QStringLiteral("Enter 下一格（最后一格新添一行）　借/贷：↑↓ 或 J/D　Ctrl+Enter 批改"), this);
  hint->setWordWrap(true);
  layout->addWidget(hint);

  auto shortcut = [this](QKeySequence keys, void (PracticeSheet::*slot)()) {
    auto* s = new QShortcut(keys, this, this, slot);
    s->setContext(Qt::WidgetWithChildrenShortcut);
  };
  shortcut(QKeySequence(Qt::Key_Insert), &PracticeSheet::addRow);
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete), &PracticeSheet::deleteRow);
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_Return), &PracticeSheet::mark);
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_Enter), &PracticeSheet::mark);

  // Figures changed by hand make another question: the text follows them.
  for (const Item* field : FieldsOf(topic->desc())) {
    connect(topic->field(field->field), &QLineEdit::textChanged, this, [this] {
      if (!settingFigures_) refreshQuestion();
    });
  }
  resize(640, 480);
  addRow();
}

std::vector<AnswerLine> PracticeSheet::answer() const {
  return AnswerLinesOf(table_);
}

void PracticeSheet::newExercise() {
  newExercise(QRandomGenerator::global()->bounded(1u, 1000000u));
}

void PracticeSheet::newExercise(std::uint32_t seed) {
  seed_ = seed;
  settingFigures_ = true;
  for (const auto& [n, text] : MakeExercise(topic_->desc(), seed)) topic_->field(n)->setText(ToQString(text));
  settingFigures_ = false;
  questions_ = KeyOf(topic_->desc(), topic_->fieldTexts()).questions;
  entry_ = questions_.empty() ? 0 : questions_.front();
  startQuestion();
}

void PracticeSheet::nextQuestion() {
  // The figures in the window may have been changed by hand since: their entries count.
  questions_ = KeyOf(topic_->desc(), topic_->fieldTexts()).questions;
  auto next = std::upper_bound(questions_.begin(), questions_.end(), entry_);
  if (next == questions_.end()) next = questions_.begin();
  entry_ = next == questions_.end() ? 0 : *next;
  startQuestion();
}

void PracticeSheet::refreshQuestion() {
  questions_ = KeyOf(topic_->desc(), topic_->fieldTexts()).questions;
  if (std::find(questions_.begin(), questions_.end(), entry_) == questions_.end())
    entry_ = questions_.empty() ? 0 : questions_.front();
  if (isVisible()) showQuestion();
}

void PracticeSheet::startQuestion() {
  topic_->clear();
  table_->setRowCount(0);
  addRow();
  result_->clear();
  marking_ = {};
  marked_.clear();
  answerShown_ = false;
  showQuestion();
}

void PracticeSheet::showQuestion() {
  auto at = std::find(questions_.begin(), questions_.end(), entry_);
  if (at == questions_.end()) {
    seedLabel_->setText(QStringLiteral("题号 %1").arg(seed_));
    question_->setText(QStringLiteral("这组数字没有可出的分录题，请按 出题 换一组数字。"));
    return;
  }
  long number = std::distance(questions_.begin(), at) + 1;
  seedLabel_->setText(QStringLiteral("题号 %1-%2（本组数字第 %2 题，共 %3 题）")
                          .arg(seed_)
                          .arg(number)
                          .arg(static_cast<long>(questions_.size())));
  question_->setText(ToQString(QuestionText(topic_->desc(), topic_->fieldTexts(), entry_)));
}

void PracticeSheet::addRow() {
  AddAnswerRow(table_, true);
}

void PracticeSheet::deleteRow() {
  DeleteAnswerRow(table_, true);
}

void PracticeSheet::editCell(int row, int column) {
  EditAnswerCell(table_, row, column, true);
}

void PracticeSheet::enterPressed(int row, int column) {
  EnterInAnswerTable(table_, row, column, true);
}

void PracticeSheet::commitEdit() {
  if (table_->indexWidget(table_->currentIndex()) == nullptr) return;
  CommitAnswerCell(table_);
  // The editor loses the keyboard and closes, as when the student clicks elsewhere, so that no
  // typed text stands beside a mark it had no part in.
  table_->setFocus();
}

void PracticeSheet::mark() {
  commitEdit();
  marked_ = answer();
  marking_ = MarkAnswer(topic_->desc(), topic_->fieldTexts(), marked_, {.reveal = answerShown_}, entry_);
  showMarks();
}

void PracticeSheet::showAnswer() {
  commitEdit();
  topic_->clear();
  topic_->printEntries();
  answerShown_ = true;
  // Marked before: the marks again, now with the right amounts in their reasons.
  if (!marking_.entries.empty()) {
    marking_ = MarkAnswer(topic_->desc(), topic_->fieldTexts(), marked_, {.reveal = true}, entry_);
    showMarks();
  }
}

void PracticeSheet::clearMark(int row) {
  for (int column = 0; column < kColumns; ++column) {
    if (QTableWidgetItem* item = table_->item(row, column)) {
      item->setBackground(QBrush());
      if (column == kMark) item->setText(QString());
    }
  }
}

void PracticeSheet::showMarks() {
  showingMarks_ = true;
  size_t next = 0;  // the answer line of the next non-blank row
  for (int row = 0; row < table_->rowCount(); ++row) {
    QTableWidgetItem* account = table_->item(row, kAccount);
    QTableWidgetItem* amount = table_->item(row, kAmount);
    bool blank = (account == nullptr || account->text().trimmed().isEmpty()) &&
                 (amount == nullptr || amount->text().trimmed().isEmpty());
    if (blank || next >= marking_.rows.size()) {
      clearMark(row);
      continue;
    }
    Mark mark = marking_.rows[next];
    QString reason = ToQString(marking_.reasons[next]);
    ++next;
    for (int column = 0; column < kColumns; ++column) {
      QTableWidgetItem* item = table_->item(row, column);
      if (item == nullptr) table_->setItem(row, column, item = new QTableWidgetItem);
      item->setBackground(MarkColour(mark));
      if (column == kMark) {
        item->setText(reason);
        item->setForeground(QBrush(Qt::black));
        item->setToolTip(reason);
      }
    }
  }
  QString text;
  if (marking_.fault) {
    text = QStringLiteral("这组数字算不出分录：") + ToQString(FaultMessage(*marking_.fault)) +
           QStringLiteral("。请按 出题 换一组数字。");
  } else if (questions_.empty()) {
    text = QStringLiteral("本题没有借贷分录可批改，按 看答案 查看计算结果。");
  } else {
    text = QStringLiteral("得分 %1%").arg(qRound(marking_.score * 100));
    if (!marking_.missing.empty()) {
      QStringList missing;
      for (const std::string& reason : marking_.missingReasons) missing << ToQString(reason);
      text += QStringLiteral("　") + missing.join(QStringLiteral("；"));
    } else if (marking_.score == 1.0) {
      text += QStringLiteral("　全部正确！");
    }
  }
  result_->setText(text);
  table_->resizeRowsToContents();
  showingMarks_ = false;
}

void PracticeSheet::present() {
  follow();
  show();
  follow();  // again, now that the window manager may have framed the sheet
  raise();
  activateWindow();
  int row = std::max(0, table_->currentRow());
  editCell(row, std::max(0, table_->currentColumn() == kMark ? 0 : table_->currentColumn()));
}

bool PracticeSheet::event(QEvent* event) {
  // Back in the sheet, the cursor is in a cell ready for typing (an editor closes when the
  // keyboard goes to another window).
  if (event->type() == QEvent::WindowActivate) {
    QTimer::singleShot(0, this, [this] {
      QModelIndex current = table_->currentIndex();
      if (isActiveWindow() && current.isValid() && current.column() != kMark &&
          table_->indexWidget(current) == nullptr) {
        editCell(current.row(), current.column());
      }
    });
  }
  return QWidget::event(event);
}

void PracticeSheet::follow() {
  QRect frame = topic_->frameGeometry();
  // Make room beside the window: shift it left when the sheet would not fit on its right (the
  // window's move brings the sheet here again).
  if (QScreen* screen = topic_->screen()) {
    QRect room = screen->availableGeometry();
    int overflow = frame.right() + kGap + frameGeometry().width() - room.right();
    int left = std::max(room.left(), frame.left() - overflow);
    if (overflow > 0 && left < frame.left()) {
      topic_->move(left, frame.top());
      frame.moveLeft(left);
    }
  }
  move(frame.right() + kGap, frame.top());
}

SetAnswerSheet::SetAnswerSheet(ExerciseSet set, QWidget* parent)
    : QWidget(parent, Qt::Window), set_(std::move(set)), lines_(set_.exercises.size()) {
  setObjectName(QStringLiteral("setAnswerSheet"));
  setWindowTitle(QStringLiteral("练习集 %1 - 作答").arg(ToQString(set_.id)));
  auto* layout = new QVBoxLayout(this);
  auto* student = new QHBoxLayout;
  auto field = [this, student](const QString& caption, const QString& name) {
    auto* label = new QLabel(caption, this);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    label->setBuddy(edit);
    student->addWidget(label);
    student->addWidget(edit, 1);
    return edit;
  };
  studentId_ = field(QStringLiteral("学号(&U)"), QStringLiteral("studentId"));
  name_ = field(QStringLiteral("姓名(&G)"), QStringLiteral("studentName"));
  layout->addLayout(student);
  number_ = new QLabel(this);
  number_->setObjectName(QStringLiteral("questionNumber"));
  QFont bold = number_->font();
  bold.setBold(true);
  number_->setFont(bold);
  layout->addWidget(number_);
  question_ = new QLabel(this);
  question_->setObjectName(QStringLiteral("question"));
  question_->setWordWrap(true);
  question_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(question_);

  table_ = new QTableWidget(0, kMark, this);
  table_->setHorizontalHeaderLabels(
      {QStringLiteral("会计科目"), QStringLiteral("借/贷"), QStringLiteral("金额")});
  table_->setItemDelegate(
      new SheetDelegate([this](int row, int column) { enterPressed(row, column); }, this));
  table_->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked |
                          QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setColumnWidth(kAccount, 260);
  table_->setColumnWidth(kSide, 60);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setAccessibleName(QStringLiteral("分录"));
  layout->addWidget(table_, 1);

  auto* rowButtons = new QHBoxLayout;
  auto* buttons = new QHBoxLayout;
  auto button = [this](QHBoxLayout* line, const QString& caption, const QString& name, auto slot) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, slot);
    line->addWidget(b);
    return b;
  };
  button(rowButtons, QStringLiteral("添加行 (Ins)"), QStringLiteral("addRow"), [this] { addRow(); });
  button(rowButtons, QStringLiteral("删除行 (Ctrl+Del)"), QStringLiteral("deleteRow"),
         [this] { deleteRow(); });
  button(buttons, QStringLiteral("上一题(&B)"), QStringLiteral("previousQuestion"), [this] { previous(); });
  button(buttons, QStringLiteral("下一题(&X)"), QStringLiteral("nextQuestion"), [this] { next(); });
  button(buttons, QStringLiteral("保存答案(&S)…"), QStringLiteral("saveAnswers"), [this] { save(); });
  layout->addLayout(rowButtons);
  layout->addLayout(buttons);
  auto* hint = new QLabel(QStringLiteral("Enter 下一格（最后一格新添一行）　借/贷：↑↓ 或 J/D　"
                                         "每题的答案随题保存，可以来回翻看"),
                          this);
  hint->setWordWrap(true);
  layout->addWidget(hint);
  for (auto [keys, slot] : {std::pair{QKeySequence(Qt::Key_Insert), &SetAnswerSheet::addRow},
                            std::pair{QKeySequence(Qt::CTRL | Qt::Key_Delete), &SetAnswerSheet::deleteRow}}) {
    auto* s = new QShortcut(keys, this, this, slot);
    s->setContext(Qt::WidgetWithChildrenShortcut);
  }
  savedCsv_ = AnswersCsv(SetAnswers{set_.id, {}, {}, {}});
  resize(620, 480);
  go(0);
}

void SetAnswerSheet::commitEdit() {
  CommitAnswerCell(table_);
}

// The table's lines into the question shown.
void SetAnswerSheet::keep() {
  if (current_ >= lines_.size()) return;
  commitEdit();
  lines_[current_] = AnswerLinesOf(table_);
}

void SetAnswerSheet::go(std::size_t index) {
  if (set_.exercises.empty()) {
    number_->setText(QStringLiteral("这个练习集没有题目。"));
    return;
  }
  keep();
  current_ = std::min(index, set_.exercises.size() - 1);
  const SetExercise& e = set_.exercises[current_];
  number_->setText(QStringLiteral("题号 %1（第 %2 题，共 %3 题）")
                       .arg(e.number)
                       .arg(static_cast<qsizetype>(current_ + 1))
                       .arg(static_cast<qsizetype>(set_.exercises.size())));
  question_->setText(ToQString(e.question));
  // Leaving the cell closes its editor (its text is kept above) before the rows are replaced.
  table_->setCurrentCell(-1, -1);
  table_->setRowCount(0);
  for (const AnswerLine& line : lines_[current_]) {
    int row = table_->rowCount();
    table_->insertRow(row);
    for (const auto& [column, text] : {std::pair{kAccount, &line.account}, std::pair{kSide, &line.side},
                                       std::pair{kAmount, &line.amount}}) {
      auto* item = new QTableWidgetItem(ToQString(*text));
      if (column == kAmount) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(row, column, item);
    }
  }
  addRow();
}

void SetAnswerSheet::next() {
  if (current_ + 1 < set_.exercises.size()) go(current_ + 1);
}

void SetAnswerSheet::previous() {
  if (current_ > 0) go(current_ - 1);
}

void SetAnswerSheet::addRow() {
  AddAnswerRow(table_, isVisible());
}

void SetAnswerSheet::deleteRow() {
  DeleteAnswerRow(table_, isVisible());
}

void SetAnswerSheet::editCell(int row, int column) {
  EditAnswerCell(table_, row, column, isVisible());
}

void SetAnswerSheet::enterPressed(int row, int column) {
  EnterInAnswerTable(table_, row, column, isVisible());
}

SetAnswers SetAnswerSheet::answers() {
  keep();
  SetAnswers answers{
      set_.id, studentId_->text().trimmed().toStdString(), name_->text().trimmed().toStdString(), {}};
  for (std::size_t i = 0; i < set_.exercises.size(); ++i) {
    for (const AnswerLine& line : lines_[i]) answers.lines.push_back({set_.exercises[i].number, line});
  }
  return answers;
}

bool SetAnswerSheet::save() {
  SetAnswers all = answers();
  const QString what = QStringLiteral("保存答案");
  if (all.studentId.empty() || all.name.empty()) {
    EntryActions::report(this, QStringLiteral("%1：请先填写学号和姓名。").arg(what));
    (all.studentId.empty() ? studentId_ : name_)->setFocus();
    return false;
  }
  if (all.lines.empty()) {
    EntryActions::report(this, QStringLiteral("%1：还没有写任何答案，没有可保存的内容。").arg(what));
    return false;
  }
  QString path = targetPath_;
  if (path.isEmpty()) {
    QString suggested =
        QStringLiteral("%1-%2-%3.csv").arg(ToQString(set_.id), ToQString(all.studentId), ToQString(all.name));
    suggested.replace(QLatin1Char('/'), QLatin1Char('_'));
    path = QFileDialog::getSaveFileName(this, what, QDir(SaveDialogFolder()).filePath(suggested),
                                        QStringLiteral("答案 CSV (*.csv)"));
    if (path.isEmpty()) return false;
    RememberSaveFolder(path);
  }
  std::string csv = AnswersCsv(all);
  QString error;
  if (!WriteFileAtomically(path, QByteArray::fromStdString(csv), &error)) {
    EntryActions::report(
        this, QStringLiteral("%1失败：无法写入文件“%2”。\n原因：%3\n没有写入任何内容，原有文件保持不变。")
                  .arg(what, QDir::toNativeSeparators(path), error));
    return false;
  }
  savedCsv_ = std::move(csv);
  return true;
}

void SetAnswerSheet::closeEvent(QCloseEvent* event) {
  SetAnswers all = answers();
  if (all.lines.empty() || AnswersCsv(all) == savedCsv_) {
    event->accept();
    return;
  }
  auto choice =
      QMessageBox::question(this, windowTitle(), QStringLiteral("答案还没有保存，关闭后会丢失。仍然关闭吗？"),
                            QMessageBox::Close | QMessageBox::Cancel, QMessageBox::Cancel);
  if (choice == QMessageBox::Close) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace varnello
