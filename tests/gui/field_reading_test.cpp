// What a field reads as, shown while typing; a pasted column spread over the fields; entries that
// do not balance marked beside their heading; capital numerals that keep every 分.
#include "gui/field_reading.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QTextBlock>
#include <QToolButton>
#include <QtTest>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "gui/entry_actions.h"
#include "gui/gui_tests.h"
#include "gui/output_view.h"
#include "gui/topic_window.h"

namespace varnello {
namespace {

QAction* WarningMark(QLineEdit* field) {
  for (QAction* a : field->actions()) {
    if (a->objectName() == QStringLiteral("readingWarning")) return a;
  }
  return nullptr;
}

// Whether the field shows its warning sign (the button QLineEdit makes for the action).
bool SignShown(QLineEdit* field) {
  for (QToolButton* b : field->findChildren<QToolButton*>()) {
    if (b->isVisible()) return true;
  }
  return false;
}

int LineStarting(const OutputView* view, std::string_view start) {
  const auto& lines = view->record().lines();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].starts_with(start)) return static_cast<int>(i);
  }
  return -1;
}

class FieldReadingTest : public QObject {
  Q_OBJECT

 private slots:
  // Every field of every window: typing a text not read whole shows the mark at once, with what
  // it reads as for the eye and for a screen reader; a text read whole shows none.
  void everyFieldWarnsWhileTyping() {
    for (const TopicDesc* desc : AllTopics()) {
      TopicWindow w(*desc);
      w.show();
      for (const Item* f : FieldsOf(*desc)) {
        QLineEdit* field = w.field(f->field);
        QAction* mark = WarningMark(field);
        QVERIFY2(mark != nullptr, desc->id.name().data());
        QVERIFY(!SignShown(field));
        QTest::keyClicks(field, QStringLiteral("1,00"));
        QVERIFY(mark->isVisible() && SignShown(field));
        QCOMPARE(mark->toolTip(), QStringLiteral("读作 1：“,00”未读入"));
        QCOMPARE(field->accessibleDescription(), mark->toolTip());
        QTest::keyClick(field, Qt::Key_0);  // 1,000 reads whole
        QVERIFY(!mark->isVisible() && !SignShown(field));
        QVERIFY(field->accessibleDescription().isEmpty());
      }
    }
    QCOMPARE(ReadingWarning(QStringLiteral("5万元")), QStringLiteral("读作 5：“万元”未读入"));
    QVERIFY(!ReadingWarning(QStringLiteral("1e999")).isEmpty());
  }

  // A column pasted into the first field fills the fields in Tab order, one line each.
  void pastedColumnFillsTheFollowingFields() {
    TopicWindow w(*FindTopic("Form6"));
    std::vector<int> order = FillOrder(w.desc());
    QApplication::clipboard()->setText(QStringLiteral("10\r\n0.5\r\n1,000\r\n"));
    w.field(order[0])->setFocus();
    w.field(order[0])->paste();
    QCOMPARE(w.field(order[0])->text(), QStringLiteral("10"));
    QCOMPARE(w.field(order[1])->text(), QStringLiteral("0.5"));
    QCOMPARE(w.field(order[2])->text(), QStringLiteral("1,000"));
    QCOMPARE(w.field(order[3])->text(), QString());
    // More lines than fields: the last field takes the last line it can.
    QApplication::clipboard()->setText(QStringLiteral("1\n2\n3"));
    w.field(order[3])->paste();
    QCOMPARE(w.field(order[3])->text(), QStringLiteral("1"));
  }

  // Figures that disagree: the entry is marked beside its heading, with its sums and the
  // fields to look at; the printed text and a balanced entry are left alone. The PDF and the
  // copied table flag it at its 合计 row.
  void unbalancedEntryMarkedBesideItsHeading() {
    TopicWindow w(*FindTopic("Form15"));
    w.field(1)->setText(QStringLiteral("1000"));
    w.field(3)->setText(QStringLiteral("1000"));
    w.field(4)->setText(QStringLiteral("130"));
    w.press();
    OutputView* view = w.surface();
    int heading = LineStarting(view, "取得票据");
    QVERIFY(heading >= 0);
    QCOMPARE(view->markOf(heading),
             QStringLiteral("借贷不平\n借方合计 1000\n贷方合计 1130\n差额 -130\n"
                            "可能原因：所填数字彼此不符（票据面值 与 货款 + 增值税 应相等）"));
    QVERIFY(view->toolTipOf(heading).startsWith(QStringLiteral("借贷不平")));
    QCOMPARE(view->document()->findBlockByNumber(heading).text(), QStringLiteral("取得票据"));
    QVERIFY(view->markOf(LineStarting(view, "若不带利息")).isEmpty());
    QVERIFY(PrintHtml(w.entryActions()->content()).contains(QStringLiteral("合计 ⚠ 借贷不平，差额 -130")));
    std::unique_ptr<QMimeData> copied(TableMimeData(w.entries()));
    QVERIFY(copied->text().contains(QStringLiteral("\t合计\t1000\t1130\t借贷不平，差额 -130\n")));
    w.clear();
    QVERIFY(view->markOf(heading).isEmpty());

    // Figures that agree: no mark.
    w.field(1)->setText(QStringLiteral("1130"));
    w.press();
    QVERIFY(view->markOf(LineStarting(view, "取得票据")).isEmpty());
  }

  // Capital numerals from the amount as computed: the 分 a 15-digit print rounds away is kept;
  // an amount below the 分 is refused with the reason, never rounded.
  void capitalNumeralsKeepEveryFen() {
    TopicWindow w(*FindTopic("Form6"));
    w.field(1)->setText(QStringLiteral("1"));
    w.field(3)->setText(QStringLiteral("12345678901234.56"));
    w.press();
    OutputView* view = w.surface();
    int bank = LineStarting(view, "银行存款（贷）");
    QCOMPARE(view->record().lines()[static_cast<size_t>(bank)], "银行存款（贷） 12345678901234.6 ");
    QVERIFY(view->capitalOf(bank)->endsWith(QStringLiteral("肆元伍角陆分")));
    w.clear();
    w.field(3)->setText(QStringLiteral("0.333"));
    w.press();
    bank = LineStarting(view, "银行存款（贷）");
    QVERIFY(!view->capitalOf(bank));
    QVERIFY(view->capitalRefusalOf(bank).contains(QStringLiteral("分以下")));
  }
};

testing::RegisterGuiTest<FieldReadingTest> registered;

}  // namespace
}  // namespace varnello

#include "field_reading_test.moc"
