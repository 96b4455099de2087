// Varnello: starts the main window; the program ends on the main window's 退出.
#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "core/tables/tables.h"
#include "gui/app_font.h"
#include "gui/keyword_completer.h"
#include "gui/main_window.h"
#include "gui/qt_translations.h"
#include "gui/window_registry.h"

namespace {

// Runs work once the main window's first frame is painted and the events then pending are
// handled: what that frame does not need waits until the user sees the window.
class AfterFirstPaint : public QObject {
 public:
  explicit AfterFirstPaint(std::function<void()> work) {
    idle_.setSingleShot(true);
    idle_.setInterval(0);
    connect(&idle_, &QTimer::timeout, this, std::move(work));
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      idle_.start();
    }
    return false;
  }

 private:
  QTimer idle_;
};

// For start-up measurements (VARNELLO_EXIT_AFTER_PAINT set): quits once the main window's first
// frame has been painted.
class QuitAfterPaint : public QObject {
 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QApplication::quit);
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (std::vector<std::string> problems = varnello::CheckWindowTables(); !problems.empty()) {
    for (const std::string& p : problems) std::fprintf(stderr, "varnello: window tables: %s\n", p.c_str());
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationVersion(QStringLiteral(VARNELLO_VERSION));
  // Desktops match the running program to its menu entry and icon by these names.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.varnello.Varnello"));
  varnello::InstallAppFont();
  varnello::InstallQtTranslations();
  QApplication::setQuitOnLastWindowClosed(false);

  varnello::WindowRegistry windows;
  QObject::connect(&windows, &varnello::WindowRegistry::quitRequested, &app, &QApplication::quit);
  // Left until the main window is first painted: the suggestions' list and the keyword index,
  // ready before the user's first keystroke; and the icon, whose lookup in the icon theme and
  // handing every size of it to the window manager take longer than building the main window.
  // The main window gets the icon right after it shows; windows opened later have it from the
  // start.
  AfterFirstPaint rest([&windows] {
    windows.mainWindow()->keywordCompleter()->prepare();
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.varnello.Varnello")));
  });
  windows.mainWindow()->installEventFilter(&rest);
  QuitAfterPaint quitAfterPaint;
  if (qEnvironmentVariableIsSet("VARNELLO_EXIT_AFTER_PAINT"))
    windows.mainWindow()->installEventFilter(&quitAfterPaint);
  windows.show(QStringLiteral("Form1"));
  return app.exec();
}
