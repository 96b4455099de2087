// Main window, keyword dispatch, topic-window conduct and the retained output.
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include "core/catalogue/catalogue.h"
#include "core/press_helper.h"
#include "gui/gui_tests.h"
#include "gui/main_window.h"
#include "gui/output_view.h"
#include "gui/qt_convert.h"
#include "gui/topic_window.h"
#include "gui/window_registry.h"

namespace varnello {
namespace {

QPushButton* Button(QWidget* w, const char* name) {
  return w->findChild<QPushButton*>(QString::fromLatin1(name));
}

QStringList SurfaceLines(QWidget* w) {
  QStringList lines;
  for (std::string_view l : static_cast<TopicWindow*>(w)->surface()->record().lines()) {
    lines << ToQString(l);
  }
  return lines;
}

class ShellTest : public QObject {
  Q_OBJECT

  std::unique_ptr<WindowRegistry> windows;
  std::vector<FaultKind> faults;

  void type(const QString& keyword) {
    QLineEdit* field = windows->mainWindow()->keywordField();
    field->setText(keyword);
    QTest::mouseClick(Button(windows->mainWindow(), "Command1"), Qt::LeftButton);
  }

 private slots:
  void init() {
    windows = std::make_unique<WindowRegistry>();
    windows->show(QStringLiteral("Form1"));
    faults.clear();
  }
  void cleanup() {
    testing::CloseFaultBoxes();
    windows.reset();
  }

  void mainWindowLayout() {
    MainWindow* m = windows->mainWindow();
    QCOMPARE(m->windowTitle(), QStringLiteral("Form1"));
    // The 13 entries of the original menu, then 账簿.
    QCOMPARE(m->menuBar()->actions().size(), 14);
    QCOMPARE(m->menuBar()->actions()[9]->text(), QStringLiteral("本年/营业/净利润"));
    QCOMPARE(m->menuBar()->actions()[13]->text(), QStringLiteral("账簿"));
    QCOMPARE(Button(m, "Command1")->text(), QStringLiteral("确定"));
    QCOMPARE(Button(m, "Command3")->text(), QStringLiteral("取消"));
    QCOMPARE(Button(m, "Command2")->text(), QStringLiteral("退出"));
    for (auto* b : m->findChildren<QPushButton*>()) QVERIFY(!b->isDefault() && !b->autoDefault());
    QCOMPARE(m->keywordField()->nextInFocusChain(), static_cast<QWidget*>(Button(m, "Command3")));
  }

  void mainCancelKeepsKeywordAndExitEndsTheProgram() {
    MainWindow* m = windows->mainWindow();
    m->keywordField()->setText(QStringLiteral("坏账准备"));
    QTest::mouseClick(Button(m, "Command3"), Qt::LeftButton);
    QCOMPARE(m->keywordField()->text(), QStringLiteral("坏账准备"));
    QVERIFY(m->isVisible());
    QSignalSpy quit(windows.get(), &WindowRegistry::quitRequested);
    QTest::mouseClick(Button(m, "Command2"), Qt::LeftButton);
    QCOMPARE(quit.count(), 1);
    m->close();  // the title-bar close button ends the program too
    QCOMPARE(quit.count(), 2);
  }

  void keywordDispatchIsExact() {
    for (const char* miss : {"", "买股票 ", " 买股票", "购买原材料(完整)"}) {
      type(QString::fromUtf8(miss));
      QVERIFY(windows->mainWindow()->isVisible());
      QVERIFY(windows->existing(QStringLiteral("Form6")) == nullptr);
    }
    type(QStringLiteral("购入股票"));
    QVERIFY(!windows->mainWindow()->isVisible());
    QWidget* form6 = windows->existing(QStringLiteral("Form6"));
    QVERIFY(form6 != nullptr && form6->isVisible());
    QCOMPARE(form6->windowTitle(), QStringLiteral("Form6"));
  }

  void pressPrintsTheCoreLinesAndKeepsThem() {
    type(QStringLiteral("买股票"));
    auto* form6 = static_cast<TopicWindow*>(windows->existing(QStringLiteral("Form6")));
    form6->field(1)->setText(QStringLiteral("10"));
    form6->field(3)->setText(QStringLiteral("1000"));
    QTest::mouseClick(form6->button(QStringLiteral("Command1")), Qt::LeftButton);
    auto expected = testing::PressWindow("Form6", {{1, "10"}, {3, "1000"}}).lines;
    QCOMPARE(SurfaceLines(form6).size(), static_cast<qsizetype>(expected.size()));
    QCOMPARE(SurfaceLines(form6)[1], ToQString(expected[1]));
    // A second press prints below the first; hiding and showing keeps lines and fields.
    QTest::mouseClick(form6->button(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(SurfaceLines(form6).size(), static_cast<qsizetype>(2 * expected.size()));
    QTest::mouseClick(form6->button(QStringLiteral("Command3")), Qt::LeftButton);
    QVERIFY(!form6->isVisible());
    QVERIFY(windows->mainWindow()->isVisible());
    QCOMPARE(windows->mainWindow()->keywordField()->text(), QStringLiteral("买股票"));
    type(windows->mainWindow()->keywordField()->text());
    QCOMPARE(windows->existing(QStringLiteral("Form6")), static_cast<QWidget*>(form6));
    QCOMPARE(form6->field(1)->text(), QStringLiteral("10"));
    QCOMPARE(SurfaceLines(form6).size(), static_cast<qsizetype>(2 * expected.size()));
    // 取消 clears the lines but not the fields; the next press starts at the top again.
    QTest::mouseClick(form6->button(QStringLiteral("Command2")), Qt::LeftButton);
    QVERIFY(SurfaceLines(form6).isEmpty());
    QCOMPARE(form6->field(3)->text(), QStringLiteral("1000"));
    QTest::mouseClick(form6->button(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(SurfaceLines(form6)[0], QStringLiteral("购入股票"));
  }

  void enterInAFieldPressesNothing() {
    type(QStringLiteral("股价变动"));
    auto* form2 = static_cast<TopicWindow*>(windows->existing(QStringLiteral("Form2")));
    QTest::keyClick(form2->field(1), Qt::Key_Return);
    QTest::keyClick(form2->field(1), Qt::Key_Escape);
    QVERIFY(SurfaceLines(form2).isEmpty());
    QVERIFY(form2->isVisible());
  }

  void faultIsReportedAndEarlierLinesStay() {
    type(QStringLiteral("债券价格持续下跌"));
    auto* form9 = static_cast<TopicWindow*>(windows->existing(QStringLiteral("Form9")));
    connect(form9, &TopicWindow::faulted, this, [this](TopicWindow*, FaultKind k) { faults.push_back(k); });
    form9->field(1)->setText(QStringLiteral("1e300"));
    form9->field(3)->setText(QStringLiteral("1e300"));
    QTest::mouseClick(form9->button(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(faults.size(), size_t{1});
    QVERIFY(faults[0] == FaultKind::Overflow);
    QCOMPARE(SurfaceLines(form9).size(), 4);
  }

  void closedWindowIsCreatedAfresh() {
    type(QStringLiteral("少记折旧"));
    auto* form3 = static_cast<TopicWindow*>(windows->existing(QStringLiteral("Form3")));
    form3->field(1)->setText(QStringLiteral("5"));
    QPointer<QWidget> old = form3;
    form3->close();
    QTRY_VERIFY(old.isNull());
    // With no window left on screen, the main window comes back.
    QTRY_VERIFY(windows->mainWindow()->isVisible());
    type(QStringLiteral("少记折旧"));
    auto* again = static_cast<TopicWindow*>(windows->existing(QStringLiteral("Form3")));
    QVERIFY(again != nullptr);
    QCOMPARE(again->field(1)->text(), QString());
  }

  void outputScrollsToTheNewestLine() {
    type(QStringLiteral("买股票"));
    auto* form6 = static_cast<TopicWindow*>(windows->existing(QStringLiteral("Form6")));
    for (int i = 0; i < 20; ++i) QTest::mouseClick(form6->button(QStringLiteral("Command1")), Qt::LeftButton);
    QScrollBar* bar = form6->surface()->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());
    QTest::mouseClick(form6->button(QStringLiteral("Command2")), Qt::LeftButton);
    QCOMPARE(bar->maximum(), 0);
  }
};

testing::RegisterGuiTest<ShellTest> registered;

}  // namespace
}  // namespace varnello

#include "shell_test.moc"
