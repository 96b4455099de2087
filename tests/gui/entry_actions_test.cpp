// Taking the entries elsewhere: copy as a table, CSV, PDF, capital numerals of a printed amount.
#include "gui/entry_actions.h"

#include <sys/resource.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>
#include <clocale>
#include <csignal>
#include <string>

#include "core/catalogue/catalogue.h"
#include "core/entries/table.h"
#include "gui/gui_tests.h"
#include "gui/output_view.h"
#include "gui/print_dialogs.h"
#include "gui/qt_convert.h"
#include "gui/topic_window.h"

namespace varnello {
namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// Form6 pressed with a share purchase: 9550 debit, 500 debit, 10050 credit in the first entry.
std::unique_ptr<TopicWindow> SharePurchase() {
  auto w = std::make_unique<TopicWindow>(*FindTopic("Form6"));
  w->show();
  const char* texts[] = {"10", "0.5", "1000", "50"};
  for (int n = 1; n <= 4; ++n) w->field(n)->setText(QString::fromLatin1(texts[n - 1]));
  w->press();
  return w;
}

QPoint PointOfLine(OutputView* view, int line) {
  QTextCursor cursor(view->document()->findBlockByNumber(line));
  return view->cursorRect(cursor).center() + QPoint(20, 0);
}

class EntryActionsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    EntryActions::setMessageReporter([this](QWidget*, const QString& m) { message_ = m; });
  }

  // Every window: Ctrl+Shift+C puts the entries of what it printed on the clipboard as a table,
  // an entry that does not balance flagged at its 合计 row.
  void everyWindowCopiesItsTable() {
    for (const TopicDesc* desc : AllTopics()) {
      TopicWindow w(*desc);
      w.show();
      w.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&w));
      std::map<int, std::string> texts;
      for (const Item* f : FieldsOf(*desc)) {
        texts[f->field] = std::to_string(f->field * 37 % 97 + 3);
        w.field(f->field)->setText(Q(texts[f->field]));
      }
      w.press();
      std::string expected = ToTsv(TableOf(EntriesOf(PressOnce(*desc, FieldTexts(texts))), true));
      QApplication::clipboard()->clear();
      QTest::keyClick(w.surface(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
      QVERIFY2(QApplication::clipboard()->text() == Q(expected),
               qPrintable(ToQString(desc->id) + "\n" + QApplication::clipboard()->text() + "\n---\n" +
                          Q(expected)));
    }
  }

  void copyTableAsTsvAndHtml() {
    auto w = SharePurchase();
    w->entryActions()->copyTable()->trigger();
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    QStringList rows = mime->text().split('\n');
    QCOMPARE(rows[0], QStringLiteral("摘要\t会计科目\t借方金额\t贷方金额\t其他金额"));
    QCOMPARE(rows[1], QStringLiteral("购入股票\t交易性金融资产-成本\t9550\t\t"));
    QCOMPARE(rows[3], QStringLiteral("\t银行存款\t\t10050\t"));
    QVERIFY(mime->html().contains(QStringLiteral("<td align=\"right\">10050</td>")));
  }

  // The context menu of a printed amount offers the actions and its capital numerals.
  void contextMenuAndCapital() {
    auto w = SharePurchase();
    OutputView* view = w->surface();
    std::unique_ptr<QMenu> menu(view->createContextMenu(PointOfLine(view, 3)));
    QStringList texts;
    for (QAction* a : menu->actions()) texts << a->text();
    for (const char* t : {"复制为表格(&T)", "另存为 CSV(&S)…", "打印预览(&V)…", "打印(&P)…", "导出 PDF(&E)…",
                          "显示算式(&W)"}) {
      QVERIFY2(texts.contains(QString::fromUtf8(t)), t);
    }
    // The capital numerals come after the entry actions (the voucher actions follow them).
    qsizetype capital = texts.indexOf(QStringLiteral("复制大写金额（壹万零伍拾元整）(&N)"));
    QVERIFY(capital > texts.indexOf(QStringLiteral("导出 PDF(&E)…")));
    // Every entry has its own letter.
    QSet<QChar> letters;
    for (QAction* a : menu->actions()) {
      if (a->isSeparator()) continue;
      qsizetype amp = a->text().indexOf(QLatin1Char('&'));
      QVERIFY2(amp >= 0 && amp + 1 < a->text().size(), qPrintable(a->text()));
      QVERIFY2(!letters.contains(a->text()[amp + 1].toUpper()), qPrintable(a->text()));
      letters.insert(a->text()[amp + 1].toUpper());
    }
    QCOMPARE(w->entryActions()->copyTable()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+C")));
    menu->actions()[capital]->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("壹万零伍拾元整"));
    // On a heading there is no amount to write out.
    std::unique_ptr<QMenu> onHeading(view->createContextMenu(PointOfLine(view, 0)));
    QVERIFY(!onHeading->actions().last()->text().startsWith(QStringLiteral("复制大写金额")));
  }

  void csvAndPdfFiles() {
    auto w = SharePurchase();
    QTemporaryDir dir;
    EntryActions* actions = w->entryActions();
    actions->setTargetPath(dir.filePath(QStringLiteral("Form6.csv")));
    QVERIFY(actions->doSaveCsv());
    QFile csv(dir.filePath(QStringLiteral("Form6.csv")));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QByteArray bytes = csv.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF摘要,会计科目,借方金额,贷方金额,其他金额\r\n"));
    QVERIFY(bytes.contains("\r\n,银行存款,,10050,\r\n"));

    actions->setTargetPath(dir.filePath(QStringLiteral("Form6.pdf")));
    QVERIFY(actions->doExportPdf());
    QFile pdf(dir.filePath(QStringLiteral("Form6.pdf")));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QByteArray document = pdf.readAll();
    QVERIFY(document.startsWith("%PDF-"));
    // One page, its font embedded.
    QCOMPARE(
        QString::fromLatin1(document).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b(?!s)"))), 1);
    QVERIFY(document.contains("/FontFile"));
    QVERIFY(PrintHtml(actions->content()).contains(QStringLiteral("合计")));
    // Headed, titled and offered under the business, not the window's name alone.
    QVERIFY(PrintHtml(actions->content()).contains(QStringLiteral("<h2>买股票（Form6）</h2>")));
    QCOMPARE(BusinessTitle(QStringLiteral("Form6")), QStringLiteral("买股票（Form6）"));
    QCOMPARE(ExportFileName(QStringLiteral("Form6"), QStringLiteral("csv")), QStringLiteral("买股票.csv"));
    QCOMPARE(ExportFileName(QStringLiteral("Form101"), QStringLiteral("pdf")), QStringLiteral("工资.pdf"));
    QVERIFY(SaveDialogFolder() != QDir::currentPath() || QDir::currentPath() == QDir::homePath());

    // A file that cannot be written: a message in Chinese, and no file at all.
    QString missing = dir.filePath(QStringLiteral("no/such/dir/x.csv"));
    actions->setTargetPath(missing);
    message_.clear();
    QVERIFY(!actions->doSaveCsv());
    QVERIFY(message_.startsWith(QStringLiteral("另存为 CSV 失败")));
    QVERIFY(!QFile::exists(missing));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
  }

  // Saving over a file when the disk fills up part way (a file-size limit cuts the writes short
  // as a full disk does, and needs no right to mount): the message, and the file as it was.
  void fullDiskLeavesTheFileAsItWas() {
    auto w = SharePurchase();
    EntryActions* actions = w->entryActions();
    QTemporaryDir dir;
    struct sigaction ignore {
    }, old{};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, &old);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const QByteArray original = "the file as it was\n";
    for (bool csv : {true, false}) {
      QString path = dir.filePath(csv ? QStringLiteral("Form6.csv") : QStringLiteral("Form6.pdf"));
      actions->setTargetPath(path);
      QVERIFY(csv ? actions->doSaveCsv() : actions->doExportPdf());
      // Cut off at the start, early, and half way through.
      const rlim_t whole = static_cast<rlim_t>(QFileInfo(path).size());
      for (rlim_t limit : {rlim_t{0}, rlim_t{100}, whole / 2}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(original) == original.size());
        file.close();
        message_.clear();
        rlimit small{limit, saved.rlim_max};
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        bool saved_ok = csv ? actions->doSaveCsv() : actions->doExportPdf();
        ::setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY(!saved_ok);
        QVERIFY2(
            message_.startsWith(csv ? QStringLiteral("另存为 CSV 失败") : QStringLiteral("导出 PDF 失败")),
            qPrintable(message_));
        QVERIFY(message_.endsWith(QStringLiteral("原有文件保持不变。")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), original);
        file.close();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), csv ? 1 : 2);
      }
    }
    ::sigaction(SIGXFSZ, &old, nullptr);
  }

  // The capital numerals of a printed amount do not depend on the C library's number locale
  // (a decimal comma in German).
  void capitalUnderAnyNumberLocale() {
    std::string before = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
      QSKIP("the de_DE.UTF-8 locale is not installed (scripts/install-deps.sh makes it)");
    }
    TopicWindow w(*FindTopic("Form3"));
    w.show();
    const char* texts[] = {"1000", "0.25", "0.1", "0.05"};
    for (int n = 1; n <= 4; ++n) w.field(n)->setText(QString::fromLatin1(texts[n - 1]));
    w.press();
    QStringList tips;
    for (int line = 0; line < w.surface()->document()->blockCount(); ++line)
      tips << w.surface()->toolTipOf(line);
    std::setlocale(LC_NUMERIC, before.c_str());
    QVERIFY2(tips.join('\n').contains(QStringLiteral("大写金额：陆佰叁拾柒元伍角")),
             qPrintable(tips.join('\n')));
  }

  // Qt's print support is mapped only once the user prints: a module that cannot be found is
  // told in Chinese; once found, the preview shows the printout's one page under the window's name.
  void printModuleLoadsOnFirstUse() {
    auto mapped = [] {
      QFile maps(QStringLiteral("/proc/self/maps"));
      return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6PrintSupport");
    };
    QVERIFY(!mapped());
    auto w = SharePurchase();
    message_.clear();
    w->entryActions()->doPrintPreview();  // the test program's folder holds no module
    QVERIFY2(message_.startsWith(QStringLiteral("打印预览失败：无法载入打印模块。\n原因：")),
             qPrintable(message_));
    QVERIFY(!mapped());

    QString error;
    QVERIFY2(LoadPrintDialogs({QStringLiteral(VARNELLO_PRINT_MODULE_BUILD_DIR)}, &error) != nullptr,
             qPrintable(error));
    QVERIFY(mapped());
    QString title;
    QString pages;
    QTimer::singleShot(0, this, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (dialog == nullptr) return;
      title = dialog->windowTitle();
      // The page count beside the page number, read from the label (the test does not link Qt's
      // print support, which would put it in the map above).
      for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->text().contains(QLatin1Char('/'))) pages = label->text().simplified();
      }
      dialog->close();
    });
    w->entryActions()->doPrintPreview();
    QCOMPARE(title, QStringLiteral("打印预览 - Form6"));
    QCOMPARE(pages, QStringLiteral("/ 1"));
  }

 private:
  QString message_;
};

testing::RegisterGuiTest<EntryActionsTest> registered;

}  // namespace
}  // namespace varnello

#include "entry_actions_test.moc"
