// GUI memory. Without arguments: opens all 125 windows (created on first use and kept, as in use)
// and reports the peak resident memory of the process. With --visit-and-return: shows every
// window in turn and goes back to the main window, as a user does, and reports the resident
// memory at the end, against the memory with the main window alone.
#include <QApplication>
#include <QFile>
#include <cstdio>
#include <cstring>

#include "core/catalogue/catalogue.h"
#include "gui/app_font.h"
#include "gui/main_window.h"
#include "gui/window_registry.h"

namespace {

QByteArray StatusField(const char* name) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return {};
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith(name)) return line.mid(static_cast<qsizetype>(qstrlen(name))).trimmed();
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  bool visitAndReturn = argc > 1 && std::strcmp(argv[1], "--visit-and-return") == 0;
  QApplication app(argc, argv);
  varnello::InstallAppFont();
  varnello::WindowRegistry windows;
  windows.show(QStringLiteral("Form1"));
  app.processEvents();
  QByteArray atStart = StatusField("VmRSS:");
  int opened = 0;
  for (const varnello::WindowEntry& entry : varnello::Windows()) {
    std::string_view name = entry.id.name();
    QWidget* w = windows.show(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    if (w == nullptr) continue;
    ++opened;
    app.processEvents();
    if (visitAndReturn && w != windows.mainWindow()) {
      w->hide();
      windows.show(QStringLiteral("Form1"));
      app.processEvents();
    }
  }
  if (visitAndReturn) {
    app.processEvents();
    std::printf(
        "windows visited: %d\nresident with the main window alone: %s\n"
        "resident after visiting every window and returning: %s\n",
        opened, atStart.constData(), StatusField("VmRSS:").constData());
  } else {
    std::printf("windows opened: %d\nresident at start: %s\npeak resident after opening all: %s\n", opened,
                atStart.constData(), StatusField("VmHWM:").constData());
  }
  return 0;
}
