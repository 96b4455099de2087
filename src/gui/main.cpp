// Varnello: starts the main window; the program ends on the main window's 退出.
#include <QApplication>

#include "gui/main_window.h"
#include "gui/qt_translations.h"
#include "gui/window_registry.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  varnello::InstallAppFont();
  varnello::InstallQtTranslations();
  QApplication::setQuitOnLastWindowClosed(false);

  varnello::WindowRegistry windows;
  QObject::connect(&windows, &varnello::WindowRegistry::quitRequested, &app, &QApplication::quit);
  windows.show(QStringLiteral("Form1"));
  return app.exec();
}
