// Soak: every window opened by every path, pressed (with and without 取消 in between), painted,
// cleared, hidden and shown, walk after walk. The memory in use stays flat (a leak of 100 kB per
// walk fails the test) and no window ever exists twice.
#include <malloc.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>
#include <map>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "gui/gui_tests.h"
#include "gui/main_window.h"
#include "gui/qt_convert.h"
#include "gui/topic_window.h"
#include "gui/window_registry.h"

namespace varnello {
namespace {

long ResidentKb() {
  QFile statm(QStringLiteral("/proc/self/statm"));
  if (!statm.open(QIODevice::ReadOnly)) return 0;
  return statm.readAll().split(' ').value(1).toLong() * 4;
}

// Bytes the program holds from the allocator: exact, where the resident size moves in pages and
// with the allocator's caches.
long HeapBytes() {
  struct mallinfo2 info = mallinfo2();
  return static_cast<long>(info.uordblks + info.hblkhd);
}

// The offscreen platform warns on every raise(); those warnings would use up the test log's
// warning limit and hide the memory figure. Everything else passes on.
QtMessageHandler previousHandler = nullptr;
void QuietRaise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("does not support raise()"))) return;
  previousHandler(type, context, message);
}

class SoakTest : public QObject {
  Q_OBJECT

  void click(QWidget* w, const char* button) {
    QTest::mouseClick(w->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
  }

  // One walk over every path: keywords (with presses), menu entries, category buttons.
  void walk(WindowRegistry& windows, int presses, bool clearBetween) {
    MainWindow* m = windows.mainWindow();
    for (const KeywordRow& row : Keywords()) {
      m->keywordField()->setText(ToQString(row.keyword));
      click(m, "Command1");
      QWidget* w = windows.existing(ToQString(row.window));
      if (auto* topic = qobject_cast<TopicWindow*>(w)) {
        for (const Item* f : FieldsOf(topic->desc()))
          topic->field(f->field)->setText(QStringLiteral("1234.5"));
        for (int i = 0; i < presses; ++i) {
          click(topic, "Command1");
          QApplication::processEvents();  // let the window paint what it printed
          // Every other walk presses again and again without 取消; the others clear in between.
          if (clearBetween && i % 2 == 1) click(topic, "Command2");
        }
        click(topic, "Command2");
        testing::CloseFaultBoxes();
        topic->hide();
      } else {
        w->hide();
      }
      windows.show(QStringLiteral("Form1"));
    }
    for (QAction* a : m->menuBar()->actions()) a->trigger();
    for (const CategoryDesc& c : Categories()) {
      for (const CategoryButton& b : c.buttons) {
        click(windows.show(ToQString(c.id)), b.name.data());
        if (b.opens != kMainWindow) windows.existing(ToQString(b.opens))->hide();
      }
    }
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
  }

 private slots:
  void initTestCase() { previousHandler = qInstallMessageHandler(QuietRaise); }
  void cleanupTestCase() { qInstallMessageHandler(previousHandler); }

  void memoryStaysFlatAndWindowsStaySingle() {
    WindowRegistry windows;
    windows.show(QStringLiteral("Form1"));
    // Two walks first: every window now exists and every cache has its working size.
    walk(windows, 4, true);
    walk(windows, 4, false);
    long baselineKb = ResidentKb(), baselineHeap = HeapBytes();
    constexpr int kWalks = 6;
    for (int round = 0; round < kWalks; ++round) walk(windows, 4, round % 2 == 0);
    long growthPerWalk = (HeapBytes() - baselineHeap) / kWalks;
    qInfo("soak: %d walks over every path; memory in use %+ld bytes per walk; resident %ld kB -> %ld kB",
          kWalks, growthPerWalk, baselineKb, ResidentKb());
    QVERIFY2(growthPerWalk < 32 * 1024, "memory in use grows by 32 kB or more per walk");

    std::map<QString, int> instances;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName().startsWith(QLatin1String("Form"))) ++instances[w->objectName()];
    }
    QCOMPARE(instances.size(), size_t{125});
    for (const auto& [name, count] : instances) QVERIFY2(count == 1, qPrintable(name));
  }
};

testing::RegisterGuiTest<SoakTest> registered;

}  // namespace
}  // namespace varnello

#include "soak_test.moc"
