#include "gui/set_dialog.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>
#include <stdexcept>

#include "core/vouchers/set_sheet.h"
#include "gui/entry_actions.h"
#include "gui/print_dialogs.h"
#include "gui/qt_convert.h"
#include "gui/screen_fit.h"
#include "gui/set_answer_sheet.h"
#include "gui/voucher_actions.h"

namespace varnello {

namespace {

// The subjects a set can be drawn from, as the set core knows them.
QStringList SubjectNames() {
  QStringList names;
  for (const std::string& name : SetSubjects()) names << ToQString(name);
  return names;
}

// Cases as the user lists them: keywords or window names, split at commas, 、 or blanks.
std::vector<std::string> CaseList(const QString& text) {
  std::vector<std::string> cases;
  static const QRegularExpression separators(QStringLiteral("[,，、;；\\s]+"));
  for (const QString& item : text.split(separators, Qt::SkipEmptyParts)) cases.push_back(item.toStdString());
  return cases;
}

QString SheetTitle(const ExerciseSet& set, bool key) {
  return QStringLiteral("练习集 %1%2").arg(ToQString(set.id), key ? QStringLiteral(" 答案") : QString());
}

std::vector<VoucherPage> SheetPages(const ExerciseSet& set, bool key) {
  std::vector<SheetQuestion> questions = SheetQuestionsOf(set);
  return key ? LayoutKeySheet(set.id, questions) : LayoutQuestionSheet(set.id, questions);
}

// Reads a whole set file; the reason in `error` when it cannot be read or is damaged.
std::optional<ExerciseSet> ReadSetFile(const QString& path, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = file.errorString();
    return std::nullopt;
  }
  QByteArray bytes = file.readAll();
  SetReading reading = ReadSet(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!reading.error.empty()) {
    *error = ToQString(reading.error);
    return std::nullopt;
  }
  return reading.set;
}

}  // namespace

SetDialog::SetDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("SetDialog"));
  setWindowTitle(QStringLiteral("练习集"));
  auto* outer = new QVBoxLayout(this);
  // The choices and the questions scroll inside the dialog, so that it fits a small or magnified
  // screen with its buttons always in view.
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("setScroll"));
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* content = new QWidget(scroll);
  auto* layout = new QVBoxLayout(content);
  layout->setContentsMargins(0, 0, 0, 0);
  scroll->setWidget(content);
  outer->addWidget(scroll, 1);

  auto* choose = new QGroupBox(QStringLiteral("出题范围"), content);
  auto* grid = new QGridLayout(choose);
  auto* subjectsLabel = new QLabel(QStringLiteral("类别(&L)（不选：全部业务）"), choose);
  subjects_ = new QListWidget(choose);
  subjects_->setObjectName(QStringLiteral("subjects"));
  subjectsLabel->setBuddy(subjects_);
  for (const QString& name : SubjectNames()) {
    auto* item = new QListWidgetItem(name, subjects_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    item->setCheckState(Qt::Unchecked);
  }
  subjects_->setMinimumHeight(150);
  // Room between the rows, so that the check boxes do not touch.
  subjects_->setSpacing(2);
  grid->addWidget(subjectsLabel, 0, 0, 1, 2);
  grid->addWidget(subjects_, 1, 0, 1, 2);
  auto* form = new QFormLayout;
  cases_ = new QLineEdit(choose);
  cases_->setObjectName(QStringLiteral("cases"));
  cases_->setPlaceholderText(QStringLiteral("关键字或窗口，如 买股票,工资,Form6"));
  count_ = new QSpinBox(choose);
  count_->setObjectName(QStringLiteral("count"));
  count_->setRange(1, 999);
  count_->setValue(10);
  seed_ = new QSpinBox(choose);
  seed_->setObjectName(QStringLiteral("seed"));
  seed_->setRange(0, 999999999);
  seed_->setValue(static_cast<int>(QRandomGenerator::global()->bounded(1u, 1000000u)));
  auto label = [choose](const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text, choose);
    l->setBuddy(buddy);
    return l;
  };
  form->addRow(label(QStringLiteral("业务(&C)"), cases_), cases_);
  form->addRow(label(QStringLiteral("题数(&N)"), count_), count_);
  form->addRow(label(QStringLiteral("种子(&E)"), seed_), seed_);
  grid->addLayout(form, 2, 0, 1, 2);
  layout->addWidget(choose);

  setLabel_ = new QLabel(QStringLiteral("还没有练习集：按 出题 或 打开。"), content);
  setLabel_->setObjectName(QStringLiteral("setId"));
  layout->addWidget(setLabel_);
  questions_ = new QPlainTextEdit(content);
  questions_->setObjectName(QStringLiteral("questions"));
  questions_->setReadOnly(true);
  questions_->setMinimumHeight(160);
  layout->addWidget(questions_, 1);

  auto* top = new QHBoxLayout;
  auto* bottom = new QHBoxLayout;
  auto button = [this](QHBoxLayout* row, const QString& caption, const QString& name, auto slot,
                       bool needsSet) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, slot);
    row->addWidget(b);
    if (needsSet) {
      b->setEnabled(false);
      needSet_.push_back(b);
    }
    return b;
  };
  button(
      top, QStringLiteral("出题(&M)"), QStringLiteral("make"), [this] { makeSet(); }, false);
  button(
      top, QStringLiteral("打开(&O)…"), QStringLiteral("open"), [this] { openSet(); }, false);
  button(
      top, QStringLiteral("保存(&S)…"), QStringLiteral("save"), [this] { saveSet(); }, true);
  button(
      top, QStringLiteral("作答(&A)"), QStringLiteral("answer"), [this] { answer(); }, true);
  button(
      bottom, QStringLiteral("打印题目(&P)…"), QStringLiteral("printSheet"), [this] { printSheet(false); },
      true);
  button(
      bottom, QStringLiteral("打印答案(&K)…"), QStringLiteral("printKey"), [this] { printSheet(true); },
      true);
  button(
      bottom, QStringLiteral("题目 PDF(&D)…"), QStringLiteral("sheetPdf"), [this] { exportPdf(false); },
      true);
  button(
      bottom, QStringLiteral("答案 PDF(&F)…"), QStringLiteral("keyPdf"), [this] { exportPdf(true); }, true);
  outer->addLayout(top);
  outer->addLayout(bottom);
  auto* close = new QPushButton(QStringLiteral("关闭"), this);
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  auto* end = new QHBoxLayout;
  end->addStretch(1);
  end->addWidget(close);
  outer->addLayout(end);
  FitToScreen(this, QSize(560, 640));
}

bool SetDialog::makeSet() {
  SetOptions options;
  options.count = static_cast<std::size_t>(count_->value());
  options.seed = static_cast<std::uint64_t>(seed_->value());
  for (int i = 0; i < subjects_->count(); ++i) {
    if (subjects_->item(i)->checkState() == Qt::Checked)
      options.subjects.push_back(subjects_->item(i)->text().toStdString());
  }
  options.windows = CaseList(cases_->text());
  try {
    set_ = MakeSet(options);
  } catch (const std::invalid_argument& e) {
    EntryActions::report(this, QStringLiteral("出题失败：%1").arg(QString::fromUtf8(e.what())));
    return false;
  }
  showSet();
  return true;
}

bool SetDialog::openSet() {
  QString path = targetPath_;
  if (path.isEmpty()) {
    path = QFileDialog::getOpenFileName(this, QStringLiteral("打开练习集"), SaveDialogFolder(),
                                        QStringLiteral("练习集 (*.jsonl);;所有文件 (*)"));
    if (path.isEmpty()) return false;
    RememberSaveFolder(path);
  }
  QString error;
  std::optional<ExerciseSet> set = ReadSetFile(path, &error);
  if (!set) {
    EntryActions::report(this, QStringLiteral("打开练习集失败：无法读取“%1”。\n原因：%2")
                                   .arg(QDir::toNativeSeparators(path), error));
    return false;
  }
  set_ = std::move(set);
  showSet();
  return true;
}

void SetDialog::showSet() {
  setLabel_->setText(QStringLiteral("练习集 %1，共 %2 题")
                         .arg(ToQString(set_->id))
                         .arg(static_cast<qsizetype>(set_->exercises.size())));
  QString text;
  for (const SetExercise& e : set_->exercises) {
    text += QStringLiteral("第%1题（%2）%3\n").arg(e.number).arg(ToQString(e.window), ToQString(e.question));
  }
  questions_->setPlainText(text);
  for (QPushButton* b : needSet_) b->setEnabled(true);
}

QString SetDialog::askSavePath(const QString& title, const QString& suggested, const QString& filter) {
  if (!targetPath_.isEmpty()) return targetPath_;
  QString path =
      QFileDialog::getSaveFileName(this, title, QDir(SaveDialogFolder()).filePath(suggested), filter);
  if (!path.isEmpty()) RememberSaveFolder(path);
  return path;
}

bool SetDialog::saveSet() {
  if (!set_) return false;
  QString path =
      askSavePath(QStringLiteral("保存练习集"), QStringLiteral("练习集-%1.jsonl").arg(ToQString(set_->id)),
                  QStringLiteral("练习集 (*.jsonl)"));
  if (path.isEmpty()) return false;
  QString error;
  if (!WriteFileAtomically(path, QByteArray::fromStdString(SetText(*set_)), &error)) {
    EntryActions::report(
        this,
        QStringLiteral("保存练习集失败：无法写入文件“%1”。\n原因：%2\n没有写入任何内容，原有文件保持不变。")
            .arg(QDir::toNativeSeparators(path), error));
    return false;
  }
  return true;
}

void SetDialog::printSheet(bool key) {
  if (!set_) return;
  const QString what = key ? QStringLiteral("打印答案") : QStringLiteral("打印题目");
  QString error;
  const PrintDialogs* dialogs = LoadPrintDialogs(PrintModuleFolders(), &error);
  if (dialogs == nullptr) {
    EntryActions::report(this, QStringLiteral("%1失败：无法载入打印模块。\n原因：%2").arg(what, error));
    return;
  }
  std::vector<VoucherPage> pages = SheetPages(*set_, key);
  dialogs->preview(this, QStringLiteral("%1 - %2").arg(what, SheetTitle(*set_, key)), SheetTitle(*set_, key),
                   [&pages](QPagedPaintDevice* device) {
                     device->setPageSize(QPageSize(QPageSize::A4));
                     device->setPageMargins(QMarginsF(0, 0, 0, 0));
                     PaintVoucherPages(pages, device);
                   });
}

bool SetDialog::exportPdf(bool key) {
  if (!set_) return false;
  const QString title = SheetTitle(*set_, key);
  QString path = askSavePath(key ? QStringLiteral("答案 PDF") : QStringLiteral("题目 PDF"),
                             title.split(QLatin1Char(' ')).join(QLatin1Char('-')) + QStringLiteral(".pdf"),
                             QStringLiteral("PDF (*.pdf)"));
  if (path.isEmpty()) return false;
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Varnello"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(300);
    PaintVoucherPages(SheetPages(*set_, key), &writer);
  }
  QString error;
  if (!WriteFileAtomically(path, bytes, &error)) {
    EntryActions::report(
        this,
        QStringLiteral("导出 PDF 失败：无法写入文件“%1”。\n原因：%2\n没有写入任何内容，原有文件保持不变。")
            .arg(QDir::toNativeSeparators(path), error));
    return false;
  }
  return true;
}

void SetDialog::answer() {
  if (!set_) return;
  auto* sheet = new SetAnswerSheet(*set_, parentWidget());
  sheet->setAttribute(Qt::WA_DeleteOnClose);
  // Over the dialog, where the user's eyes are.
  sheet->move(frameGeometry().center() - QPoint(sheet->width() / 2, sheet->height() / 2));
  sheet->show();
  sheet->raise();
  sheet->activateWindow();
}

SetDialog* ShowSetDialog(QWidget* parent) {
  auto* dialog = parent->findChild<SetDialog*>(QStringLiteral("SetDialog"), Qt::FindDirectChildrenOnly);
  if (dialog == nullptr) {
    dialog = new SetDialog(parent);
    // Like the program's other windows, the dialog does not block them.
    dialog->setModal(false);
  }
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
  return dialog;
}

void AttachSetDialog(QWidget* window, QWidget* client, QWidget* practiceSwitch) {
  auto* action = new QAction(QStringLiteral("练习集(&J)…"), window);
  action->setObjectName(QStringLiteral("SetAction"));
  action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
  action->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(action, &QAction::triggered, window, [window] { ShowSetDialog(window); });
  window->addAction(action);
  window->setContextMenuPolicy(Qt::ActionsContextMenu);
  // On the practice switch's row, left of it in the free space, so that the client area keeps its
  // designed size; the last stop of the Tab chain.
  auto* button = new QPushButton(QStringLiteral("练习集(&J)…"), client);
  button->setObjectName(QStringLiteral("setButton"));
  button->setAutoDefault(false);
  button->setToolTip(QStringLiteral("出一套练习题、打印题目和答案，或打开练习集作答"));
  const QRect beside = practiceSwitch->geometry();
  const QSize size = button->sizeHint().expandedTo(QSize(0, beside.height()));
  button->setGeometry(beside.x() - 12 - size.width(), beside.center().y() - size.height() / 2, size.width(),
                      size.height());
  QObject::connect(button, &QPushButton::clicked, window, [window] { ShowSetDialog(window); });
  QWidget::setTabOrder(practiceSwitch, button);
}

}  // namespace varnello
