// A hidden window gives back its native window and pixel buffer, and showing it again brings back
// everything the user left in it: field texts, printed lines and print position, the focused field.
#include <QLineEdit>
#include <QtTest>

#include "gui/gui_tests.h"
#include "gui/main_window.h"
#include "gui/output_view.h"
#include "gui/topic_window.h"
#include "gui/window_registry.h"

namespace varnello {
namespace {

class HiddenWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void hiddenWindowsReleaseTheirBuffersAndKeepTheirState() {
    WindowRegistry windows;
    windows.show(QStringLiteral("Form1"));
    auto* topic = qobject_cast<TopicWindow*>(windows.show(QStringLiteral("Form9")));
    QVERIFY(topic != nullptr);
    topic->field(1)->setText(QStringLiteral("10"));
    topic->press();
    topic->field(3)->setFocus();
    QApplication::processEvents();
    QVERIFY(topic->testAttribute(Qt::WA_WState_Created));
    TextLines lines = topic->surface()->record().lines();

    // Hidden as 退出 hides it (a click would move the focus to the button); once the events have
    // run, its native window is gone.
    windows.move(topic, QStringLiteral("Form1"));
    QApplication::processEvents();
    QVERIFY(!topic->isVisible());
    QVERIFY(!topic->testAttribute(Qt::WA_WState_Created));
    QVERIFY(topic->windowHandle() == nullptr);
    QVERIFY(windows.mainWindow()->isVisible());
    QVERIFY(windows.mainWindow()->testAttribute(Qt::WA_WState_Created));

    QCOMPARE(windows.show(QStringLiteral("Form9")), topic);
    QApplication::processEvents();
    QVERIFY(topic->testAttribute(Qt::WA_WState_Created));
    QCOMPARE(topic->field(1)->text(), QStringLiteral("10"));
    QCOMPARE(topic->focusWidget(), topic->field(3));
    QCOMPARE(topic->surface()->record().lines(), lines);
    topic->press();  // prints below the earlier lines
    QCOMPARE(topic->surface()->record().lines().size(), 2 * lines.size());

    // The main window, hidden by keyword dispatch, gives its buffer back too.
    windows.move(windows.mainWindow(), QStringLiteral("Form6"));
    QApplication::processEvents();
    QVERIFY(!windows.mainWindow()->testAttribute(Qt::WA_WState_Created));
  }
};

testing::RegisterGuiTest<HiddenWindowTest> registered;

}  // namespace
}  // namespace varnello

#include "hidden_window_test.moc"
