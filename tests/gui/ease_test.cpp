// The windows at ease: each press brings its own first line into view and stands apart from the
// one before, without a character of the text changed; an unknown keyword is answered beside the
// field; dialogs fit the screen; 批改 in 作答 gives the class report's marks; the explanation of
// a line or field is reached from the keyboard; the account completion offers one spelling each.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "core/journal/journal.h"
#include "core/practice/class_report.h"
#include "core/practice/exercise.h"
#include "core/search/keyword_index.h"
#include "gui/answer_table.h"
#include "gui/app_font.h"
#include "gui/entry_actions.h"
#include "gui/explanation_panel.h"
#include "gui/gui_tests.h"
#include "gui/main_window.h"
#include "gui/output_view.h"
#include "gui/practice_sheet.h"
#include "gui/qt_convert.h"
#include "gui/screen_fit.h"
#include "gui/set_answer_sheet.h"
#include "gui/set_dialog.h"
#include "gui/topic_window.h"
#include "gui/window_registry.h"

namespace varnello {
namespace {

// The printed text as the record holds it, lines joined as the view's plain text joins them.
QString RecordText(const EntryRecord& record) {
  QStringList lines;
  for (std::string_view line : record.lines()) lines << ToQString(line);
  return lines.join(QLatin1Char('\n'));
}

// The block at the top of the view.
QTextBlock TopBlock(OutputView* view) {
  return view->cursorForPosition(QPoint(1, 1)).block();
}

QTextBlock BlockOfLine(OutputView* view, size_t line) {
  for (QTextBlock b = view->document()->firstBlock(); b.isValid(); b = b.next())
    if (b.userState() == static_cast<int>(line)) return b;
  return {};
}

class EaseTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    EntryActions::setMessageReporter([](QWidget*, const QString&) {});
  }
  void cleanup() { testing::CloseFaultBoxes(); }

  // Every window pressed twice with its exercise figures: the second press's first line is in
  // view (at the top unless the lines end before the view does), the scroll bar's value is the
  // block at the top, the press is set apart, and the text is exactly the record's.
  void everyPressBringsItsFirstLineIntoView() {
    WindowRegistry windows;
    int pressedLong = 0;
    for (const TopicDesc* desc : AllTopics()) {
      auto* w = qobject_cast<TopicWindow*>(windows.show(ToQString(desc->id.name())));
      QVERIFY(w != nullptr);
      for (const auto& [n, text] : MakeExercise(*desc, 11)) w->field(n)->setText(ToQString(text));
      OutputView* view = w->surface();
      w->press();
      testing::CloseFaultBoxes();
      const size_t firstEnd = view->record().lines().size();
      w->press();
      testing::CloseFaultBoxes();
      const EntryRecord& record = view->record();
      const QByteArray name = QByteArray::fromStdString(std::string(desc->id.name()));
      QVERIFY2(view->toPlainText() == RecordText(record), name);
      const size_t start = record.pressStart();
      if (start >= record.lines().size() || start == 0) continue;
      QVERIFY2(start == firstEnd, name);
      QVERIFY2(view->pressStarts().contains(start), name);
      QTextBlock first = BlockOfLine(view, start);
      QVERIFY2(first.isValid(), name);
      QScrollBar* bar = view->verticalScrollBar();
      QVERIFY2(bar->value() == TopBlock(view).blockNumber(), name);
      QRect at = view->cursorRect(QTextCursor(first));
      QVERIFY2(at.top() >= 0 && at.bottom() <= view->viewport()->height(), name);
      if (bar->value() < bar->maximum()) {
        QVERIFY2(TopBlock(view) == first, name);
        ++pressedLong;
      }
      w->hide();
    }
    // Some windows print more than their view shows: the rule above was tested on them.
    QVERIFY(pressedLong > 0);
  }

  // 确定 on text that is no keyword: said under the field with the nearest keywords, no box.
  void unknownKeywordIsAnsweredBesideTheField() {
    WindowRegistry windows;
    auto* main = qobject_cast<MainWindow*>(windows.show(QStringLiteral("Form1")));
    QVERIFY(main != nullptr);
    QPushButton* confirm = nullptr;
    for (auto* b : main->findChildren<QPushButton*>())
      if (b->text() == QStringLiteral("确定")) confirm = b;
    QVERIFY(confirm != nullptr);
    QLabel* message = main->keywordMessage();
    for (const QString& typed :
         {QStringLiteral("股票收益"), QStringLiteral("Form29"), QStringLiteral("qqqq")}) {
      main->keywordField()->setText(typed);
      QTest::mouseClick(confirm, Qt::LeftButton);
      QVERIFY(message->isVisible());
      QVERIFY(message->text().startsWith(QStringLiteral("没有“%1”这个关键字").arg(typed)));
      QVERIFY(message->geometry().top() > main->keywordField()->geometry().bottom());
      QVERIFY(QApplication::activeModalWidget() == nullptr);
      QVERIFY(main->isVisible());
    }
    // A window's name suggests its own keywords, each of which opens it.
    for (const std::optional<WindowId>& id : {WindowId::Parse("Form29"), WindowId::Parse("Form6")}) {
      QString text = UnknownKeywordMessage(ToQString(id->name()));
      qsizetype at = text.indexOf(QStringLiteral("是不是："));
      QVERIFY2(at > 0, qPrintable(text));
      for (const QString& k : text.mid(at + 4).split(QStringLiteral("、")))
        QVERIFY2(DispatchKeyword(k.toStdString()) == id, qPrintable(k));
    }
    // Typing again puts the message away; a keyword opens its window.
    QTest::keyClick(main->keywordField(), Qt::Key_A);
    QVERIFY(message->isHidden());
    main->keywordField()->setText(ToQString(KeywordIndex().front().keyword));
    QTest::mouseClick(confirm, Qt::LeftButton);
    QVERIFY(message->isHidden());
  }

  // The 练习集 dialog and the sheets fit the room of the screen, with the dialog's buttons inside
  // it (run at scale 1 and 2 on the offscreen screen of 800×600).
  void dialogsFitTheScreen() {
    WindowRegistry windows;
    QWidget* main = windows.show(QStringLiteral("Form1"));
    SetDialog* dialog = ShowSetDialog(main);
    const QSize room = RoomOnScreen(dialog);
    QVERIFY(dialog->width() <= room.width() && dialog->height() <= room.height());
    QTRY_VERIFY(dialog->isVisible());
    QVERIFY(dialog->height() <= room.height());
    for (const char* name : {"make", "open", "save", "answer", "printSheet", "keyPdf"}) {
      auto* b = dialog->findChild<QPushButton*>(QLatin1String(name));
      QVERIFY(b != nullptr);
      QRect inDialog(b->mapTo(dialog, QPoint(0, 0)), b->size());
      QVERIFY2(dialog->rect().contains(inDialog), name);
    }
    dialog->count()->setValue(3);
    QVERIFY(dialog->makeSet());
    SetAnswerSheet sheet(*dialog->set());
    QVERIFY(sheet.width() <= room.width() && sheet.height() <= room.height());
    auto* topic = qobject_cast<TopicWindow*>(windows.show(QStringLiteral("Form6")));
    PracticeSheet practice(topic);
    QVERIFY(practice.width() <= room.width() && practice.height() <= room.height());
    dialog->close();
  }

  // 批改 marks as the class report does from the file 保存答案 writes: the same score and reasons
  // for every question, and the current one shown with them.
  void markingInTheSheetIsTheClassReports() {
    QTemporaryDir dir;
    SetOptions options;
    options.count = 4;
    options.seed = 29;
    const ExerciseSet set = MakeSet(options);
    SetAnswerSheet sheet(set);
    sheet.show();
    auto write = [&sheet](int row, const std::string& account, const std::string& side,
                          const std::string& amount) {
      QTableWidget* table = sheet.table();
      if (row >= table->rowCount()) table->setRowCount(row + 1);
      table->setItem(row, kAccount, new QTableWidgetItem(ToQString(account)));
      table->setItem(row, kSide, new QTableWidgetItem(ToQString(side)));
      table->setItem(row, kAmount, new QTableWidgetItem(ToQString(amount)));
    };
    QVERIFY(!sheet.mark());  // nothing written yet: told, no marks
    QVERIFY(sheet.result()->text().contains(QStringLiteral("还没有")));
    // Question 1 right, question 2 with its first amount wrong and a line too many, question 3
    // with its sides swapped, question 4 left blank.
    for (std::size_t q = 0; q < 3; ++q) {
      sheet.go(q);
      const SetExercise& e = set.exercises[q];
      AnswerKey key = KeyOf(*FindTopic(*WindowId::Parse(e.window)), e.fields);
      int row = 0;
      for (const KeyLine& line : key.entryLines[e.entry]) {
        Side side = q == 2 ? (line.side == Side::Debit ? Side::Credit : Side::Debit) : line.side;
        double amount = q == 1 && row == 0 ? line.amount + 1 : line.amount;
        write(row++, line.account, std::string(SideText(side)), PlainAmount(amount));
      }
      if (q == 1) write(row, "营业外收入", "贷", "1");
    }
    sheet.studentId()->setText(QStringLiteral("2026001"));
    sheet.studentName()->setText(QStringLiteral("李四"));
    sheet.go(1);
    QVERIFY(sheet.mark());
    const QString path = dir.filePath(QStringLiteral("answers.csv"));
    sheet.setTargetPath(path);
    QVERIFY(sheet.save());
    QVERIFY(sheet.result()->text().contains(QDir::toNativeSeparators(path)));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    ClassMarking core =
        MarkClass(set, {AnswerFile{"answers.csv", file.readAll().toStdString(), {}}}, MarkOptions{});
    QCOMPARE(core.students.size(), std::size_t{1});
    const StudentResult& want = core.students[0];
    const StudentResult& got = *sheet.marking();
    QCOMPARE(got.questions.size(), want.questions.size());
    QCOMPARE(got.total, want.total);
    for (std::size_t q = 0; q < want.questions.size(); ++q) {
      QCOMPARE(got.questions[q].score, want.questions[q].score);
      QCOMPARE(got.questions[q].errors.size(), want.questions[q].errors.size());
      for (std::size_t i = 0; i < want.questions[q].errors.size(); ++i)
        QCOMPARE(got.questions[q].errors[i].reason, want.questions[q].errors[i].reason);
    }
    QCOMPARE(want.questions[0].score, 1.0);
    QVERIFY(want.questions[1].score < 1.0 && want.questions[2].score < 1.0);
    QCOMPARE(want.questions[3].score, 0.0);
    // The question in view is shown with its score and every reason.
    sheet.go(1);
    const QString shown = sheet.result()->text();
    QVERIFY2(shown.startsWith(QStringLiteral("第 %1 题得分").arg(set.exercises[1].number)),
             qPrintable(shown));
    for (const QuestionError& e : want.questions[1].errors) QVERIFY(shown.contains(ToQString(e.reason)));
  }

  // Ctrl+I on an unbalanced entry's line shows the same text as hovering it, wrapped; so does the
  // output's context menu, and Ctrl+I in a field with a reading warning.
  void explanationIsReachedFromTheKeyboard() {
    WindowRegistry windows;
    // An entry that does not balance: a window whose marks show after a press of its exercise.
    TopicWindow* w = nullptr;
    int marked = -1;
    for (const TopicDesc* desc : AllTopics()) {
      auto* t = qobject_cast<TopicWindow*>(windows.show(ToQString(desc->id.name())));
      for (std::uint64_t seed : {1u, 2u, 3u}) {
        for (const auto& [n, text] : MakeExercise(*desc, seed)) t->field(n)->setText(ToQString(text));
        t->clear();
        t->press();
        testing::CloseFaultBoxes();
        for (int line = 0; line < static_cast<int>(t->surface()->record().lines().size()); ++line)
          if (!t->surface()->markOf(line).isEmpty()) marked = line;
        if (marked >= 0) break;
      }
      if (marked >= 0) {
        w = t;
        break;
      }
      t->hide();
    }
    // Without an unbalanced entry in the exercises, any line with working stands for it.
    if (w == nullptr) {
      w = qobject_cast<TopicWindow*>(windows.show(QStringLiteral("Form101")));
      for (const auto& [n, text] : MakeExercise(w->desc(), 1)) w->field(n)->setText(ToQString(text));
      w->press();
      for (int line = 0; line < static_cast<int>(w->surface()->record().lines().size()); ++line)
        if (!w->surface()->toolTipOf(line).isEmpty()) marked = line;
    }
    QVERIFY(marked >= 0);
    OutputView* view = w->surface();
    w->activateWindow();
    QTRY_VERIFY(w->isActiveWindow());
    view->setFocus();
    QTextCursor cursor(BlockOfLine(view, static_cast<size_t>(marked)));
    view->setTextCursor(cursor);
    QTest::keyClick(view, Qt::Key_I, Qt::ControlModifier);
    QWidget* panel = ExplanationPanel(view);
    QVERIFY(panel != nullptr);
    QTRY_VERIFY(panel->isVisible());
    auto* text = panel->findChild<QLabel*>(QStringLiteral("explanationText"));
    QCOMPARE(text->text(), view->toolTipOf(marked));
    // Wrapped: no wider than 36 CJK characters and a margin.
    QVERIFY(panel->width() <= view->fontMetrics().horizontalAdvance(QChar(0x6c49)) * 36 + 40);
    QTest::keyClick(panel, Qt::Key_Escape);
    QTRY_VERIFY(!panel->isVisible());
    // The context menu's 说明 shows the same.
    QPoint at = view->cursorRect(cursor).center();
    std::unique_ptr<QMenu> menu(view->createContextMenu(at));
    auto* explain = menu->findChild<QAction*>(QStringLiteral("explainLine"));
    QVERIFY(explain != nullptr && explain->isEnabled());
    explain->trigger();
    QTRY_VERIFY(panel->isVisible());
    QCOMPARE(text->text(), view->toolTipOf(marked));
    panel->close();
    // A field's reading warning.
    QLineEdit* field = w->field(FieldsOf(w->desc()).front()->field);
    field->setText(QStringLiteral("12元3角"));
    QVERIFY(!field->toolTip().isEmpty());
    field->setFocus();
    QTest::keyClick(field, Qt::Key_I, Qt::ControlModifier);
    QTRY_VERIFY(panel->isVisible());
    QCOMPARE(text->text(), field->toolTip());
    panel->close();
  }

  // One spelling per account in the completion: none twice as marking compares them, no blanks
  // or ASCII parentheses, and every account the windows print reachable.
  void completionOffersOneSpellingPerAccount() {
    const std::vector<std::string> offered = CompletionAccounts();
    std::set<std::string> keys;
    for (const std::string& a : offered) {
      QVERIFY2(keys.insert(NormalizeAccount(a)).second, a.c_str());
      QVERIFY2(a.find(' ') == std::string::npos && a.find('(') == std::string::npos, a.c_str());
    }
    for (const std::string& a : KnownAccounts()) QVERIFY2(keys.contains(NormalizeAccount(a)), a.c_str());
    QVERIFY(offered.size() < KnownAccounts().size());
    QCOMPARE(AccountSpelling("应交税费 - 应交增值税(转出未交)"),
             std::string("应交税费-应交增值税（转出未交）"));
  }

  // Placeholders in an opaque grey of their own, not the text colour.
  void placeholdersAreGrey() {
    InstallAppLook();
    QPalette p = QApplication::palette();
    QColor placeholder = p.color(QPalette::PlaceholderText);
    QCOMPARE(placeholder.alpha(), 255);
    QVERIFY(placeholder != p.color(QPalette::Text));
    QVERIFY(placeholder != p.color(QPalette::Base));
  }
};

testing::RegisterGuiTest<EaseTest> registered;

}  // namespace
}  // namespace varnello

#include "ease_test.moc"
