// Opens all 125 windows (created on first use and kept, as in use) and reports the peak
// resident memory of the process.
#include <QApplication>
#include <QFile>
#include <cstdio>

#include "core/tables/tables.h"
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
  QApplication app(argc, argv);
  varnello::InstallAppFont();
  varnello::WindowRegistry windows;
  windows.show(QStringLiteral("Form1"));
  app.processEvents();
  QByteArray atStart = StatusField("VmRSS:");
  int opened = 0;
  for (varnello::WindowId id : varnello::AllWindows()) {
    if (windows.show(QString::fromUtf8(id.name().data(), static_cast<qsizetype>(id.name().size()))) !=
        nullptr)
      ++opened;
    app.processEvents();
  }
  std::printf("windows opened: %d\nresident at start: %s\npeak resident after opening all: %s\n", opened,
              atStart.constData(), StatusField("VmHWM:").constData());
  return 0;
}
