// The 关于 Varnello box: reached by F1 and the main window's right-click menu, one at a time,
// showing the version; the menu bar keeps its entries.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QtTest>

#include "gui/gui_tests.h"
#include "gui/main_window.h"

namespace varnello {
namespace {

class AboutTest : public QObject {
  Q_OBJECT

 private slots:
  void f1AndContextMenuShowOneBox() {
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.menuBar()->actions().size(), 14);  // the original's 13 and 账簿
    QCOMPARE(window.contextMenuPolicy(), Qt::ActionsContextMenu);
    QAction* about = window.findChild<QAction*>(QStringLiteral("AboutAction"));
    QVERIFY(about != nullptr);
    QVERIFY(window.actions().contains(about));
    QCOMPARE(about->text(), QStringLiteral("关于 Varnello"));

    QTest::keyClick(window.keywordField(), Qt::Key_F1);
    auto* box = window.findChild<QMessageBox*>(QStringLiteral("AboutBox"));
    QVERIFY(box != nullptr);
    QVERIFY(box->isVisible());
    QVERIFY(!box->isModal());
    QCOMPARE(box->windowTitle(), QStringLiteral("关于 Varnello"));
    QVERIFY(box->text().contains(QStringLiteral("Varnello " VARNELLO_VERSION)));
    // Lines break only where the text does, between phrases: the widest line fits whole.
    auto* info = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
    QVERIFY(info != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(box));
    for (const QString& line :
         QStringList{QStringLiteral("输入关键字（如买股票、工资），按确定，打开业务的窗口；"),
                     QStringLiteral("命令行程序 varnello-cli 计算同样的分录。")}) {
      QVERIFY(info->text().contains(line));
      QVERIFY2(info->contentsRect().width() >= info->fontMetrics().horizontalAdvance(line), qPrintable(line));
    }

    about->trigger();
    QCOMPARE(window.findChildren<QMessageBox*>().size(), 1);
    box->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.findChildren<QMessageBox*>().isEmpty());
    // The keyword field keeps its own editing menu.
    QCOMPARE(window.keywordField()->contextMenuPolicy(), Qt::DefaultContextMenu);
  }
};

testing::RegisterGuiTest<AboutTest> registered;

}  // namespace
}  // namespace varnello

#include "about_test.moc"
