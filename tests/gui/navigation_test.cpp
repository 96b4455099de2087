// Walks every path between windows once, generated from the keyword, menu and category tables.
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "gui/gui_tests.h"
#include "gui/main_window.h"
#include "gui/qt_convert.h"
#include "gui/topic_window.h"
#include "gui/window_registry.h"

namespace varnello {
namespace {

class NavigationTest : public QObject {
  Q_OBJECT

  std::unique_ptr<WindowRegistry> windows;

  QWidget* main() { return windows->mainWindow(); }
  void click(QWidget* w, const QString& button) {
    auto* b = w->findChild<QPushButton*>(button);
    QVERIFY2(b != nullptr, qPrintable(w->objectName() + QLatin1Char('.') + button));
    QTest::mouseClick(b, Qt::LeftButton);
  }

 private slots:
  void init() {
    windows = std::make_unique<WindowRegistry>();
    windows->show(QStringLiteral("Form1"));
  }
  void cleanup() { windows.reset(); }

  void everyWindowIsAvailable() {
    for (const WindowEntry& w : Windows())
      QVERIFY2(WindowRegistry::available(ToQString(w.id)), w.id.name().data());
  }

  void everyKeywordOpensItsWindowAndHidesTheMainWindow() {
    auto* m = windows->mainWindow();
    for (const KeywordRow& row : Keywords()) {
      windows->show(QStringLiteral("Form1"));
      m->keywordField()->setText(ToQString(row.keyword));
      click(m, QStringLiteral("Command1"));
      QWidget* w = windows->existing(ToQString(row.window));
      QVERIFY2(w != nullptr && w->isVisible(), row.keyword.data());
      QVERIFY(!m->isVisible());
      w->hide();
    }
  }

  void everyMenuEntryOpensItsWindowBesideTheMainWindow() {
    for (const MenuEntry& entry : Menu()) {
      QAction* action = windows->mainWindow()->menuBar()->findChild<QAction*>(ToQString(entry.name));
      QVERIFY2(action != nullptr, entry.name.data());
      action->trigger();
      QWidget* w = windows->existing(ToQString(entry.opens));
      QVERIFY2(w != nullptr && w->isVisible(), entry.name.data());
      QVERIFY(main()->isVisible());
      // Twice: still one instance.
      action->trigger();
      QCOMPARE(windows->existing(ToQString(entry.opens)), w);
      w->hide();
    }
  }

  void everyCategoryButtonOpensItsTarget() {
    for (const CategoryDesc& category : Categories()) {
      for (const CategoryButton& button : category.buttons) {
        QWidget* c = windows->show(ToQString(category.id));
        click(c, ToQString(button.name));
        QVERIFY2(!c->isVisible(), button.caption.data());
        QWidget* target = windows->existing(ToQString(button.opens));
        QVERIFY2(target != nullptr && target->isVisible(), button.caption.data());
        if (button.opens != kMainWindow) target->hide();
      }
    }
  }

  void everyTopicExitReturnsToTheMainWindow() {
    for (const TopicDesc* topic : AllTopics()) {
      main()->hide();
      QWidget* w = windows->show(ToQString(topic->id));
      click(w, QStringLiteral("Command3"));
      QVERIFY(!w->isVisible());
      QWidget* next = windows->existing(ToQString(topic->exitTo));
      QVERIFY2(next != nullptr && next->isVisible(), topic->id.name().data());
      if (topic->exitTo != kMainWindow) next->hide();
    }
    // The two departures: 退出 of Form52 leads to Form53; Form113's fourth button to Form114.
    QWidget* calculator = windows->show(QStringLiteral("Form52"));
    click(calculator, QStringLiteral("Command3"));
    QVERIFY(!calculator->isVisible());
    QVERIFY(windows->existing(QStringLiteral("Form53"))->isVisible());
    QWidget* w = windows->show(QStringLiteral("Form113"));
    click(w, QStringLiteral("Command4"));
    QVERIFY(!w->isVisible());
    QVERIFY(windows->existing(QStringLiteral("Form114"))->isVisible());
  }

  void form100LeadsToForm96() {
    QWidget* c = windows->show(QStringLiteral("Form100"));
    click(c, QStringLiteral("Command5"));
    QVERIFY(windows->existing(QStringLiteral("Form96"))->isVisible());
  }
};

testing::RegisterGuiTest<NavigationTest> registered;

}  // namespace
}  // namespace varnello

#include "navigation_test.moc"
