// Runs every GUI test class in one process, on the offscreen platform; VARNELLO_GUI_TESTS (class
// names separated by commas) runs only those.
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
  int failures = 0;
  for (auto& make : varnello::testing::GuiTestClasses()) {
    std::unique_ptr<QObject> test = make();
    QString name = QString::fromLatin1(test->metaObject()->className()).section(QStringLiteral("::"), -1);
    if (!only.isEmpty() && !only.contains(name)) continue;
    failures += QTest::qExec(test.get(), argc, argv);
  }
  return failures == 0 ? 0 : 1;
}
