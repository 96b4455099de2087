#include "gui/wrapping_menu_bar.h"

#include <QActionEvent>

namespace varnello {

WrappingMenuBar::WrappingMenuBar(QWidget* parent) : QMenuBar(parent) {
  setNativeMenuBar(false);
}

void WrappingMenuBar::measure() const {
  if (measured_) return;
  const QList<QAction*> all = actions();
  // One plain bar, never shown, measures a bar without entries (its margins), then holding every
  // entry: the bar's width and the height of a row, and the place of each entry. A bar lays out
  // every entry at its full width however narrow the bar is, so this one layout gives each entry's
  // width as it would take it alone in a bar: the bar's lead before its first entry, and the entry.
  // Each layout measures every entry's text anew, so the bar is laid out as few times as can be.
  QMenuBar bar;
  bar.setNativeMenuBar(false);
  bar.setFont(font());
  empty_ = bar.sizeHint().width();
  bar.addActions(all);
  const QSize whole = bar.sizeHint();
  whole_ = whole.width();
  rowHeight_ = whole.height();
  const int lead = all.isEmpty() ? 0 : bar.actionGeometry(all.first()).left();
  widths_.clear();
  for (QAction* action : all) widths_.push_back(lead + bar.actionGeometry(action).width());
  measured_ = true;
}

std::vector<QList<QAction*>> WrappingMenuBar::split(int width) const {
  measure();
  const QList<QAction*> all = actions();
  std::vector<QList<QAction*>> rows;
  int used = 0;
  for (qsizetype i = 0; i < all.size(); ++i) {
    int w = widths_[static_cast<size_t>(i)];
    // A row takes entries while they fit; its first entry goes in whatever its width.
    if (rows.empty() || used + w > width) {
      rows.emplace_back();
      used = empty_;
    }
    rows.back() << all[i];
    used += w;
  }
  return rows;
}

int WrappingMenuBar::rowHeight() const {
  measure();
  return rowHeight_;
}

int WrappingMenuBar::heightForWidth(int width) const {
  return rowHeight() * std::max<int>(1, static_cast<int>(split(width).size()));
}

QSize WrappingMenuBar::sizeHint() const {
  measure();
  return QSize(whole_, heightForWidth(width()));
}

QSize WrappingMenuBar::minimumSizeHint() const {
  return QSize(0, rowHeight());
}

void WrappingMenuBar::layoutRows() {
  auto rows = split(width());
  while (rows_.size() < rows.size()) {
    auto* row = new QMenuBar(this);
    row->setNativeMenuBar(false);
    // Opaque, so that what lies beneath (this bar's own extension button) is not drawn at all.
    row->setAutoFillBackground(true);
    rows_.push_back(row);
  }
  int h = rowHeight();
  for (size_t i = 0; i < rows_.size(); ++i) {
    QMenuBar* row = rows_[i];
    QList<QAction*> wanted = i < rows.size() ? rows[i] : QList<QAction*>();
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
  measured_ = false;
  updateGeometry();
  if (isVisible()) layoutRows();
}

void WrappingMenuBar::changeEvent(QEvent* event) {
  QMenuBar::changeEvent(event);
  // The entries' widths follow the font and the style: measured again, and the rows split anew.
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    measured_ = false;
    updateGeometry();
    if (isVisible()) layoutRows();
  }
}

void WrappingMenuBar::resizeEvent(QResizeEvent* event) {
  QMenuBar::resizeEvent(event);
  layoutRows();
}

void WrappingMenuBar::paintEvent(QPaintEvent*) {
  // The rows show the entries; this bar only holds them.
}

}  // namespace varnello
