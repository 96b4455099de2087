// The one window class of all category windows, built from a category table.
#pragma once

#include <QWidget>

#include "core/catalogue/catalogue.h"

namespace varnello {

class CategoryWindow : public QWidget {
  Q_OBJECT
 public:
  explicit CategoryWindow(const CategoryDesc& desc, QWidget* parent = nullptr);

 signals:
  // A button asks to hide this window and show another.
  void navigate(const QString& window);
};

}  // namespace varnello
