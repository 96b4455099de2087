// Every topic window, opened by its keyword, prints on its surface exactly the lines the core
// computes for the same field texts, and reports the same fault.
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "core/catalogue/catalogue.h"
#include "core/press_helper.h"
#include "gui/gui_tests.h"
#include "gui/main_window.h"
#include "gui/output_view.h"
#include "gui/qt_convert.h"
#include "gui/topic_window.h"
#include "gui/window_registry.h"

namespace varnello {
namespace {

class PressTest : public QObject {
  Q_OBJECT

 private slots:
  void everyWindowPrintsTheCoreLines() {
    WindowRegistry windows;
    windows.show(QStringLiteral("Form1"));
    const char* figures[] = {"1200", "0.13", "30", "0.5", "-40", "7", "2500.25", "0.06", "12"};
    for (const TopicDesc* desc : AllTopics()) {
      std::string_view keyword;
      for (const KeywordRow& row : Keywords()) {
        if (row.window == desc->id && keyword.empty()) keyword = row.keyword;
      }
      windows.show(QStringLiteral("Form1"));
      windows.mainWindow()->keywordField()->setText(ToQString(keyword));
      QTest::mouseClick(windows.mainWindow()->findChild<QPushButton*>(QStringLiteral("Command1")),
                        Qt::LeftButton);
      auto* w = qobject_cast<TopicWindow*>(windows.existing(ToQString(desc->id)));
      QVERIFY2(w != nullptr && w->isVisible(), desc->id.name().data());

      std::map<int, std::string> texts;
      size_t i = 0;
      for (const Item* f : FieldsOf(*desc)) {
        texts[f->field] = figures[i++ % std::size(figures)];
        w->field(f->field)->setText(QString::fromStdString(texts[f->field]));
      }
      QSignalSpy faults(w, &TopicWindow::faulted);
      QTest::mouseClick(w->button(QStringLiteral("Command1")), Qt::LeftButton);
      testing::Pressed expected = testing::PressWindow(desc->id.name(), texts);
      QVERIFY2(w->surface()->record().lines() == expected.lines, desc->id.name().data());
      QCOMPARE(faults.size(), expected.fault ? 1 : 0);
      testing::CloseFaultBoxes();
      QTest::mouseClick(w->button(QStringLiteral("Command3")), Qt::LeftButton);
    }
  }
};

testing::RegisterGuiTest<PressTest> registered;

}  // namespace
}  // namespace varnello

#include "press_test.moc"
