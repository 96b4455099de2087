// How every window behaves as a desktop window: output following the client area, minimum size,
// keyboard focus and Tab order, accessible names.
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include "core/layout/layout.h"
#include "core/tables/tables.h"
#include "gui/gui_tests.h"
#include "gui/main_window.h"
#include "gui/output_view.h"
#include "gui/qt_convert.h"
#include "gui/topic_window.h"
#include "gui/window_registry.h"
#include "gui/wrapping_menu_bar.h"

namespace varnello {
namespace {

WindowLayout LayoutOf(WindowId name) {
  if (KindOf(name) == WindowKind::Main) return LayoutMain();
  if (const CategoryDesc* c = FindCategory(name)) return LayoutCategory(*c);
  return LayoutTopic(*FindTopic(name));
}

// Object names of the controls in the order Tab walks them, once round.
QStringList TabChain(QWidget* window) {
  QStringList names;
  QWidget* start = window->focusWidget();
  QWidget* w = start;
  do {
    names << (w == nullptr ? QStringLiteral("(none)") : w->objectName());
    if (w == nullptr) break;
    QTest::keyClick(w, Qt::Key_Tab);
    w = window->focusWidget();
  } while (w != start && names.size() < 100);
  return names;
}

class WindowBehaviourTest : public QObject {
  Q_OBJECT

 private slots:
  // Every window starts at the first control of its Tab order and Tab walks the fields in the
  // order they are filled in, then the buttons (then, on topic windows, the printed lines).
  void tabWalksEveryWindowInFillOrder() {
    WindowRegistry windows;
    for (WindowId name : AllWindows()) {
      QWidget* w = windows.show(ToQString(name));
      QVERIFY(w != nullptr);
      WindowLayout layout = LayoutOf(name);
      QStringList expected;
      for (size_t i : layout.tabOrder) {
        const Control& c = layout.controls[i];
        expected << (c.kind == ControlKind::Field ? QStringLiteral("Text%1").arg(c.field)
                                                  : ToQString(c.name));
      }
      if (KindOf(name) == WindowKind::Topic) expected << QStringLiteral("Output");
      if (KindOf(name) == WindowKind::Main) expected << QStringLiteral("practiceMode");
      QCOMPARE(TabChain(w), expected);
      if (KindOf(name) != WindowKind::Main) w->hide();
    }
    // Two windows whose fields stand in more than one column.
    QCOMPARE(LayoutOf("Form98").controls[LayoutOf("Form98").tabOrder[0]].field, 1);
    QCOMPARE(LayoutOf("Form12").controls[LayoutOf("Form12").tabOrder[5]].field, 4);
  }

  // The output fills the client area as the window grows and shrinks; no window shrinks below
  // the size at which all its controls are whole in view.
  void outputFollowsTheClientAreaAndControlsStayReachable() {
    WindowRegistry windows;
    for (WindowId name : AllWindows()) {
      QWidget* w = windows.show(ToQString(name));
      QSize designed = w->size();
      w->resize(designed + QSize(260, 180));
      if (auto* topic = qobject_cast<TopicWindow*>(w)) QCOMPARE(topic->surface()->geometry(), topic->rect());
      w->resize(50, 50);
      QVERIFY2(w->width() < designed.width() + 1 && w->height() <= designed.height(), name.name().data());
      QWidget* client = KindOf(name) == WindowKind::Main ? static_cast<MainWindow*>(w)->centralWidget() : w;
      for (QWidget* c : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<OutputView*>(c) == nullptr) {
          QVERIFY2(client->rect().contains(c->geometry()), qPrintable(ToQString(name) + c->objectName()));
        }
      }
      if (auto* topic = qobject_cast<TopicWindow*>(w)) QCOMPARE(topic->surface()->geometry(), topic->rect());
      w->resize(designed);
      if (KindOf(name) != WindowKind::Main) w->hide();
    }
  }

  // Every field is announced by its caption; buttons by their text; the output exposes its lines.
  void everyFieldIsNamedByItsCaption() {
    WindowRegistry windows;
    for (const TopicDesc* desc : AllTopics()) {
      auto* w = static_cast<TopicWindow*>(windows.show(ToQString(desc->id)));
      for (const Item* f : FieldsOf(*desc)) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w->field(f->field));
        QCOMPARE(a->text(QAccessible::Name), ToQString(f->caption));
      }
      for (QPushButton* b : w->findChildren<QPushButton*>())
        QCOMPARE(QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name), b->text());
      w->field(FillOrder(*desc).front())->setText(QStringLiteral("3"));
      w->press();
      QAccessibleInterface* out = QAccessible::queryAccessibleInterface(w->surface());
      QVERIFY(out->textInterface() != nullptr);
      QCOMPARE(out->textInterface()->text(0, out->textInterface()->characterCount()),
               w->surface()->toPlainText());
      w->hide();
    }
  }

  // The main window keeps its designed client area; its menu entries take a second row when they
  // do not fit on one, and one row again when the window is wide enough.
  void mainWindowKeepsItsClientAreaAndWrapsItsMenu() {
    WindowRegistry windows;
    MainWindow* m = windows.mainWindow();
    windows.show(QStringLiteral("Form1"));
    QCOMPARE(m->centralWidget()->size(), QSize(ToPixels(LayoutMain().width), ToPixels(LayoutMain().height)));
    auto* bar = static_cast<WrappingMenuBar*>(m->menuBar());
    // Rows shown; every entry is in one of them and every row fits in the bar.
    auto shownRows = [bar] {
      int rows = 0, entries = 0;
      for (QMenuBar* row : bar->rows()) {
        if (!row->isVisible()) continue;
        ++rows;
        entries += static_cast<int>(row->actions().size());
        if (row->sizeHint().width() > bar->width()) return -1;
      }
      return entries == 13 ? rows : -1;
    };
    QVERIFY(shownRows() >= 2);
    m->resize(1200, m->height());
    QApplication::processEvents();
    QCOMPARE(shownRows(), 1);
    QCOMPARE(m->centralWidget()->geometry().top(), bar->geometry().bottom() + 1);
    // A larger font makes the entries wider: they are measured again and take more rows.
    QFont large = bar->font();
    large.setPointSizeF(large.pointSizeF() * 2);
    bar->setFont(large);
    QApplication::processEvents();
    QVERIFY(shownRows() >= 2);
  }

  // Back from a topic window, the keyword field has the focus with its text selected, so the next
  // keyword replaces it and 确定 opens its window without the mouse.
  void mainWindowTakesTheNextKeyword() {
    WindowRegistry windows;
    MainWindow* m = windows.mainWindow();
    windows.show(QStringLiteral("Form1"));
    m->keywordField()->setText(QStringLiteral("买股票"));
    QTest::mouseClick(m->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    auto* form6 = static_cast<TopicWindow*>(windows.existing(QStringLiteral("Form6")));
    QCOMPARE(form6->focusWidget(), static_cast<QWidget*>(form6->field(1)));
    QTest::mouseClick(form6->button(QStringLiteral("Command3")), Qt::LeftButton);
    QVERIFY(m->isVisible());
    QCOMPARE(m->focusWidget(), static_cast<QWidget*>(m->keywordField()));
    QCOMPARE(m->keywordField()->selectedText(), QStringLiteral("买股票"));
    QTest::sendKeyEvent(QTest::Click, m->keywordField(), Qt::Key_unknown, QStringLiteral("工资"),
                        Qt::NoModifier);
    QCOMPARE(m->keywordField()->text(), QStringLiteral("工资"));
    QTest::keyClick(m->keywordField(), Qt::Key_Tab);
    QTest::keyClick(m->focusWidget(), Qt::Key_Tab);
    QTest::keyClick(m->focusWidget(), Qt::Key_Tab);
    QCOMPARE(m->focusWidget()->objectName(), QStringLiteral("Command1"));
    QTest::keyClick(m->focusWidget(), Qt::Key_Space);
    QWidget* form101 = windows.existing(QStringLiteral("Form101"));
    QVERIFY(form101 != nullptr && form101->isVisible());
  }
};

testing::RegisterGuiTest<WindowBehaviourTest> registered;

}  // namespace
}  // namespace varnello

#include "window_behaviour_test.moc"
