// Soak: every window opened by every path, pressed and cleared many times, hidden and shown. The
// process's memory stays flat and no window ever exists twice.
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>
#include <map>

#include "core/engine/topic.h"
#include "core/tables/tables.h"
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

class SoakTest : public QObject {
  Q_OBJECT

  void click(QWidget* w, const char* button) {
    QTest::mouseClick(w->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
  }

  // One walk over every path: keywords (with presses), menu entries, category buttons.
  void walk(WindowRegistry& windows, int presses) {
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
          if (i % 4 == 3) click(topic, "Command2");
        }
        click(topic, "Command2");
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
  }

 private slots:
  void memoryStaysFlatAndWindowsStaySingle() {
    TopicWindow::setFaultReporter([](QWidget*, FaultKind) {});
    WindowRegistry windows;
    windows.show(QStringLiteral("Form1"));
    walk(windows, 8);  // every window now exists: the baseline includes them all
    long baseline = ResidentKb();
    for (int round = 0; round < 6; ++round) walk(windows, 40);
    long after = ResidentKb();
    qInfo("resident: %ld kB after the first walk, %ld kB after six more", baseline, after);
    QVERIFY2(after - baseline < 8 * 1024, "memory grew by more than 8 MB");

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
