// Windows sized from the screen they open on: no larger than its available area at any scale.
#pragma once

#include <QSize>

class QWidget;

namespace varnello {

// The room a top-level window may take on the screen it opens on (of its parent, else the
// primary one): the available area less room for the window frame.
QSize RoomOnScreen(const QWidget* window);
// Resizes a top-level window to `wanted`, or to the room on its screen where that is smaller.
void FitToScreen(QWidget* window, QSize wanted);

}  // namespace varnello
