#include "gui/book_window.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDate>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPageSize>
#include <QPdfWriter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/books/book_xlsx.h"
#include "core/books/render.h"
#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "core/entries/entries.h"
#include "core/json/json_text.h"
#include "gui/entry_actions.h"
#include "gui/output_view.h"
#include "gui/print_dialogs.h"
#include "gui/qt_convert.h"

namespace varnello {

namespace {

constexpr const char* kFilter = "账簿 (*.jsonl);;所有文件 (*)";

// The tabs after 凭证, each showing one report.
constexpr BookReport kTabs[] = {BookReport::TAccounts, BookReport::Summary, BookReport::Trial,
                                BookReport::BalanceSheet, BookReport::Income};
constexpr const char* kTabNames[] = {"T字账", "科目汇总表", "试算平衡表", "资产负债表", "利润表"};

// The vouchers: each entry's rows under its date, number and 摘要.
ReportTable VoucherTable(const Book& book) {
  ReportTable t;
  t.title = "记账凭证";
  t.header = {"日期", "凭证字号", "摘要", "会计科目", "借方金额", "贷方金额"};
  t.amounts = {false, false, false, false, true, true};
  for (const BookEntry& e : book.entries) {
    bool first = true;
    for (const Posting& p : e.rows) {
      std::string account = p.detail.empty() ? p.general : p.general + "-" + p.detail;
      t.rows.push_back({first ? e.date : "", first ? "记" + std::to_string(e.number) : "",
                        first ? e.summary : "", account, p.side == Side::Debit ? FormatFen(p.amount) : "",
                        p.side == Side::Credit ? FormatFen(p.amount) : ""});
      first = false;
    }
  }
  return t;
}

// The shipped month: beside the installed program, or in the source tree of a build.
QString SamplePath() {
  QString installed =
      QCoreApplication::applicationDirPath() + QStringLiteral("/../share/varnello/books/示例账簿.jsonl");
  if (QFileInfo::exists(installed)) return installed;
  return QString::fromUtf8(VARNELLO_SAMPLE_BOOK);
}

}  // namespace

BookWindow* BookWindow::instance() {
  static BookWindow* window = new BookWindow();
  return window;
}

BookWindow::BookWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("BookWindow"));
  setWindowTitle(QStringLiteral("账簿"));
  resize(980, 680);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("bookTabs"));
  auto addView = [this](const QString& name) {
    auto* view = new QTextBrowser(tabs_);
    view->setObjectName(name);
    tabs_->addTab(view, name);
    views_.push_back(view);
  };
  addView(QStringLiteral("凭证"));
  for (const char* name : kTabNames) addView(QString::fromUtf8(name));
  setCentralWidget(tabs_);
  status_ = new QLabel(this);
  status_->setWordWrap(true);
  statusBar()->addWidget(status_, 1);

  QMenu* file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
  file->addAction(QStringLiteral("打开(&O)…"), QKeySequence::Open, this, &BookWindow::open);
  file->addAction(QStringLiteral("保存(&S)"), QKeySequence::Save, this, &BookWindow::save);
  file->addAction(QStringLiteral("另存为(&A)…"), this, &BookWindow::saveAs);
  file->addAction(QStringLiteral("示例账簿(&E)"), this, &BookWindow::openSample);
  file->addSeparator();
  file->addAction(QStringLiteral("打印(&P)…"), QKeySequence::Print, this, &BookWindow::print);
  file->addAction(QStringLiteral("导出 PDF(&D)…"), this, &BookWindow::exportPdf);
  file->addAction(QStringLiteral("导出 xlsx(&X)…"), this, &BookWindow::exportXlsx);
  QToolBar* bar = addToolBar(QStringLiteral("账簿"));
  close_ = new QCheckBox(QStringLiteral("结转损益"), bar);
  close_->setObjectName(QStringLiteral("closeProfitAndLoss"));
  bar->addWidget(close_);
  connect(close_, &QCheckBox::toggled, this, &BookWindow::refresh);
  refresh();
}

Book BookWindow::book() const {
  BookReading r = ReadBook(lines_.join(QLatin1Char('\n')).toStdString());
  if (close_->isChecked()) CloseProfitAndLoss(r.book);
  return r.book;
}

void BookWindow::refresh() {
  BookReading r = ReadBook(lines_.join(QLatin1Char('\n')).toStdString());
  if (close_->isChecked()) CloseProfitAndLoss(r.book);
  views_[0]->setHtml(ToQString(HtmlOf({VoucherTable(r.book)})));
  for (std::size_t i = 0; i < std::size(kTabs); ++i) {
    views_[i + 1]->setHtml(ToQString(HtmlOf(TablesOf(r.book, kTabs[i]))));
  }
  QString where = path_.isEmpty() ? QStringLiteral("未保存的账簿") : QFileInfo(path_).fileName();
  QString text = QStringLiteral("%1：%2 张凭证").arg(where).arg(r.book.entries.size());
  for (const BookRefusal& refused : r.refused) {
    text += QStringLiteral("；第 %1 行未入账：%2").arg(refused.line).arg(ToQString(refused.message));
  }
  status_->setText(text);
}

void BookWindow::appendLine(const QString& line) {
  lines_.append(line);
  refresh();
}

bool BookWindow::openFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    EntryActions::report(
        this, QStringLiteral("打开账簿失败：无法读取“%1”。\n原因：%2").arg(path, file.errorString()));
    return false;
  }
  QString text = QString::fromUtf8(file.readAll());
  lines_ = text.split(QLatin1Char('\n'));
  while (!lines_.isEmpty() && lines_.back().trimmed().isEmpty()) lines_.removeLast();
  path_ = path;
  refresh();
  return true;
}

bool BookWindow::saveFile(const QString& path) {
  QString error;
  QByteArray bytes = (lines_.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
  if (!WriteFileAtomically(path, bytes, &error)) {
    EntryActions::report(this, QStringLiteral("保存账簿失败：无法写入“%1”。\n原因：%2").arg(path, error));
    return false;
  }
  path_ = path;
  refresh();
  return true;
}

bool BookWindow::openSample() {
  bool opened = openFile(SamplePath());
  // The sample is a start: saving asks where, so the shipped file stays as it is.
  if (opened) path_.clear();
  refresh();
  return opened;
}

void BookWindow::open() {
  QString path =
      QFileDialog::getOpenFileName(this, QStringLiteral("打开账簿"), QString(), QString::fromUtf8(kFilter));
  if (!path.isEmpty()) openFile(path);
}

void BookWindow::save() {
  if (path_.isEmpty()) {
    saveAs();
  } else {
    saveFile(path_);
  }
}

void BookWindow::saveAs() {
  QString path = QFileDialog::getSaveFileName(this, QStringLiteral("保存账簿"), QStringLiteral("账簿.jsonl"),
                                              QString::fromUtf8(kFilter));
  if (!path.isEmpty()) saveFile(path);
}

QString BookWindow::html() const {
  Book b = book();
  std::vector<ReportTable> tables = {VoucherTable(b)};
  for (BookReport r : kTabs) {
    for (ReportTable& t : TablesOf(b, r)) tables.push_back(std::move(t));
  }
  return ToQString(HtmlOf(tables));
}

void BookWindow::print() {
  QString error;
  const PrintDialogs* dialogs = LoadPrintDialogs(PrintModuleFolders(), &error);
  if (dialogs == nullptr) {
    EntryActions::report(this, QStringLiteral("打印失败：无法载入打印模块。\n原因：%1").arg(error));
    return;
  }
  QString content = html();
  dialogs->print(this, QStringLiteral("打印 - 账簿"), QStringLiteral("账簿"),
                 [content](QPagedPaintDevice* device) {
                   QTextDocument document;
                   document.setHtml(content);
                   document.print(device);
                 });
}

void BookWindow::exportPdf() {
  QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出 PDF"), QStringLiteral("账簿.pdf"),
                                              QStringLiteral("PDF 文件 (*.pdf)"));
  if (path.isEmpty()) return;
  QByteArray document;
  {
    QBuffer buffer(&document);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(QStringLiteral("账簿"));
    writer.setCreator(QStringLiteral("Varnello"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    QTextDocument text;
    text.setHtml(html());
    text.print(&writer);
  }
  QString error;
  if (!WriteFileAtomically(path, document, &error)) {
    EntryActions::report(this, QStringLiteral("导出 PDF 失败：无法写入“%1”。\n原因：%2").arg(path, error));
  }
}

void BookWindow::exportXlsx() {
  QString path = QFileDialog::getSaveFileName(this, QStringLiteral("导出 xlsx"), QStringLiteral("账簿.xlsx"),
                                              QStringLiteral("Excel 工作簿 (*.xlsx)"));
  if (path.isEmpty()) return;
  Book b = book();
  std::vector<ReportSheet> sheets = {{"凭证", {VoucherTable(b)}}};
  for (std::size_t i = 0; i < std::size(kTabs); ++i) sheets.push_back({kTabNames[i], TablesOf(b, kTabs[i])});
  std::string error;
  std::optional<std::string> bytes = ReportsXlsx(sheets, &error);
  QString reason = ToQString(error);
  if (!bytes || !WriteFileAtomically(path, QByteArray::fromStdString(*bytes), &reason)) {
    EntryActions::report(this, QStringLiteral("导出 xlsx 失败：“%1”。\n原因：%2").arg(path, reason));
  }
}

void AttachBookMenu(QMainWindow* window) {
  QAction* action = window->menuBar()->addAction(QStringLiteral("账簿"));
  action->setObjectName(QStringLiteral("bookMenu"));
  // A menu bar's action answers its shortcut while the window is active.
  action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
  QObject::connect(action, &QAction::triggered, window, [] {
    BookWindow* book = BookWindow::instance();
    book->show();
    book->raise();
    book->activateWindow();
  });
}

namespace {

// Asks for the date, 摘要 and entries of a press to go into the book; the JSON line, or empty.
QString AskPressLine(QWidget* parent, const TopicDesc& desc, const std::map<int, std::string>& fields) {
  std::vector<FieldText> texts = FieldTexts(fields);
  std::vector<Entry> entries = EntriesOf(PressOnce(desc, texts));
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("记入账簿"));
  auto* form = new QFormLayout;
  static QDate last = QDate::currentDate();
  auto* date = new QDateEdit(last, &dialog);
  date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
  date->setCalendarPopup(true);
  QString keyword = ToQString(desc.id.name());
  for (const KeywordRow& row : Keywords()) {
    if (row.window == desc.id) {
      keyword = ToQString(row.keyword);
      break;
    }
  }
  auto* summary = new QLineEdit(keyword, &dialog);
  auto* list = new QListWidget(&dialog);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    QString text = entries[i].heading.empty() ? QStringLiteral("（无标题）") : ToQString(entries[i].heading);
    QStringList rows;
    for (const EntryRow& r : entries[i].rows) {
      if (r.side != Side::None && r.amount && *r.amount != 0) rows << ToQString(r.account);
    }
    if (rows.isEmpty()) continue;
    auto* item =
        new QListWidgetItem(QStringLiteral("%1：%2").arg(text, rows.join(QStringLiteral("、"))), list);
    item->setData(Qt::UserRole, static_cast<int>(i));
    item->setCheckState(Qt::Checked);
  }
  form->addRow(QStringLiteral("日期"), date);
  form->addRow(QStringLiteral("摘要"), summary);
  form->addRow(QStringLiteral("分录"), list);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(form);
  layout->addWidget(buttons);
  if (list->count() == 0) {
    EntryActions::report(parent,
                         QStringLiteral("记入账簿：这些数字印出的分录没有金额，没有可以记入的分录。"));
    return {};
  }
  if (dialog.exec() != QDialog::Accepted) return {};
  last = date->date();
  std::string line = "{\"window\":";
  AppendJsonString(line, desc.id.name());
  line += ",\"fields\":{";
  bool first = true;
  for (const auto& [n, text] : fields) {
    if (text.empty()) continue;
    if (!first) line += ',';
    first = false;
    AppendJsonString(line, "Text" + std::to_string(n));
    line += ':';
    AppendJsonString(line, text);
  }
  line += "},\"entries\":[";
  first = true;
  for (int i = 0; i < list->count(); ++i) {
    if (list->item(i)->checkState() != Qt::Checked) continue;
    if (!first) line += ',';
    first = false;
    line += std::to_string(list->item(i)->data(Qt::UserRole).toInt());
  }
  if (first) return {};
  line += "],\"rules\":\"classic\",\"date\":";
  AppendJsonString(line, date->date().toString(QStringLiteral("yyyy-MM-dd")).toStdString());
  line += ",\"summary\":";
  AppendJsonString(line, summary->text().toStdString());
  line += '}';
  return ToQString(line);
}

}  // namespace

void AttachBookActions(QWidget* window, const TopicDesc& desc, OutputView* view,
                       std::function<std::map<int, std::string>()> fields) {
  auto* action = new QAction(QStringLiteral("记入账簿(&K)…"), window);
  action->setObjectName(QStringLiteral("postToBook"));
  action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
  window->addAction(action);
  QObject::connect(action, &QAction::triggered, window, [window, &desc, fields] {
    QString line = AskPressLine(window, desc, fields());
    if (line.isEmpty()) return;
    BookWindow* book = BookWindow::instance();
    book->appendLine(line);
    book->show();
    book->raise();
  });
  QObject::connect(view, &OutputView::contextMenuAboutToShow, action, [action](QMenu* menu, int) {
    menu->addSeparator();
    menu->addAction(action);
  });
}

}  // namespace varnello
