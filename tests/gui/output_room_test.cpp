// Room for the printed lines on every topic window, at its given size and enlarged: no control
// stands over the output's visible text area, which takes all the room a larger window adds and
// scrolls what it cannot show. Run at scale 1 and 2.
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "core/layout/layout.h"
#include "gui/gui_tests.h"
#include "gui/output_view.h"
#include "gui/qt_convert.h"
#include "gui/topic_window.h"
#include "gui/window_registry.h"

namespace varnello {
namespace {

// The output's visible text area, in the window's coordinates.
QRect TextArea(TopicWindow* w) {
  QWidget* viewport = w->surface()->viewport();
  return QRect(viewport->mapTo(w, QPoint(0, 0)), viewport->size());
}

class OutputRoomTest : public QObject {
  Q_OBJECT

 private slots:
  void noControlCoversTheOutput() {
    WindowRegistry windows;
    OutputView::setWorkingShown(true);  // the longest lines there are
    const QSize added(320, 240);
    for (const TopicDesc* desc : AllTopics()) {
      auto* w = static_cast<TopicWindow*>(windows.show(ToQString(desc->id)));
      const QString name = ToQString(desc->id);
      for (const Item* f : FieldsOf(*desc)) w->field(f->field)->setText(QStringLiteral("123456.78"));
      w->press();
      w->press();
      testing::CloseFaultBoxes();
      const WindowLayout layout = LayoutTopic(*desc);
      const QSize given(ToPixels(layout.width), ToPixels(layout.height));
      QSize givenOutput;
      for (const QSize& size : {given, given + added}) {
        w->resize(size);
        QCOMPARE(w->size(), size);
        const QRect text = TextArea(w);
        QVERIFY2(text.width() > 200 && text.height() > 200, qPrintable(name));
        QVERIFY2(w->rect().contains(w->surface()->geometry()), qPrintable(name));
        for (QWidget* c : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
          if (c == w->surface() || c->isWindow() || c->isHidden()) continue;
          QVERIFY2(!c->geometry().intersects(text), qPrintable(name + QLatin1Char(' ') + c->objectName()));
          QVERIFY2(w->rect().contains(c->geometry()), qPrintable(name + QLatin1Char(' ') + c->objectName()));
        }
        // All the added room goes to the output.
        if (size == given) {
          givenOutput = w->surface()->size();
        } else {
          QCOMPARE(w->surface()->size(), givenOutput + added);
        }
      }
      // What does not fit is scrolled to, not hidden: the last press's first line is in view.
      OutputView* view = w->surface();
      QTextBlock first = view->document()->firstBlock();
      while (first.isValid() && first.userState() != static_cast<int>(view->record().pressStart()))
        first = first.next();
      QVERIFY2(first.isValid(), qPrintable(name));
      const QRect at = view->cursorRect(QTextCursor(first));
      QVERIFY2(at.top() >= 0 && at.bottom() <= view->viewport()->height(), qPrintable(name));
      w->resize(given);
      w->hide();
    }
    OutputView::setWorkingShown(false);
  }
};

testing::RegisterGuiTest<OutputRoomTest> registered;

}  // namespace
}  // namespace varnello

#include "output_room_test.moc"
