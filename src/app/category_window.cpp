#include "app/category_window.h"

#include <QLabel>
#include <QPushButton>

#include "app/layout.h"

namespace varnello {

namespace {
QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
QRect Pixels(const Rect& r) {
  return QRect(r.x / 15, r.y / 15, r.w / 15, r.h / 15);
}
}  // namespace

CategoryWindow::CategoryWindow(const CategoryDesc& desc, QWidget* parent) : QWidget(parent) {
  setWindowTitle(Q(desc.name));
  setObjectName(Q(desc.name));
  WindowLayout layout = LayoutCategory(desc);
  resize(layout.width / 15, layout.height / 15);
  QFont bold = font();
  bold.setBold(true);
  for (const Control& c : layout.controls) {
    if (c.kind == ControlKind::Button) {
      auto* button = new QPushButton(Q(c.caption), this);
      button->setObjectName(Q(c.name));
      button->setAutoDefault(false);
      QString target = Q(c.opens);
      connect(button, &QPushButton::clicked, this, [this, target] { emit navigate(target, true); });
      button->setGeometry(Pixels(c.rect));
    } else {
      auto* label = new QLabel(Q(c.caption), this);
      label->setObjectName(Q(c.name));
      // Column headings are bold; the descriptions beside buttons are plain.
      bool heading = true;
      for (const CategoryLabel& l : desc.labels) {
        if (l.name == c.name) heading = l.beside < 0;
      }
      if (heading) label->setFont(bold);
      label->setGeometry(Pixels(c.rect));
    }
  }
}

}  // namespace varnello
