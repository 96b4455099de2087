// The 关于 Varnello box: the program's name, version and purpose.
#pragma once

class QWidget;

namespace varnello {

// Makes the box reachable from a window without touching its menu bar: the F1 key and the
// window's right-click menu show it.
void AttachAboutBox(QWidget* window);

// Shows the box over the window; while one is open, it is raised instead of opening another.
QWidget* ShowAboutBox(QWidget* window);

}  // namespace varnello
