// Runs the GUI test classes on the offscreen platform: all of them, or the one named by the first
// argument (the test runner starts one process per class). Further arguments go to Qt Test.
#include <QApplication>
#include <QtTest>

#include "gui/gui_tests.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  varnello::InstallAppFont();
  QString only;
  if (argc > 1 && argv[1][0] != '-') {
    only = QString::fromLocal8Bit(argv[1]);
    argv[1] = argv[0];
    --argc;
    ++argv;
  }
  int failures = 0, run = 0;
  for (auto& make : varnello::testing::GuiTestClasses()) {
    std::unique_ptr<QObject> test = make();
    QString name = QString::fromLatin1(test->metaObject()->className()).section(QStringLiteral("::"), -1);
    if (!only.isEmpty() && name != only) continue;
    ++run;
    failures += QTest::qExec(test.get(), argc, argv);
  }
  if (run == 0) {
    qWarning("no GUI test class named %s", qPrintable(only));
    return 1;
  }
  return failures == 0 ? 0 : 1;
}
