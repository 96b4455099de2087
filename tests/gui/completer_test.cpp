// The keyword field's suggestions: typed or composed text lists matches with their subjects, a
// chosen one fills the field, and 确定 still dispatches only by exact match.
#include <QAbstractItemView>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QtTest>

#include "gui/gui_tests.h"
#include "gui/keyword_completer.h"
#include "gui/main_window.h"
#include "gui/window_registry.h"

namespace varnello {
namespace {

class CompleterTest : public QObject {
  Q_OBJECT

  std::unique_ptr<WindowRegistry> windows;
  QLineEdit* field = nullptr;
  KeywordCompleter* completer = nullptr;

  QStringList shown(int column) const {
    QStringList texts;
    for (int r = 0; r < completer->suggestions()->rowCount(); ++r)
      texts << completer->suggestions()->item(r, column)->text();
    return texts;
  }
  // What an input method does on committing text: an input-method event to the focus object.
  static void commit(const QString& text, const QString& preedit = {}) {
    QInputMethodEvent event(preedit, {});
    event.setCommitString(text);
    QCoreApplication::sendEvent(QGuiApplication::focusObject(), &event);
  }
  void confirm() const {
    QTest::mouseClick(windows->mainWindow()->findChild<QPushButton*>(QStringLiteral("Command1")),
                      Qt::LeftButton);
  }
  QWidget* form(const char* name) const { return windows->existing(QString::fromLatin1(name)); }

 private slots:
  void init() {
    windows = std::make_unique<WindowRegistry>();
    windows->show(QStringLiteral("Form1"));
    QVERIFY(QTest::qWaitForWindowActive(windows->mainWindow()));
    field = windows->mainWindow()->keywordField();
    completer = field->findChild<KeywordCompleter*>();
    QVERIFY(completer != nullptr);
  }
  void cleanup() { windows.reset(); }

  void typedPinyinListsKeywordsWithSubjects() {
    QTest::keyClicks(field, QStringLiteral("gz"));
    // The first keystroke makes the list: the completer's own, not a plain one of QCompleter's.
    QCOMPARE(static_cast<QCompleter*>(completer)->popup(), completer->popup());
    QVERIFY(completer->popup()->isVisible());
    QCOMPARE(shown(0), QStringList({"改造", "工资", "改造（小规模纳税人）"}));
    QCOMPARE(shown(1), QStringList({"商品/货物/原材料", "工资", "商品/货物/原材料"}));
    QVERIFY(completer->popup()->width() >= field->width());
    QTest::keyClicks(field, QStringLiteral("q"));  // gzq matches nothing: the list closes
    QVERIFY(!completer->popup()->isVisible());
  }

  // The program makes the list once the main window is painted; typing then finds it ready.
  void madeReadyBeforeTheFirstKeystroke() {
    completer->prepare();
    QAbstractItemView* list = completer->popup();
    completer->prepare();
    QTest::keyClicks(field, QStringLiteral("gongzi"));
    QCOMPARE(completer->popup(), list);
    QVERIFY(list->isVisible());
    QCOMPARE(shown(0), QStringList({"工资"}));
  }

  void composedTextUpdatesTheListAndArrowsWithEnterChoose() {
    field->setFocus();
    commit(QString(), QStringLiteral("gupiao"));  // still composing: nothing typed yet
    QCOMPARE(field->text(), QString());
    QVERIFY(!completer->popup()->isVisible());
    commit(QStringLiteral("股票"));
    QCOMPARE(field->text(), QStringLiteral("股票"));
    QVERIFY(completer->popup()->isVisible());
    QCOMPARE(shown(0), QStringList({"股票", "股票投资成本", "买股票", "购入股票", "购买股票",
                                    "出售股票对报表损益影响", "出售股票", "回购股票", "发行股票"}));
    QCOMPARE(shown(1)[2], QStringLiteral("股票/债券"));
    // The list takes neither the focus nor the keyboard, so the input method keeps composing
    // into the field.
    QCOMPARE(QGuiApplication::focusWindow(), windows->mainWindow()->windowHandle());
    QCOMPARE(QGuiApplication::focusObject(), field);
    // With the list open the composition still reaches the field, not the list.
    commit(QStringLiteral("投"));
    QCOMPARE(field->text(), QStringLiteral("股票投"));
    QCOMPARE(shown(0), QStringList({"股票投资成本"}));
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(shown(0).size(), 9);
    // Moving through the list leaves the typed text; Enter fills the field with the choice.
    QWidget* popup = completer->popup();
    for (int i = 0; i < 3; ++i) QTest::keyClick(field, Qt::Key_Down);
    QCOMPARE(field->text(), QStringLiteral("股票"));
    QVERIFY(field->hasFocus());
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(field->text(), QStringLiteral("买股票"));
    QVERIFY(!popup->isVisible());
    // Enter in the field presses nothing; 确定 dispatches the exact keyword.
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(windows->mainWindow()->isVisible() && form("Form6") == nullptr);
    confirm();
    QVERIFY(form("Form6") != nullptr && form("Form6")->isVisible());
    QVERIFY(!windows->mainWindow()->isVisible());
  }

  void enterWithoutAChoiceAndEscapeKeepTheText() {
    QTest::keyClicks(field, QStringLiteral("mgp"));
    QVERIFY(completer->popup()->isVisible());
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(!completer->popup()->isVisible());
    QCOMPARE(field->text(), QStringLiteral("mgp"));
    QTest::keyClicks(field, QStringLiteral(" "));
    QVERIFY(completer->popup()->isVisible());
    QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(field, Qt::Key_Up);  // back above the first row: nothing chosen
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(!completer->popup()->isVisible());
    QCOMPARE(field->text(), QStringLiteral("mgp "));
    confirm();
    QVERIFY(windows->mainWindow()->isVisible() && form("Form6") == nullptr);
  }

  void oneClickOnConfirmWhileTheListIsOpenDispatches() {
    field->setFocus();
    commit(QStringLiteral("坏账准备"));
    QVERIFY(completer->popup()->isVisible());
    confirm();
    QVERIFY(!completer->popup()->isVisible());
    QTRY_VERIFY(form("Form18") != nullptr && form("Form18")->isVisible());
  }
};

testing::RegisterGuiTest<CompleterTest> registered;

}  // namespace
}  // namespace varnello

#include "completer_test.moc"
