// Varnello: starts the main window; the program ends on the main window's 退出.
#include <QApplication>
#include <QIcon>

#include "gui/main_window.h"
#include "gui/window_registry.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationVersion(QStringLiteral(VARNELLO_VERSION));
  // Desktops match the running program to its menu entry and icon by these names.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.varnello.Varnello"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.varnello.Varnello")));
  varnello::InstallAppFont();
  QApplication::setQuitOnLastWindowClosed(false);

  varnello::WindowRegistry windows;
  QObject::connect(&windows, &varnello::WindowRegistry::quitRequested, &app, &QApplication::quit);
  windows.show(QStringLiteral("Form1"));
  return app.exec();
}
