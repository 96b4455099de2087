// Practice mode: 确定 opens the sheet instead of printing; the sheet takes the student's lines by
// keyboard, marks them, shows the answer and gives new figures; normal mode is untouched.
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "core/catalogue/catalogue.h"
#include "core/practice/exercise.h"
#include "gui/gui_tests.h"
#include "gui/main_window.h"
#include "gui/output_view.h"
#include "gui/practice_sheet.h"
#include "gui/qt_convert.h"
#include "gui/topic_window.h"
#include "gui/window_registry.h"

namespace varnello {
namespace {

std::map<int, std::string> Texts(TopicWindow* w) {
  std::map<int, std::string> texts;
  for (const Item* f : FieldsOf(w->desc())) texts[f->field] = w->field(f->field)->text().toStdString();
  return texts;
}

void Fill(QTableWidget* table, const std::vector<KeyLine>& lines) {
  table->setRowCount(0);
  for (const KeyLine& line : lines) {
    int row = table->rowCount();
    table->insertRow(row);
    table->setItem(row, 0, new QTableWidgetItem(ToQString(line.account)));
    table->setItem(row, 1, new QTableWidgetItem(ToQString(SideText(line.side))));
    table->setItem(row, 2, new QTableWidgetItem(ToQString(FormatAmount(line.amount)).trimmed()));
  }
}

class PracticeTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { PracticeMode::instance().setOn(false); }

  // Every window in practice mode: the sheet comes up with figures, 确定 prints nothing, the
  // window's own entries score 100 %, and 看答案 prints what 确定 prints in normal mode.
  void everyWindowCanBePractised() {
    WindowRegistry windows;
    windows.show(QStringLiteral("Form1"));
    windows.mainWindow()->findChild<QCheckBox*>(QStringLiteral("practiceMode"))->setChecked(true);
    for (const TopicDesc* desc : AllTopics()) {
      auto* w = qobject_cast<TopicWindow*>(windows.show(ToQString(desc->id.name())));
      QVERIFY(w != nullptr);
      PracticeSheet* sheet = nullptr;
      QTRY_VERIFY2((sheet = w->findChild<PracticeSheet*>()) != nullptr && sheet->isVisible(),
                   desc->id.name().data());
      QCOMPARE(Texts(w), MakeExercise(*desc, sheet->seed()));
      QTest::mouseClick(w->button(QStringLiteral("Command1")), Qt::LeftButton);
      QVERIFY2(w->surface()->record().lines().empty(), desc->id.name().data());
      AnswerKey key = KeyOf(*desc, Texts(w));
      QVERIFY2(
          sheet->question()->text().endsWith(QStringLiteral("请编制会计分录。")) || key.questions.empty(),
          desc->id.name().data());
      if (!key.questions.empty()) {
        QCOMPARE(sheet->entry(), key.questions.front());
        Fill(sheet->table(), key.entryLines[sheet->entry()]);
        sheet->mark();
        QVERIFY2(sheet->result()->text().startsWith(QStringLiteral("得分 100%")), desc->id.name().data());
      }
      sheet->showAnswer();
      QCOMPARE(w->surface()->record().lines(), PressOnce(*desc, FieldTexts(Texts(w))).lines());
      w->hide();
      QVERIFY(!sheet->isVisible());
    }
  }

  // One exercise by keyboard alone on Form6: rows typed with Enter, a row added with Ins and
  // deleted with Ctrl+Del, a wrong side marked as such, then the right answer marked 100 %.
  void keyboardExercise() {
    WindowRegistry windows;
    windows.show(QStringLiteral("Form1"));
    PracticeMode::instance().setOn(true);
    auto* w = qobject_cast<TopicWindow*>(windows.show(QStringLiteral("Form6")));
    PracticeSheet* sheet = nullptr;
    QTRY_VERIFY((sheet = w->findChild<PracticeSheet*>()) != nullptr && sheet->isVisible());
    const char* figures[] = {"10", "0.5", "1000", "50"};
    for (int n = 1; n <= 4; ++n) w->field(n)->setText(QString::fromLatin1(figures[n - 1]));

    QTableWidget* table = sheet->table();
    // Chinese text arrives as an input method's commit, as it does from a real keyboard.
    auto type = [sheet](const QString& text) {
      QTRY_VERIFY(QApplication::focusWidget() != nullptr);
      if (text.front().unicode() < 128) {
        QTest::keyClicks(QApplication::focusWidget(), text);
      } else {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(QApplication::focusWidget(), &commit);
      }
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      QTest::qWait(1);  // the sheet moves on to the next cell once the editor has closed
      // The offscreen platform does not give activation back when a completion list closes.
      if (QApplication::activeWindow() == nullptr) sheet->activateWindow();
    };
    auto side = [sheet](Qt::Key key) {
      QTRY_VERIFY(QApplication::focusWidget() != nullptr);
      QTest::keyClick(QApplication::focusWidget(), key);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      QTest::qWait(1);  // the sheet moves on to the next cell once the editor has closed
      // The offscreen platform does not give activation back when a completion list closes.
      if (QApplication::activeWindow() == nullptr) sheet->activateWindow();
    };
    sheet->activateWindow();
    QTRY_VERIFY(table->currentColumn() == 0 && table->currentRow() == 0);
    type(QStringLiteral("交易性金融资产——成本"));
    side(Qt::Key_J);
    type(QStringLiteral("9550"));
    type(QStringLiteral("投资收益"));
    side(Qt::Key_D);
    type(QStringLiteral("500"));
    type(QStringLiteral("银行存款（贷）"));
    side(Qt::Key_D);
    type(QStringLiteral("10,050"));
    QTRY_COMPARE(table->rowCount(), 4);
    QTest::keyClick(sheet, Qt::Key_Insert);
    QCOMPARE(table->rowCount(), 5);
    QTest::keyClick(sheet, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(table->rowCount(), 4);
    QCOMPARE(sheet->answer().size(), size_t{3});

    // A mnemonic clicks its button with a short animation: the marks come a moment later.
    QTest::keyClick(sheet, Qt::Key_M, Qt::AltModifier);
    QTRY_COMPARE(table->item(0, 3)->text(), QStringLiteral("正确"));
    QCOMPARE(table->item(1, 3)->text(), QStringLiteral("方向错误：投资收益应记借方"));
    QCOMPARE(table->item(2, 3)->text(), QStringLiteral("正确"));
    QVERIFY(table->item(1, 0)->background().color() != table->item(0, 0)->background().color());
    QVERIFY(w->surface()->record().lines().empty());

    // Editing a marked row takes its mark away; the whole key then scores 100 %.
    table->item(1, 1)->setText(QStringLiteral("借"));
    QCOMPARE(table->item(1, 3)->text(), QString());
    // The amount typed last, in full-width digits, is still being edited when Ctrl+Enter marks:
    // it counts.
    table->item(2, 2)->setText(QString());
    sheet->activateWindow();
    table->setCurrentCell(2, 2);
    QTRY_VERIFY(table->indexWidget(table->currentIndex()) != nullptr);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("１００５０"));
    QApplication::sendEvent(QApplication::focusWidget(), &commit);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(sheet->result()->text().startsWith(QStringLiteral("得分 100%")));
    QCOMPARE(table->item(2, 2)->text(), QStringLiteral("１００５０"));
    QCOMPARE(table->item(2, 3)->text(), QStringLiteral("正确"));
    QVERIFY(table->indexWidget(table->currentIndex()) == nullptr);

    // 下一题: the next entry of the same figures, on a clean sheet.
    QString first = sheet->question()->text();
    QVERIFY(first.startsWith(QStringLiteral("购入股票：每股价格 10 元")));
    QTest::keyClick(sheet, Qt::Key_X, Qt::AltModifier);
    QTRY_VERIFY(sheet->question()->text() != first);
    QCOMPARE(sheet->entry(), KeyOf(w->desc(), Texts(w)).questions[1]);
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(Texts(w)[1], std::string("10"));

    QTest::keyClick(sheet, Qt::Key_A, Qt::AltModifier);
    QTRY_VERIFY(!w->surface()->record().lines().empty());
    // Once the answer is shown, a wrong amount is marked with the right one.
    std::vector<KeyLine> wrong{KeyOf(w->desc(), Texts(w)).entryLines[sheet->entry()].front()};
    wrong[0].amount = 1;
    Fill(table, wrong);
    sheet->mark();
    QCOMPARE(table->item(0, 3)->text(), QStringLiteral("金额错误：应为 10050"));
    QTest::keyClick(sheet, Qt::Key_N, Qt::AltModifier);
    QTRY_VERIFY(w->surface()->record().lines().empty());
    QCOMPARE(Texts(w), MakeExercise(w->desc(), sheet->seed()));
    QCOMPARE(table->rowCount(), 1);

    // Out of practice mode 确定 prints again and the sheet goes.
    PracticeMode::instance().setOn(false);
    QVERIFY(!sheet->isVisible());
    QTest::mouseClick(w->button(QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(!w->surface()->record().lines().empty());

    // Ticking practice mode with the window open starts clean: fresh figures, nothing printed,
    // a question number.
    std::map<int, std::string> before = Texts(w);
    PracticeMode::instance().setOn(true);
    QTRY_VERIFY(sheet->isVisible());
    QVERIFY(w->surface()->record().lines().empty());
    QVERIFY(Texts(w) != before);
    QVERIFY(sheet->findChild<QLabel*>(QStringLiteral("questionNumber"))
                ->text()
                .startsWith(QStringLiteral("题号 ")));
  }
};

testing::RegisterGuiTest<PracticeTest> registered;

}  // namespace
}  // namespace varnello

#include "practice_test.moc"
