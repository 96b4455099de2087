// Conversions between the core's plain types and Qt's, shared by every window class.
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <string_view>
#include <vector>

#include "core/layout/layout.h"

namespace varnello {

// Positions are designed in twips (1/1440 inch): 15 twips to a logical pixel. Qt scales
// logical pixels for high-DPI screens.
constexpr int kTwipsPerPixel = 15;

inline int ToPixels(int twips) {
  return twips / kTwipsPerPixel;
}
inline QRect ToPixels(const Rect& r) {
  return QRect(ToPixels(r.x), ToPixels(r.y), ToPixels(r.w), ToPixels(r.h));
}

inline QString ToQString(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline QString ToQString(WindowId id) {
  return ToQString(id.name());
}

// Sets the Tab order of a window's controls (`widgets[i]` shows `layout.controls[i]`), then of
// `after` where given; the first control of the order gets the focus when the window is shown.
inline void ApplyTabOrder(const WindowLayout& layout, const std::vector<QWidget*>& widgets,
                          QWidget* after = nullptr) {
  QWidget* previous = nullptr;
  for (size_t i : layout.tabOrder) {
    if (previous != nullptr) QWidget::setTabOrder(previous, widgets[i]);
    previous = widgets[i];
  }
  if (previous != nullptr && after != nullptr) QWidget::setTabOrder(previous, after);
  if (!layout.tabOrder.empty()) widgets[layout.tabOrder.front()]->setFocus();
}

}  // namespace varnello
