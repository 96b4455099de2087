#include "gui/practice_sheet.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "core/practice/exercise.h"
#include "gui/answer_table.h"
#include "gui/qt_convert.h"
#include "gui/screen_fit.h"
#include "gui/topic_window.h"

namespace varnello {

namespace {

// Pixels between a window and its sheet.
constexpr int kGap = 8;

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
      NewAnswerDelegate([this](int row, int column) { enterPressed(row, column); }, this));
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
  // How the marking counts, so that a score below 100 % with every row green is no riddle.
  auto* scoring = new QLabel(QStringLiteral("得分：写对的行数减去多写（分录里没有）的行数，除以应写的行数，"
                                            "不低于 0；有几笔分录时取各笔的平均。"),
                             this);
  scoring->setObjectName(QStringLiteral("scoringRule"));
  scoring->setWordWrap(true);
  scoring->setForegroundRole(QPalette::PlaceholderText);
  layout->addWidget(scoring);

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
  FitToScreen(this, QSize(640, 480));
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

}  // namespace varnello
