// Registration of GUI test classes, so each test file adds its own.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "gui/main_window.h"

namespace varnello::testing {

using GuiTestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<GuiTestFactory>& GuiTestClasses() {
  static std::vector<GuiTestFactory> classes;
  return classes;
}

// Closes the fault message boxes that presses have opened.
inline void CloseFaultBoxes() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* box = qobject_cast<QMessageBox*>(w); box != nullptr && box->isVisible()) box->close();
  }
}

template <typename T>
struct RegisterGuiTest {
  RegisterGuiTest() {
    GuiTestClasses().push_back([] { return std::make_unique<T>(); });
  }
};

}  // namespace varnello::testing
