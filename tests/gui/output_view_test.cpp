// The output view: printed lines as text that can be selected and copied exactly as printed.
#include "gui/output_view.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "gui/gui_tests.h"
#include "gui/qt_convert.h"
#include "gui/topic_window.h"

namespace varnello {
namespace {

QString Printed(const OutputView* view) {
  QStringList lines;
  for (std::string_view l : view->record().lines()) lines << ToQString(l);
  return lines.join(QLatin1Char('\n'));
}

QStringList MenuTexts(QMenu* menu) {
  QStringList texts;
  for (QAction* a : menu->actions()) texts << a->text().remove(QLatin1Char('&'));
  return texts;
}

class OutputViewTest : public QObject {
  Q_OBJECT

 private slots:
  // Every window: the view shows exactly the printed lines; Ctrl+A, Ctrl+C put them on the
  // clipboard unchanged; the context menu offers 复制 and 全选 and takes added actions.
  void everyWindowCopiesItsLinesAsPrinted() {
    for (const TopicDesc* desc : AllTopics()) {
      TopicWindow w(*desc);
      w.show();
      for (const Item* f : FieldsOf(*desc)) w.field(f->field)->setText(QStringLiteral("-1234.5"));
      w.press();
      w.press();
      OutputView* view = w.surface();
      QString where = ToQString(desc->id);
      QVERIFY2(view->isReadOnly() && view->lineWrapMode() == QPlainTextEdit::NoWrap, qPrintable(where));
      QCOMPARE(view->toPlainText(), Printed(view));
      QApplication::clipboard()->clear();
      QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
      QVERIFY2(QApplication::clipboard()->text() == Printed(view), qPrintable(where));
      if (!view->record().lines().empty()) {
        QCOMPARE(view->selectedLines(),
                 std::make_pair(0, static_cast<int>(view->record().lines().size()) - 1));
      }

      connect(view, &OutputView::contextMenuAboutToShow, view,
              [](QMenu* menu, int) { menu->addAction(QStringLiteral("附加")); });
      std::unique_ptr<QMenu> menu(view->createContextMenu(QPoint(5, 5)));
      QStringList texts = MenuTexts(menu.get());
      QVERIFY2(texts.filter(QRegularExpression(QStringLiteral("^复制(\\(C\\))?(\t|$)"))).size() == 1,
               qPrintable(texts.join(QLatin1Char(' '))));
      QVERIFY2(texts.filter(QStringLiteral("全选")).size() == 1, qPrintable(texts.join(QLatin1Char(' '))));
      QCOMPARE(texts.last(), QStringLiteral("附加"));
    }
  }

  // Open text left at the end of a press (a fault right after it) is continued by the next
  // press on the same line; the view follows, and its lines map back to the printed lines.
  void openTextContinuesItsLine() {
    TopicWindow w(*FindTopic("Form44"));
    w.show();
    w.field(1)->setText(QStringLiteral("1"));
    w.field(2)->setText(QStringLiteral("1e300"));
    w.field(3)->setText(QStringLiteral("1e300"));
    w.press();
    OutputView* view = w.surface();
    QCOMPARE(view->document()->lastBlock().text(), QStringLiteral("收回债券"));
    int line = static_cast<int>(view->record().lines().size()) - 1;
    w.press();
    QCOMPARE(view->toPlainText(), Printed(view));
    QVERIFY(view->record().lines()[static_cast<size_t>(line)].starts_with("收回债券购入债券"));
    QTextBlock block = view->document()->findBlockByNumber(line);
    QCOMPARE(view->lineAtPosition(block.position() + 5), line);
    // The newest line is in view.
    QCOMPARE(view->verticalScrollBar()->value(), view->verticalScrollBar()->maximum());
    // Lines stand a little apart (room under each, no extra lines), and a point in that room
    // still belongs to its line.
    QRectF first = view->document()->documentLayout()->blockBoundingRect(view->document()->firstBlock());
    QVERIFY(first.height() >= view->fontMetrics().height() + 2);
    QCOMPARE(view->document()->blockCount(), static_cast<int>(view->record().lines().size()));
    view->verticalScrollBar()->setValue(0);
    QCOMPARE(view->lineAt(QPoint(5, qRound(first.bottom()) - 1)), 0);
    w.clear();
    QVERIFY(view->toPlainText().isEmpty());
    QCOMPARE(view->lineAt(QPoint(5, 5)), -1);
  }
};

testing::RegisterGuiTest<OutputViewTest> registered;

}  // namespace
}  // namespace varnello

#include "output_view_test.moc"
