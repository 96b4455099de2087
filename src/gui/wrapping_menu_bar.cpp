#include "gui/wrapping_menu_bar.h"

#include <QActionEvent>

namespace varnello {

namespace {

// Width of a menu bar showing just these actions.
int BarWidth(const QList<QAction*>& actions, const QFont& font) {
  QMenuBar bar;
  bar.setNativeMenuBar(false);
  bar.setFont(font);
  bar.addActions(actions);
  return bar.sizeHint().width();
}

}  // namespace

WrappingMenuBar::WrappingMenuBar(QWidget* parent) : QMenuBar(parent) {
  setNativeMenuBar(false);
}

std::vector<std::vector<QAction*>> WrappingMenuBar::split(int width) const {
  QList<QAction*> all = actions();
  if (widths_.size() != static_cast<size_t>(all.size())) {
    widths_.clear();
    empty_ = BarWidth({}, font());
    for (QAction* action : all) widths_.push_back(BarWidth({action}, font()) - empty_);
  }
  std::vector<std::vector<QAction*>> rows;
  QList<QAction*> row;
  int used = empty_;
  for (qsizetype i = 0; i < all.size(); ++i) {
    int w = widths_[static_cast<size_t>(i)];
    if (!row.isEmpty() && used + w > width) {
      rows.emplace_back(row.begin(), row.end());
      row.clear();
      used = empty_;
    }
    row << all[i];
    used += w;
  }
  if (!row.isEmpty()) rows.emplace_back(row.begin(), row.end());
  return rows;
}

int WrappingMenuBar::rowHeight() const {
  return QMenuBar::sizeHint().height();
}

int WrappingMenuBar::heightForWidth(int width) const {
  return rowHeight() * std::max<int>(1, static_cast<int>(split(width).size()));
}

QSize WrappingMenuBar::sizeHint() const {
  return QSize(BarWidth(actions(), font()), heightForWidth(width()));
}

QSize WrappingMenuBar::minimumSizeHint() const {
  return QSize(0, rowHeight());
}

void WrappingMenuBar::layoutRows() {
  auto rows = split(width());
  while (rows_.size() < rows.size()) {
    auto* row = new QMenuBar(this);
    row->setNativeMenuBar(false);
    rows_.push_back(row);
  }
  int h = rowHeight();
  for (size_t i = 0; i < rows_.size(); ++i) {
    QMenuBar* row = rows_[i];
    QList<QAction*> wanted =
        i < rows.size() ? QList<QAction*>(rows[i].begin(), rows[i].end()) : QList<QAction*>();
    if (row->actions() != wanted) {
      row->clear();
      row->addActions(wanted);
    }
    row->setGeometry(0, static_cast<int>(i) * h, width(), h);
    row->setVisible(!wanted.isEmpty());
    row->raise();
  }
}

void WrappingMenuBar::actionEvent(QActionEvent* event) {
  QMenuBar::actionEvent(event);
  widths_.clear();
  updateGeometry();
  if (isVisible()) layoutRows();
}

void WrappingMenuBar::resizeEvent(QResizeEvent* event) {
  QMenuBar::resizeEvent(event);
  layoutRows();
}

void WrappingMenuBar::paintEvent(QPaintEvent*) {
  // The rows show the entries; this bar only holds them.
}

}  // namespace varnello
