// Varnello: starts the main window; the program ends on the main window's 退出.
#include <QApplication>
#include <cstdio>

#include "core/tables/tables.h"
#include "gui/main_window.h"
#include "gui/window_registry.h"

int main(int argc, char** argv) {
  if (std::vector<std::string> problems = varnello::CheckWindowTables(); !problems.empty()) {
    for (const std::string& p : problems) std::fprintf(stderr, "varnello: window tables: %s\n", p.c_str());
    return 1;
  }
  QApplication app(argc, argv);
  varnello::InstallAppFont();
  QApplication::setQuitOnLastWindowClosed(false);

  varnello::WindowRegistry windows;
  QObject::connect(&windows, &varnello::WindowRegistry::quitRequested, &app, &QApplication::quit);
  windows.show(QStringLiteral("Form1"));
  return app.exec();
}
