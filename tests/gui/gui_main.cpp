// Runs the GUI test classes on the offscreen platform: all of them, or the one named by the first
// argument (the test runner starts one process per class), or those VARNELLO_GUI_TESTS names (class
// names separated by commas). Further arguments go to Qt Test.
#include <QApplication>
#include <QtTest>

#include "gui/app_font.h"
#include "gui/gui_tests.h"
#include "gui/qt_translations.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  varnello::InstallAppFont();
  if (!varnello::InstallQtTranslations()) qWarning("Qt's zh_CN translations are missing");
  QStringList only = qEnvironmentVariable("VARNELLO_GUI_TESTS").split(QLatin1Char(','), Qt::SkipEmptyParts);
  if (argc > 1 && argv[1][0] != '-') {
    only = QStringList{QString::fromLocal8Bit(argv[1])};
    argv[1] = argv[0];
    --argc;
    ++argv;
  }
  int failures = 0, run = 0;
  for (auto& make : varnello::testing::GuiTestClasses()) {
    std::unique_ptr<QObject> test = make();
    QString name = QString::fromLatin1(test->metaObject()->className()).section(QStringLiteral("::"), -1);
    if (!only.isEmpty() && !only.contains(name)) continue;
    ++run;
    failures += QTest::qExec(test.get(), argc, argv);
  }
  if (run == 0) {
    qWarning("no GUI test class named %s", qPrintable(only.join(QLatin1Char(','))));
    return 1;
  }
  return failures == 0 ? 0 : 1;
}
