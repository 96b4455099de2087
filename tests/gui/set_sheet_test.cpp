// 练习集: a set made and saved in the dialog, opened again and answered question by question; the
// answers kept while walking back and forth and saved as CSV that reads back for that set only;
// failures told, never silent.
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/entry_actions.h"
#include "gui/gui_tests.h"
#include "gui/set_answer_sheet.h"
#include "gui/set_dialog.h"
#include "gui/window_registry.h"

namespace varnello {
namespace {

class SetSheetTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    reports_.clear();
    EntryActions::setMessageReporter([this](QWidget*, const QString& m) { reports_ << m; });
  }

  void setAnsweredTwoQuestionsAndSaved() {
    QTemporaryDir dir;
    WindowRegistry windows;
    QWidget* main = windows.show(QStringLiteral("Form1"));
    QTest::mouseClick(main->findChild<QPushButton*>(QStringLiteral("setButton")), Qt::LeftButton);
    auto* dialog = main->findChild<SetDialog*>();
    QVERIFY(dialog != nullptr && dialog->isVisible());
    dialog->count()->setValue(5);
    dialog->seed()->setValue(7);
    QVERIFY(dialog->makeSet());
    const ExerciseSet made = *dialog->set();
    QCOMPARE(made.exercises.size(), size_t{5});
    const QString setPath = dir.filePath(QStringLiteral("set.jsonl"));
    dialog->setTargetPath(setPath);
    QVERIFY(dialog->saveSet());
    // A damaged file is told and leaves the set as it was; the saved one reads back whole.
    QFile damaged(dir.filePath(QStringLiteral("damaged.jsonl")));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("{\"set\": ");
    damaged.close();
    dialog->setTargetPath(damaged.fileName());
    QVERIFY(!dialog->openSet());
    QCOMPARE(reports_.size(), 1);
    QVERIFY(reports_[0].startsWith(QStringLiteral("打开练习集失败")));
    dialog->setTargetPath(setPath);
    QVERIFY(dialog->openSet());
    QCOMPARE(dialog->set()->id, made.id);

    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("answer")), Qt::LeftButton);
    SetAnswerSheet* sheet = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* s = qobject_cast<SetAnswerSheet*>(w); s != nullptr && s->isVisible()) sheet = s;
    }
    QVERIFY(sheet != nullptr);
    QTableWidget* table = sheet->table();
    QVERIFY(sheet->number()->text().startsWith(QStringLiteral("题号 1")));
    QCOMPARE(sheet->question()->text(), QString::fromStdString(made.exercises[0].question));

    // Question 1: one line in the cells, the last amount still being edited when 下一题 is pressed.
    auto set = [table](int row, int column, const QString& text) {
      if (row >= table->rowCount()) table->setRowCount(row + 1);
      table->setItem(row, column, new QTableWidgetItem(text));
    };
    set(0, 0, QStringLiteral("银行存款"));
    set(0, 1, QStringLiteral("借"));
    sheet->activateWindow();
    QTRY_VERIFY(sheet->isActiveWindow());
    table->setCurrentCell(0, 2);
    QWidget* editor = nullptr;
    QTRY_VERIFY((editor = table->indexWidget(table->currentIndex())) != nullptr);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("１２００"));
    QApplication::sendEvent(editor, &commit);
    QTest::keyClick(sheet, Qt::Key_X, Qt::AltModifier);
    QTRY_VERIFY(sheet->number()->text().startsWith(QStringLiteral("题号 2")));
    QCOMPARE(table->item(0, 0)->text(), QString());
    // Question 2: two lines.
    set(0, 0, QStringLiteral("应付职工薪酬"));
    set(0, 1, QStringLiteral("借"));
    set(0, 2, QStringLiteral("500"));
    set(1, 0, QStringLiteral("银行存款"));
    set(1, 1, QStringLiteral("贷"));
    set(1, 2, QStringLiteral("500"));
    // Back to question 1 and forth again: each keeps its own lines.
    sheet->previous();
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("１２００"));
    sheet->next();
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("银行存款"));

    // Without 学号 and 姓名 nothing is written.
    const QString answersPath = dir.filePath(QStringLiteral("answers.csv"));
    sheet->setTargetPath(answersPath);
    QVERIFY(!sheet->save());
    QVERIFY(reports_.last().contains(QStringLiteral("学号和姓名")));
    QVERIFY(!QFile::exists(answersPath));
    sheet->studentId()->setText(QStringLiteral("2024001"));
    sheet->studentName()->setText(QStringLiteral("张三"));
    // A folder that does not exist: told, not silent.
    sheet->setTargetPath(dir.filePath(QStringLiteral("none/answers.csv")));
    QVERIFY(!sheet->save());
    QVERIFY(reports_.last().startsWith(QStringLiteral("保存答案失败")));
    sheet->setTargetPath(answersPath);
    QVERIFY(sheet->save());

    QFile file(answersPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::string csv = file.readAll().toStdString();
    QVERIFY(csv.starts_with("练习集,学号,姓名,题号,会计科目,借/贷,金额"));
    AnswersReading read = ReadAnswersCsv(csv, made);
    QVERIFY2(read.error.empty(), read.error.c_str());
    QCOMPARE(read.students.size(), size_t{1});
    const SetAnswers& s = read.students[0];
    QCOMPARE(s.setId, made.id);
    QCOMPARE(s.studentId, std::string("2024001"));
    QCOMPARE(s.name, std::string("张三"));
    QCOMPARE(s.lines.size(), size_t{3});
    QCOMPARE(s.lines[0].number, made.exercises[0].number);
    QCOMPARE(s.lines[0].line.amount, std::string("１２００"));
    QCOMPARE(s.lines[2].number, made.exercises[1].number);
    QCOMPARE(s.lines[2].line.side, std::string("贷"));
    // Not for another set.
    ExerciseSet other = made;
    other.id = "8-00000000";
    QVERIFY(!ReadAnswersCsv(csv, other).error.empty());
    sheet->close();
    dialog->close();
  }

 private:
  QStringList reports_;
};

testing::RegisterGuiTest<SetSheetTest> registered;

}  // namespace
}  // namespace varnello

#include "set_sheet_test.moc"
