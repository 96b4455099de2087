// Varnello: starts the main window; the program ends on the main window's 退出.
#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QIconEngine>
#include <QProxyStyle>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "core/catalogue/catalogue.h"
#include "gui/app_font.h"
#include "gui/keyword_completer.h"
#include "gui/main_window.h"
#include "gui/qt_convert.h"
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

// The icon of a menu bar's extension button, read from the style's image files only when first
// drawn.
class ExtensionIcon : public QIconEngine {
 public:
  explicit ExtensionIcon(const QStyle* style) : style_(style) {}
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    return icon().pixmap(size / scale, scale, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return icon().availableSizes(mode, state);
  }
  QIconEngine* clone() const override { return new ExtensionIcon(style_); }
  QString key() const override { return QStringLiteral("ExtensionIcon"); }

 private:
  const QIcon& icon() {
    if (!read_) icon_ = style_->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    read_ = true;
    return icon_;
  }
  const QStyle* style_;
  QIcon icon_;
  bool read_ = false;
};

// The application's style as it is (tooltips aside), but every menu bar makes an extension button, whose icon
// the style reads from image files (loading Qt's image format plugins for the first); the program's menu rows
// never show theirs, so its icon is read only if one is ever drawn.
class AppStyle : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override {
    if (which == SP_ToolBarHorizontalExtensionButton && option == nullptr)
      return QIcon(new ExtensionIcon(baseStyle()));
    return QProxyStyle::standardIcon(which, option, widget);
  }
  // Tooltips (the working of an amount line, several lines of it) keep their text a few pixels
  // clear of their border.
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    int value = QProxyStyle::pixelMetric(metric, option, widget);
    return metric == PM_ToolTipLabelFrameWidth ? value + 4 : value;
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
  QApplication::setStyle(new AppStyle);
  varnello::InstallAppFont();
  varnello::InstallAppLook();
  varnello::InstallQtTranslations();
  QApplication::setQuitOnLastWindowClosed(false);

  varnello::WindowRegistry windows;
  windows.setFitToScreen(true);
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
  // For start-up measurements (VARNELLO_EXIT_AFTER_PAINT set): quits once the main window's first
  // frame has been painted. The work left until after that paint is not part of the measurement,
  // so it is not set up (its timer would fire in the same turn of the event loop as the quit).
  AfterFirstPaint quit([] { QApplication::quit(); });
  windows.mainWindow()->installEventFilter(qEnvironmentVariableIsSet("VARNELLO_EXIT_AFTER_PAINT") ? &quit
                                                                                                  : &rest);
  windows.show(varnello::ToQString(varnello::kMainWindow));
  return app.exec();
}
