// The working in the window: the tooltip of an amount line, 显示算式 under every amount line
// (for every window, remembered across windows, copied only while shown), and the fault text.
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolTip>
#include <QtTest>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "gui/gui_tests.h"
#include "gui/output_view.h"
#include "gui/qt_convert.h"
#include "gui/topic_window.h"

namespace varnello {
namespace {

int LineIndex(const OutputView* view, const std::string& line) {
  const auto& lines = view->record().lines();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == line) return static_cast<int>(i);
  }
  return -1;
}

QAction* ShowWorkingAction(QMenu* menu) {
  for (QAction* a : menu->actions()) {
    if (a->text() == QStringLiteral("显示算式(&W)")) return a;
  }
  return nullptr;
}

class WorkingViewTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { OutputView::setWorkingShown(false); }

  void hoveringAnAmountShowsItsWorking() {
    TopicWindow w(*FindTopic("Form6"));
    w.show();
    const char* texts[] = {"10", "0.5", "1000", "50"};
    for (int n = 1; n <= 4; ++n) w.field(n)->setText(QString::fromUtf8(texts[n - 1]));
    w.press();
    OutputView* view = w.surface();
    int line = LineIndex(view, "入账价值 9550 ");
    QVERIFY(line >= 0);
    QTextBlock block = view->document()->findBlockByNumber(line);
    QRect start = view->cursorRect(QTextCursor(block));
    QPoint at(start.right() + 20, start.center().y());
    QCOMPARE(view->lineAt(at), line);
    QHelpEvent hover(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &hover);
    // The tooltip is rich text that wraps; its text is the working, line for line.
    QTextDocument shown;
    shown.setHtml(QToolTip::text());
    QCOMPARE(shown.toPlainText(), QStringLiteral("入账价值 9550 = 买价 10000 − 投资收益 500 + 手续费等 50\n"
                                                 "买价 10000 = 数额 1000 × 每股价格 10\n"
                                                 "投资收益 500 = 数额 1000 × 每股股利 0.5\n"
                                                 "大写金额：玖仟伍佰伍拾元整（右键可复制）"));
    QVERIFY(view->workingOf(LineIndex(view, "购入股票")).isEmpty());
    QVERIFY(view->toolTipOf(LineIndex(view, "购入股票")).isEmpty());
  }

  // Every window, two presses: with 显示算式 the text holds each printed line in order and, under
  // each amount line, its working; the lines still map back to the printed lines.
  void showWorkingUnderEveryAmountLine() {
    for (const TopicDesc* desc : AllTopics()) {
      TopicWindow w(*desc);
      for (const Item* f : FieldsOf(*desc)) w.field(f->field)->setText(QStringLiteral("12.5"));
      w.press();
      w.press();
      OutputView* view = w.surface();
      std::unique_ptr<QMenu> menu(view->createContextMenu(QPoint(5, 5)));
      QAction* action = ShowWorkingAction(menu.get());
      QVERIFY(action != nullptr && action->isCheckable() && !action->isChecked());
      action->setChecked(true);
      QStringList expected;
      const auto& lines = view->record().lines();
      for (size_t i = 0; i < lines.size(); ++i) {
        expected << ToQString(lines[i]);
        QString working = view->workingOf(static_cast<int>(i));
        if (working.isEmpty()) continue;
        QStringList steps = working.split(QLatin1Char('\n'));
        expected << QStringLiteral("    ") + steps[0].mid(steps[0].indexOf(QStringLiteral(" = ")) + 1);
        for (int s = 1; s < steps.size(); ++s) expected << QStringLiteral("      ") + steps[s];
      }
      QCOMPARE(view->toPlainText(), expected.join(QLatin1Char('\n')));
      for (QTextBlock b = view->document()->begin(); b.isValid(); b = b.next()) {
        int line = view->lineAtPosition(b.position());
        QVERIFY(line >= 0 && b.text().startsWith(ToQString(lines[line])) == (b.userState() >= 0));
      }
      action->setChecked(false);
      QStringList printed;
      for (std::string_view l : lines) printed << ToQString(l);
      QCOMPARE(view->toPlainText(), printed.join(QLatin1Char('\n')));
    }
  }

  // The choice holds for every window of the run, and 复制 takes the working only while shown.
  void showWorkingIsRememberedAndCopiedOnlyWhenShown() {
    TopicWindow first(*FindTopic("Form3"));
    first.field(1)->setText(QStringLiteral("1000"));
    first.field(2)->setText(QStringLiteral("0.25"));
    first.press();
    OutputView::setWorkingShown(true);
    TopicWindow second(*FindTopic("Form107"));
    second.field(1)->setText(QStringLiteral("1200"));
    second.field(2)->setText(QStringLiteral("4"));
    second.press();
    std::unique_ptr<QMenu> menu(second.surface()->createContextMenu(QPoint(5, 5)));
    QVERIFY(ShowWorkingAction(menu.get())->isChecked());
    QVERIFY(second.surface()->toPlainText().contains(QStringLiteral("    = 付款总额 1200 ÷ 租期 4")));
    QVERIFY(
        first.surface()->toPlainText().contains(QStringLiteral("    = 所得税税率 0.25 × 少记折旧费用 1000")));
    first.surface()->selectAll();
    first.surface()->copy();
    QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("少记折旧费用 1000 − 所得税 250")));
    OutputView::setWorkingShown(false);
    first.surface()->selectAll();
    first.surface()->copy();
    QVERIFY(!QApplication::clipboard()->text().contains(QStringLiteral(" = ")));
  }

  void faultTextNamesTheFigureAndTheDivisor() {
    TopicWindow w(*FindTopic("Form107"));
    w.press();
    QCOMPARE(w.faultText(),
             QStringLiteral("计算 每年租金 = 付款总额 ÷ 租期 时溢出：付款总额 与 租期 都为 0"));
    w.field(1)->setText(QStringLiteral("1200"));
    w.press();
    QCOMPARE(w.faultText(), QStringLiteral("计算 每年租金 = 付款总额 ÷ 租期 时除数为零：租期 为 0"));
    w.field(2)->setText(QStringLiteral("4"));
    w.press();
    QVERIFY(w.faultText().isEmpty());
  }
};

testing::RegisterGuiTest<WorkingViewTest> registered;

}  // namespace
}  // namespace varnello

#include "working_view_test.moc"
