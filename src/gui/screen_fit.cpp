#include "gui/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace varnello {

QSize RoomOnScreen(const QWidget* window) {
  const QWidget* anchor = window->parentWidget() != nullptr ? window->parentWidget() : window;
  QScreen* screen = anchor->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  // The frame is not known before the window is shown: room for a title bar and borders.
  constexpr int kFrameWidth = 16, kFrameHeight = 48;
  QSize room = screen->availableGeometry().size() - QSize(kFrameWidth, kFrameHeight);
  return room.expandedTo(QSize(1, 1));
}

void FitToScreen(QWidget* window, QSize wanted) {
  QSize room = RoomOnScreen(window);
  window->resize(room.isValid() ? wanted.boundedTo(room) : wanted);
}

}  // namespace varnello
