// How every window behaves as a desktop window: output following the client area, minimum size,
// keyboard focus and Tab order, accessible names.
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "core/catalogue/catalogue.h"
#include "core/layout/layout.h"
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
    for (const WindowEntry& entry : Windows()) {
      WindowId name = entry.id;
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
      if (KindOf(name) == WindowKind::Main)
        expected << QStringLiteral("practiceMode") << QStringLiteral("setButton");
      QCOMPARE(TabChain(w), expected);
      if (KindOf(name) != WindowKind::Main) w->hide();
    }
    // Two windows whose fields stand in more than one column.
    QCOMPARE(LayoutOf("Form98").controls[LayoutOf("Form98").tabOrder[0]].field, 1);
    QCOMPARE(LayoutOf("Form12").controls[LayoutOf("Form12").tabOrder[5]].field, 4);
  }

  // The output follows the client area as the window grows and shrinks, beside the controls; no
  // window shrinks below the size at which all its controls are whole in view.
  void outputFollowsTheClientAreaAndControlsStayReachable() {
    WindowRegistry windows;
    for (const WindowEntry& entry : Windows()) {
      WindowId name = entry.id;
      QWidget* w = windows.show(ToQString(name));
      QSize designed = w->size();
      auto outputBeside = [](TopicWindow* topic) {
        QRect out = topic->surface()->geometry();
        return topic->rect().contains(out) &&
               (out.bottom() == topic->rect().bottom() || out.right() == topic->rect().right());
      };
      w->resize(designed + QSize(260, 180));
      if (auto* topic = qobject_cast<TopicWindow*>(w)) QVERIFY(outputBeside(topic));
      w->resize(50, 50);
      QVERIFY2(w->width() < designed.width() + 1 && w->height() <= designed.height(), name.name().data());
      QWidget* client = KindOf(name) == WindowKind::Main ? static_cast<MainWindow*>(w)->centralWidget() : w;
      for (QWidget* c : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<OutputView*>(c) == nullptr) {
          QVERIFY2(client->rect().contains(c->geometry()), qPrintable(ToQString(name) + c->objectName()));
        }
      }
      if (auto* topic = qobject_cast<TopicWindow*>(w)) QVERIFY(outputBeside(topic));
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
      return entries == 14 ? rows : -1;  // the original's 13 entries and 账簿
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

  // From the keyboard: Alt puts the highlight on the first entry and the arrows move it over the
  // entries as the rows show them, drawn by the row that holds the entry; Enter or a mnemonic
  // chooses the entry and gives the focus back. Assistive tools find every entry where it is drawn.
  void menuBarWorksFromTheKeyboard() {
    WindowRegistry windows;
    MainWindow* m = windows.mainWindow();
    windows.show(QStringLiteral("Form1"));
    QVERIFY(QTest::qWaitForWindowActive(m));
    auto* bar = static_cast<WrappingMenuBar*>(m->menuBar());
    std::vector<QMenuBar*> rows;
    for (QMenuBar* row : bar->rows()) {
      if (row->isVisible()) rows.push_back(row);
    }
    QVERIFY(rows.size() >= 2);
    auto rowOf = [&rows](QAction* a) {
      for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i]->actions().contains(a)) return static_cast<int>(i);
      }
      return -1;
    };
    const QList<QAction*> entries = bar->actions();
    QTest::keyClick(m->keywordField(), Qt::Key_Alt);
    QCOMPARE(bar->keyboardEntry(), entries[0]);
    QTest::keyClick(bar, Qt::Key_Right);
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(bar->keyboardEntry(), entries[2]);
    const QRect third = rows[0]->actionGeometry(entries[2]);
    const QImage lit = rows[0]->grab(third).toImage();
    QTest::keyClick(bar, Qt::Key_Down);
    QAction* below = bar->keyboardEntry();
    QCOMPARE(rowOf(below), 1);
    QVERIFY(lit != rows[0]->grab(third).toImage());  // the highlight left the third entry
    QTest::keyClick(bar, Qt::Key_Up);
    QCOMPARE(rowOf(bar->keyboardEntry()), 0);
    // Right from the end of the first row goes on to the start of the second.
    QAction* lastOfFirst = rows[0]->actions().last();
    while (bar->keyboardEntry() != lastOfFirst) QTest::keyClick(bar, Qt::Key_Right);
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(bar->keyboardEntry(), rows[1]->actions().first());

    // The accessible bar holds the rows, and each entry stands where its row draws it.
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(bar);
    QCOMPARE(a->childCount(), static_cast<int>(rows.size()));
    int seen = 0;
    for (int i = 0; i < a->childCount(); ++i) {
      QAccessibleInterface* row = a->child(i);
      QCOMPARE(row->object(), static_cast<QObject*>(rows[static_cast<size_t>(i)]));
      QCOMPARE(a->indexOfChild(row), i);
      for (int j = 0; j < row->childCount(); ++j, ++seen) {
        QAccessibleInterface* item = row->child(j);
        QAction* action = rows[static_cast<size_t>(i)]->actions()[j];
        QCOMPARE(item->text(QAccessible::Name), action->text());
        QRect drawn = rows[static_cast<size_t>(i)]->actionGeometry(action);
        QCOMPARE(item->rect(),
                 QRect(rows[static_cast<size_t>(i)]->mapToGlobal(drawn.topLeft()), drawn.size()));
        QVERIFY(m->geometry().contains(item->rect()));
      }
    }
    QCOMPARE(seen, 14);  // the original's 13 entries and 账簿

    // Enter chooses the highlighted entry: 工资 opens Form101.
    QSignalSpy chosen(m, &MainWindow::menuChosen);
    while (bar->keyboardEntry() != entries[8]) QTest::keyClick(bar, Qt::Key_Right);
    QTest::keyClick(bar, Qt::Key_Return);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.front().front().toString(), QStringLiteral("Form101"));
    QCOMPARE(bar->keyboardEntry(), nullptr);
    // An entry's mnemonic chooses it.
    QAction* extra = bar->addAction(QStringLiteral("试(&Z)"));
    QSignalSpy triggered(extra, &QAction::triggered);
    m->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m));
    QTest::keyClick(m->keywordField(), Qt::Key_Alt);
    QVERIFY(bar->keyboardEntry() != nullptr);
    QTest::keyClick(bar, Qt::Key_Z);
    QCOMPARE(triggered.size(), 1);
    QCOMPARE(bar->keyboardEntry(), nullptr);
    bar->removeAction(extra);
  }

  // A window fitted to a screen lower than its controls stand scrolls them: Tab brings the last
  // button into view, and the printed lines keep clear of the controls throughout.
  void fittedWindowScrollsItsControls() {
    WindowRegistry windows;
    auto* w = static_cast<TopicWindow*>(windows.show(QStringLiteral("Form101")));
    QVERIFY(QTest::qWaitForWindowActive(w));
    FitWithin(w, QSize(900, 400));
    QCOMPARE(w->size(), QSize(862, 400));
    QPushButton* exit = w->button(QStringLiteral("Command3"));
    QVERIFY(!w->rect().contains(exit->geometry()));
    while (w->focusWidget() != exit) QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
    QVERIFY(w->rect().contains(exit->geometry()));
    for (QLineEdit* field : w->findChildren<QLineEdit*>())
      QVERIFY(!field->geometry().intersects(w->surface()->geometry()));
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
