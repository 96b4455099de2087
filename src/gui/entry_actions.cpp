#include "gui/entry_actions.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTextDocument>

#include "core/catalogue/catalogue.h"
#include "core/entries/table.h"
#include "core/files/whole_file.h"
#include "gui/output_view.h"
#include "gui/print_dialogs.h"
#include "gui/qt_convert.h"

namespace varnello {

namespace {

EntryActions::MessageReporter& Reporter() {
  static EntryActions::MessageReporter reporter = [](QWidget* window, const QString& message) {
    QMessageBox::warning(window, window->windowTitle(), message);
  };
  return reporter;
}

// The folder the last save dialog was accepted in, for the next one (this run only).
QString& LastFolder() {
  static QString folder;
  return folder;
}

QString Cell(const QString& text, bool amount = false, bool bold = false) {
  QString inner = text.toHtmlEscaped();
  if (bold) inner = "<b>" + inner + "</b>";
  return QStringLiteral("<td%1>%2</td>").arg(amount ? QStringLiteral(" align=\"right\"") : QString(), inner);
}

}  // namespace

QString BusinessOf(const QString& window) {
  for (const KeywordRow& row : Keywords()) {
    if (ToQString(row.window) == window) return ToQString(row.keyword);
  }
  return {};
}

QString BusinessTitle(const QString& window) {
  QString business = BusinessOf(window);
  return business.isEmpty() ? window : QStringLiteral("%1（%2）").arg(business, window);
}

QString ExportFileName(const QString& window, const QString& suffix) {
  QString base = BusinessOf(window);
  if (base.isEmpty()) base = window;
  // Characters that no file system takes in a name.
  for (QChar& c : base) {
    if (QStringLiteral("\\/:*?\"<>|").contains(c) || c.unicode() < 0x20) c = QLatin1Char('_');
  }
  return base + QLatin1Char('.') + suffix;
}

QString SaveDialogFolder() {
  if (!LastFolder().isEmpty() && QFileInfo(LastFolder()).isDir()) return LastFolder();
  QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
  // Never the folder the program happened to be started in.
  return QDir::homePath();
}

void RememberSaveFolder(const QString& file) {
  LastFolder() = QFileInfo(file).absolutePath();
}

QMimeData* TableMimeData(const std::vector<Entry>& entries) {
  EntryTable table = TableOf(entries, true);
  auto* mime = new QMimeData;
  mime->setText(ToQString(ToTsv(table)));
  mime->setHtml(ToQString(ToHtml(table)));
  return mime;
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
  std::string reason = WriteWholeFile(QFile::encodeName(path).toStdString(),
                                      std::string_view(bytes.constData(), bytes.size()));
  if (reason.empty()) return true;
  if (error != nullptr) *error = QString::fromLocal8Bit(reason);
  return false;
}

QString PrintHtml(const PrintContent& c) {
  QString html = QStringLiteral("<html><body>");
  html += QStringLiteral("<h2>%1</h2>").arg(c.window.toHtmlEscaped());
  if (!c.keywords.isEmpty()) {
    html += QStringLiteral("<p>关键字：%1</p>").arg(c.keywords.join(QStringLiteral("、")).toHtmlEscaped());
  }
  html += QStringLiteral("<p>日期：%1</p>").arg(c.date.toString(QStringLiteral("yyyy年M月d日")));
  if (!c.figures.empty()) {
    html += QStringLiteral("<h3>输入数据</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">");
    for (const auto& [caption, text] : c.figures) html += "<tr>" + Cell(caption) + Cell(text, true) + "</tr>";
    html += QStringLiteral("</table>");
  }
  html += QStringLiteral("<h3>会计分录</h3>");
  EntryTable entries = TableOf(c.entries, {TableOptions::Totals::Sided, true});
  html +=
      ToQString(ToHtml(entries, {false, R"(border="1" cellspacing="0" cellpadding="4" width="100%")", true}));
  html += QStringLiteral("</body></html>");
  return html;
}

void PrintEntries(const PrintContent& content, QPagedPaintDevice* device) {
  QTextDocument doc;
  QFont font = QGuiApplication::font();
  font.setPointSize(10);
  // The screen font may be drawn without antialiasing (sharp on ordinary screens at its one
  // size); a printout is drawn at every scale the preview zooms to, and there only antialiased
  // text stays legible.
  font.setStyleStrategy(QFont::PreferAntialias);
  doc.setDefaultFont(font);
  doc.setHtml(PrintHtml(content));
  doc.print(device);
}

EntryActions::EntryActions(QWidget* window, QString name, EntriesSource entries, FiguresSource figures)
    : QObject(window),
      window_(window),
      name_(std::move(name)),
      entries_(std::move(entries)),
      figures_(std::move(figures)) {
  copyTable_ = new QAction(QStringLiteral("复制为表格(&T)"), this);
  copyTable_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copyTable_->setShortcutContext(Qt::WindowShortcut);
  window->addAction(copyTable_);
  saveCsv_ = new QAction(QStringLiteral("另存为 CSV(&S)…"), this);
  printPreview_ = new QAction(QStringLiteral("打印预览(&V)…"), this);
  print_ = new QAction(QStringLiteral("打印(&P)…"), this);
  exportPdf_ = new QAction(QStringLiteral("导出 PDF(&E)…"), this);
  connect(copyTable_, &QAction::triggered, this, &EntryActions::doCopyTable);
  connect(saveCsv_, &QAction::triggered, this, &EntryActions::doSaveCsv);
  connect(printPreview_, &QAction::triggered, this, &EntryActions::doPrintPreview);
  connect(print_, &QAction::triggered, this, &EntryActions::doPrint);
  connect(exportPdf_, &QAction::triggered, this, &EntryActions::doExportPdf);
}

void EntryActions::setMessageReporter(MessageReporter reporter) {
  Reporter() = std::move(reporter);
}

void EntryActions::report(QWidget* window, const QString& message) {
  Reporter()(window, message);
}

void EntryActions::addTo(QMenu* menu, const std::optional<QString>& capital, const QString& refusal) {
  bool any = !entries_().empty();
  menu->addSeparator();
  for (QAction* a : {copyTable_, saveCsv_, printPreview_, print_, exportPdf_}) {
    a->setEnabled(any);
    menu->addAction(a);
  }
  if (capital) {
    QAction* copy = menu->addAction(QStringLiteral("复制大写金额（%1）(&N)").arg(*capital));
    QString text = *capital;
    connect(copy, &QAction::triggered, menu, [text] { QGuiApplication::clipboard()->setText(text); });
  } else if (!refusal.isEmpty()) {
    menu->addAction(QStringLiteral("复制大写金额：%1").arg(refusal))->setEnabled(false);
  }
  // The shortcut stays live whatever the menu showed.
  connect(menu, &QMenu::aboutToHide, copyTable_, [this] { copyTable_->setEnabled(true); });
}

void EntryActions::attach(OutputView* view) {
  connect(view, &OutputView::contextMenuAboutToShow, this, [this, view](QMenu* menu, int line) {
    addTo(menu, view->capitalOf(line), view->capitalRefusalOf(line));
  });
}

PrintContent EntryActions::content() const {
  PrintContent c;
  c.window = BusinessTitle(name_);
  for (const KeywordRow& row : Keywords()) {
    if (ToQString(row.window) == name_) c.keywords << ToQString(row.keyword);
  }
  c.figures = figures_();
  c.entries = entries_();
  c.date = QDate::currentDate();
  return c;
}

void EntryActions::doCopyTable() {
  std::vector<Entry> entries = entries_();
  if (entries.empty()) return;
  QGuiApplication::clipboard()->setMimeData(TableMimeData(entries));
}

QString EntryActions::askPath(const QString& title, const QString& suffix, const QString& filter) {
  if (!targetPath_.isEmpty()) return targetPath_;
  QString path = QFileDialog::getSaveFileName(
      window_, title, QDir(SaveDialogFolder()).filePath(ExportFileName(name_, suffix)), filter);
  if (!path.isEmpty()) LastFolder() = QFileInfo(path).absolutePath();
  return path;
}

void EntryActions::fail(const QString& what, const QString& path, const QString& reason) {
  Reporter()(window_,
             QStringLiteral("%1失败：无法写入文件“%2”。\n原因：%3\n没有写入任何内容，原有文件保持不变。")
                 .arg(what, QDir::toNativeSeparators(path), reason));
}

bool EntryActions::doSaveCsv() {
  std::vector<Entry> entries = entries_();
  if (entries.empty()) return false;
  QString path =
      askPath(QStringLiteral("另存为 CSV"), QStringLiteral("csv"), QStringLiteral("CSV 文件 (*.csv)"));
  if (path.isEmpty()) return false;
  std::string csv = ToCsv(TableOf(entries), true);
  QString error;
  if (!WriteFileAtomically(path, QByteArray::fromStdString(csv), &error)) {
    fail(QStringLiteral("另存为 CSV "), path, error);
    return false;
  }
  return true;
}

const PrintDialogs* EntryActions::printDialogs(const QString& what) {
  QString error;
  const PrintDialogs* dialogs = LoadPrintDialogs(PrintModuleFolders(), &error);
  if (dialogs == nullptr) {
    Reporter()(window_, QStringLiteral("%1失败：无法载入打印模块。\n原因：%2").arg(what, error));
  }
  return dialogs;
}

void EntryActions::doPrintPreview() {
  const PrintDialogs* dialogs = printDialogs(QStringLiteral("打印预览"));
  if (dialogs == nullptr) return;
  PrintContent c = content();
  dialogs->preview(window_, QStringLiteral("打印预览 - %1").arg(name_), BusinessTitle(name_),
                   [&c](QPagedPaintDevice* device) { PrintEntries(c, device); });
}

void EntryActions::doPrint() {
  const PrintDialogs* dialogs = printDialogs(QStringLiteral("打印"));
  if (dialogs == nullptr) return;
  // The figures and entries as they are when the user accepts the dialog.
  dialogs->print(window_, QStringLiteral("打印 - %1").arg(name_), BusinessTitle(name_),
                 [this](QPagedPaintDevice* device) { PrintEntries(content(), device); });
}

bool EntryActions::doExportPdf() {
  QString path =
      askPath(QStringLiteral("导出 PDF"), QStringLiteral("pdf"), QStringLiteral("PDF 文件 (*.pdf)"));
  if (path.isEmpty()) return false;
  // The whole document is made in memory first, so that the file is written in one piece.
  QByteArray document;
  {
    QBuffer buffer(&document);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(BusinessTitle(name_));
    writer.setCreator(QStringLiteral("Varnello"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    PrintEntries(content(), &writer);
  }
  QString error;
  if (WriteFileAtomically(path, document, &error)) return true;
  fail(QStringLiteral("导出 PDF "), path, error);
  return false;
}

}  // namespace varnello
