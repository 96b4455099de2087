// The fault message box of every window that faults with its fields empty: the window's name in
// its title, the fault and its meaning in Chinese, Qt's own Chinese button, nothing cut.
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "core/entries/entries.h"
#include "gui/gui_tests.h"
#include "gui/qt_convert.h"
#include "gui/topic_window.h"
#include "gui/window_registry.h"

namespace varnello {
namespace {

class FaultBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void faultBoxIsWholeAndChinese() {
    WindowRegistry windows;
    int boxes = 0;
    for (const TopicDesc* desc : AllTopics()) {
      auto* w = static_cast<TopicWindow*>(windows.show(ToQString(desc->id)));
      QSignalSpy faulted(w, &TopicWindow::faulted);
      w->press();
      w->press();  // a second fault replaces the first box
      auto expected = PressOnce(*desc, {}).fault();
      QCOMPARE(faulted.size(), expected ? 2 : 0);
      QList<QMessageBox*> open = w->findChildren<QMessageBox*>();
      open.removeIf([](QMessageBox* b) { return !b->isVisible(); });
      QCOMPARE(open.size(), expected ? 1 : 0);
      if (!expected) {
        w->hide();
        continue;
      }
      ++boxes;
      QMessageBox* box = open.front();
      QString where = ToQString(desc->id);
      QCOMPARE(box->windowTitle(), where);
      // The figure and the operation that faulted, with the fault's name.
      QCOMPARE(box->text(), ToQString(PressOnce(*desc, {}, true).faultText()));
      QVERIFY2(box->text().contains(ToQString(FaultMessage(*expected))), qPrintable(where));
      QVERIFY2(box->informativeText().contains(QStringLiteral("本次计算已停止")), qPrintable(where));
      QCOMPARE(box->button(QMessageBox::Ok)->text().remove(QLatin1Char('&')), QStringLiteral("确定"));
      for (QLabel* label : box->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->pixmap().isNull() == false) continue;
        int needed = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
        QVERIFY2(label->height() >= needed, qPrintable(where + label->text()));
        if (!label->wordWrap()) QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(where));
      }
      // Room for the title beside the title bar's buttons.
      QVERIFY2(box->width() >= box->fontMetrics().horizontalAdvance(where) + 120, qPrintable(where));
      testing::CloseFaultBoxes();
      w->hide();
    }
    QVERIFY(boxes > 0);
    QVERIFY(PressOnce(*FindTopic("Form107"), {}).fault().has_value());
  }
};

testing::RegisterGuiTest<FaultBoxTest> registered;

}  // namespace
}  // namespace varnello

#include "fault_box_test.moc"
