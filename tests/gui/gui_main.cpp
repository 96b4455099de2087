// Runs every GUI test class in one process, on the offscreen platform.
#include <QApplication>
#include <QtTest>

#include "gui/gui_tests.h"
#include "gui/qt_translations.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  varnello::InstallAppFont();
  if (!varnello::InstallQtTranslations()) qWarning("Qt's zh_CN translations are missing");
  int failures = 0;
  for (auto& make : varnello::testing::GuiTestClasses()) {
    std::unique_ptr<QObject> test = make();
    failures += QTest::qExec(test.get(), argc, argv);
  }
  return failures == 0 ? 0 : 1;
}
