#include "gui/category_window.h"

#include <QLabel>
#include <QPushButton>

#include "core/layout/layout.h"
#include "gui/qt_convert.h"

namespace varnello {

CategoryWindow::CategoryWindow(const CategoryDesc& desc, QWidget* parent) : QWidget(parent) {
  setWindowTitle(ToQString(desc.id.name()));
  setObjectName(ToQString(desc.id.name()));
  WindowLayout layout = LayoutCategory(desc);
  resize(ToPixels(layout.width), ToPixels(layout.height));
  setMinimumSize(ToPixels(layout.minWidth), ToPixels(layout.minHeight));
  std::vector<QWidget*> widgets;
  QFont bold = font();
  bold.setBold(true);
  for (const Control& c : layout.controls) {
    if (c.kind == ControlKind::Button) {
      auto* button = new QPushButton(ToQString(c.caption), this);
      button->setObjectName(ToQString(c.name));
      button->setAutoDefault(false);
      QString target = ToQString(c.opens.name());
      connect(button, &QPushButton::clicked, this, [this, target] { emit navigate(target); });
      button->setGeometry(ToPixels(c.rect));
      widgets.push_back(button);
    } else {
      auto* label = new QLabel(ToQString(c.caption), this);
      label->setObjectName(ToQString(c.name));
      if (c.kind == ControlKind::Section) label->setFont(bold);
      label->setGeometry(ToPixels(c.rect));
      widgets.push_back(label);
    }
  }
  ApplyTabOrder(layout, widgets);
}

}  // namespace varnello
