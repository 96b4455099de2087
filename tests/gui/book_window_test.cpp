// The 账簿 window: the shipped month in its tabs, a press taken in, the book saved and read back,
// and the 账簿 entry of the main window's menu.
#include "gui/book_window.h"

#include <QCheckBox>
#include <QFile>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "core/books/reports.h"
#include "gui/gui_tests.h"
#include "gui/main_window.h"

namespace varnello {
namespace {

class BookWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheShippedMonthInItsTabs() {
    BookWindow* book = BookWindow::instance();
    QVERIFY(book->openSample());
    QStringList tabs;
    for (int i = 0; i < book->tabs()->count(); ++i) tabs << book->tabs()->tabText(i);
    QCOMPARE(tabs, (QStringList{"凭证", "T字账", "科目汇总表", "试算平衡表", "资产负债表", "利润表"}));
    auto* sheet = book->findChild<QTextBrowser*>(QStringLiteral("资产负债表"));
    QVERIFY(sheet->toPlainText().contains(QStringLiteral("1,811,304.00")));
    auto* trial = book->findChild<QTextBrowser*>(QStringLiteral("试算平衡表"));
    QVERIFY(!trial->toPlainText().contains(QStringLiteral("本年利润")));
    // 结转损益 adds the two closing vouchers; 本年利润 then holds the month's profit.
    book->findChild<QCheckBox*>(QStringLiteral("closeProfitAndLoss"))->setChecked(true);
    QVERIFY(trial->toPlainText().contains(QStringLiteral("57,333.45")));
    QCOMPARE(book->book().entries.size(), 33u);
    book->findChild<QCheckBox*>(QStringLiteral("closeProfitAndLoss"))->setChecked(false);
  }

  void takesAPressInAndSavesTheBookWhole() {
    BookWindow* book = BookWindow::instance();
    QVERIFY(book->openSample());
    int before = book->lines().size();
    book->appendLine(QStringLiteral(
        R"({"window":"Form102","fields":{"Text1":"50000","Text2":"0.06","Text3":"3"},"entries":[0],"rules":"classic","date":"2026-12-31","summary":"借款"})"));
    Book b = book->book();
    QCOMPARE(b.entries.size(), 32u);
    QCOMPARE(b.entries.back().summary, std::string("借款"));
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("month.jsonl"));
    QVERIFY(book->saveFile(path));
    QVERIFY(book->openFile(path));
    QCOMPARE(book->lines().size(), before + 1);
    // Unclosed: the assets' 2,030,454.00, the expenses' 253,166.55 and the 50,000.00 borrowed.
    QCOMPARE(TrialOf(book->book()).totals.closingDebit, Fen{233362055});
  }

  void theMainWindowsMenuOpensIt() {
    MainWindow window;
    QAction* action = window.menuBar()->findChild<QAction*>(QStringLiteral("bookMenu"));
    QVERIFY(action != nullptr);
    QCOMPARE(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_B));
    BookWindow::instance()->hide();
    action->trigger();
    QVERIFY(BookWindow::instance()->isVisible());
    BookWindow::instance()->hide();
  }
};

testing::RegisterGuiTest<BookWindowTest> registered;

}  // namespace
}  // namespace varnello

#include "book_window_test.moc"
