#include "gui/set_answer_sheet.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/answer_table.h"
#include "gui/app_font.h"
#include "gui/entry_actions.h"
#include "gui/qt_convert.h"
#include "gui/screen_fit.h"

namespace varnello {

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
  EmphasiseHeading(number_);
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
      NewAnswerDelegate([this](int row, int column) { enterPressed(row, column); }, this));
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
  button(buttons, QStringLiteral("批改(&M)"), QStringLiteral("markAnswers"), [this] { mark(); });
  button(buttons, QStringLiteral("保存答案(&S)…"), QStringLiteral("saveAnswers"), [this] { save(); });
  result_ = new QLabel(this);
  result_->setObjectName(QStringLiteral("setResult"));
  result_->setWordWrap(true);
  result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(result_);
  layout->addLayout(rowButtons);
  layout->addLayout(buttons);
  auto* hint = new QLabel(QStringLiteral("Enter 下一格（最后一格新添一行）　借/贷：↑↓ 或 J/D　"
                                         "每题的答案随题保存，可以来回翻看　Ctrl+Enter 批改"),
                          this);
  hint->setWordWrap(true);
  layout->addWidget(hint);
  auto* marking = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return), this, this, [this] { mark(); });
  marking->setContext(Qt::WidgetWithChildrenShortcut);
  for (auto [keys, slot] : {std::pair{QKeySequence(Qt::Key_Insert), &SetAnswerSheet::addRow},
                            std::pair{QKeySequence(Qt::CTRL | Qt::Key_Delete), &SetAnswerSheet::deleteRow}}) {
    auto* s = new QShortcut(keys, this, this, slot);
    s->setContext(Qt::WidgetWithChildrenShortcut);
  }
  savedCsv_ = AnswersCsv(SetAnswers{set_.id, {}, {}, {}});
  FitToScreen(this, QSize(620, 480));
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
  showMarking();
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
  result_->setText(QStringLiteral("答案已保存到 %1").arg(QDir::toNativeSeparators(path)));
  return true;
}

namespace {

// A score as the class report writes it: two decimals at most, trailing zeros dropped.
QString ScoreText(double score) {
  QString text = QString::number(score, 'f', 2);
  while (text.endsWith(QLatin1Char('0'))) text.chop(1);
  if (text.endsWith(QLatin1Char('.'))) text.chop(1);
  return text;
}

}  // namespace

bool SetAnswerSheet::mark() {
  SetAnswers all = answers();
  if (all.lines.empty()) {
    marking_.reset();
    result_->setText(QStringLiteral("批改：还没有写任何答案。"));
    return false;
  }
  // The answers go through the same file form and marking as a class's answers handed in, so
  // that the marks are the teacher's; the 学号 only names the answers there.
  if (all.studentId.empty()) all.studentId = "-";
  ClassMarking marked = MarkClass(set_, {AnswerFile{"作答", AnswersCsv(all), {}}}, MarkOptions{});
  if (marked.students.empty()) {
    marking_.reset();
    QString reason = marked.problems.empty() ? QString() : ToQString(marked.problems.front().reason);
    result_->setText(QStringLiteral("批改失败：%1").arg(reason));
    return false;
  }
  marking_ = std::move(marked.students.front());
  showMarking();
  return true;
}

void SetAnswerSheet::showMarking() {
  if (!marking_ || current_ >= marking_->questions.size()) {
    if (!result_->text().startsWith(QStringLiteral("答案已保存"))) result_->clear();
    return;
  }
  const QuestionResult& q = marking_->questions[current_];
  QString text = QStringLiteral("第 %1 题得分 %2").arg(q.number).arg(ScoreText(q.score));
  if (q.errors.empty()) {
    text += QStringLiteral("　全部正确！");
  } else {
    QStringList reasons;
    for (const QuestionError& e : q.errors) reasons << ToQString(e.reason);
    text += QStringLiteral("　") + reasons.join(QStringLiteral("；"));
  }
  text += QStringLiteral("\n全套 %1 题，总分 %2（批改后改动的答案，再按 批改 重新计分）")
              .arg(static_cast<qsizetype>(marking_->questions.size()))
              .arg(ScoreText(marking_->total));
  result_->setText(text);
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
