#include "gui/wrapping_menu_bar.h"

#include <QAccessibleWidget>
#include <QActionEvent>
#include <QKeyEvent>
#include <QStyleOptionMenuItem>
#include <QStylePainter>
#include <climits>
#include <cstdlib>

namespace varnello {

namespace {

// A row of entries: a plain menu bar that also draws the keyboard highlight of its bar.
class MenuRow : public QMenuBar {
 public:
  explicit MenuRow(WrappingMenuBar* bar) : QMenuBar(bar), bar_(bar) {
    setNativeMenuBar(false);
    // Opaque, so that what lies beneath (the bar's own extension button) is not drawn at all.
    setAutoFillBackground(true);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QMenuBar::paintEvent(event);
    QAction* entry = bar_->keyboardEntry();
    if (entry == nullptr || !actions().contains(entry)) return;
    QStylePainter painter(this);
    QStyleOptionMenuItem option;
    initStyleOption(&option, entry);
    option.rect = actionGeometry(entry);
    // Selected and sunken: the look every style gives the entry a menu bar is working on.
    option.state |= QStyle::State_Selected | QStyle::State_Sunken | QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_MenuBarItem, option);
  }

 private:
  WrappingMenuBar* bar_;
};

// The bar as assistive tools see it: its rows (each a menu bar whose entries stand where they are
// drawn), not the holder's own one-row layout that is never shown.
class WrappingMenuBarAccessible : public QAccessibleWidget {
 public:
  explicit WrappingMenuBarAccessible(WrappingMenuBar* bar) : QAccessibleWidget(bar, QAccessible::MenuBar) {}

  int childCount() const override { return static_cast<int>(shownRows().size()); }
  QAccessibleInterface* child(int index) const override {
    std::vector<QMenuBar*> rows = shownRows();
    if (index < 0 || index >= static_cast<int>(rows.size())) return nullptr;
    return QAccessible::queryAccessibleInterface(rows[static_cast<size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    std::vector<QMenuBar*> rows = shownRows();
    for (size_t i = 0; i < rows.size(); ++i) {
      if (child != nullptr && child->object() == rows[i]) return static_cast<int>(i);
    }
    return -1;
  }

 private:
  std::vector<QMenuBar*> shownRows() const {
    std::vector<QMenuBar*> shown;
    for (QMenuBar* row : static_cast<WrappingMenuBar*>(widget())->rows()) {
      if (row->isVisible()) shown.push_back(row);
    }
    return shown;
  }
};

QAccessibleInterface* AccessibleBar(const QString&, QObject* object) {
  if (auto* bar = qobject_cast<WrappingMenuBar*>(object)) return new WrappingMenuBarAccessible(bar);
  return nullptr;
}

// The mnemonic of an entry's caption ("&C" in "复制(&C)"), upper-cased; null when it has none.
QChar Mnemonic(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toUpper();
    ++i;  // "&&" is a plain ampersand
  }
  return {};
}

}  // namespace

WrappingMenuBar::WrappingMenuBar(QWidget* parent) : QMenuBar(parent) {
  setNativeMenuBar(false);
  static const bool installed = [] {
    QAccessible::installFactory(AccessibleBar);
    return true;
  }();
  (void)installed;
  // The keyboard highlight follows the bar's current entry, drawn by the row that holds it.
  connect(this, &QMenuBar::hovered, this, [this] { updateRows(); });
}

QAction* WrappingMenuBar::keyboardEntry() const {
  return hasFocus() ? activeAction() : nullptr;
}

void WrappingMenuBar::updateRows() {
  for (QMenuBar* row : rows_) row->update();
}

QAction* WrappingMenuBar::neighbour(QAction* from, int key) const {
  std::vector<QList<QAction*>> rows = split(width());
  size_t r = 0;
  qsizetype i = -1;
  for (; r < rows.size(); ++r) {
    i = rows[r].indexOf(from);
    if (i >= 0) break;
  }
  if (i < 0) return nullptr;
  if (key == Qt::Key_Left || key == Qt::Key_Right) {
    // Along the entries in reading order, from the end of one row to the start of the next, and
    // round from the last entry to the first.
    const QList<QAction*> all = actions();
    qsizetype n = all.size(), at = all.indexOf(from);
    return all[(at + (key == Qt::Key_Right ? 1 : n - 1)) % n];
  }
  // Up and down: to the entry of the row above or below that stands nearest across, round from
  // the last row to the first.
  size_t target = (r + (key == Qt::Key_Down ? 1 : rows.size() - 1)) % rows.size();
  if (target >= rows_.size()) return from;
  int x = rows_[r]->actionGeometry(from).center().x();
  QAction* best = from;
  int distance = INT_MAX;
  for (QAction* a : rows[target]) {
    int d = std::abs(rows_[target]->actionGeometry(a).center().x() - x);
    if (d < distance) {
      best = a;
      distance = d;
    }
  }
  return best;
}

void WrappingMenuBar::leaveKeyboard(QAction* action) {
  // Escape, as the bar itself takes it, ends keyboard use and gives the focus back.
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QMenuBar::keyPressEvent(&escape);
  updateRows();
  if (action != nullptr) action->activate(QAction::Trigger);
}

void WrappingMenuBar::keyPressEvent(QKeyEvent* event) {
  QAction* current = activeAction();
  const int key = event->key();
  if (current != nullptr &&
      (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down)) {
    if (QAction* next = neighbour(current, key)) setActiveAction(next);
    updateRows();
    event->accept();
    return;
  }
  if (current != nullptr && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
    leaveKeyboard(current);
    event->accept();
    return;
  }
  // An entry's mnemonic, typed while the bar is in use, chooses that entry.
  const QString text = event->text();
  if (hasFocus() && text.size() == 1 && text[0].isPrint() &&
      (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) == 0) {
    const QChar typed = text[0].toUpper();
    for (QAction* a : actions()) {
      if (a->isEnabled() && a->isVisible() && Mnemonic(a->text()) == typed) {
        setActiveAction(a);
        leaveKeyboard(a);
        event->accept();
        return;
      }
    }
  }
  QMenuBar::keyPressEvent(event);
  updateRows();
}

void WrappingMenuBar::focusInEvent(QFocusEvent* event) {
  QMenuBar::focusInEvent(event);
  updateRows();
}

void WrappingMenuBar::focusOutEvent(QFocusEvent* event) {
  QMenuBar::focusOutEvent(event);
  updateRows();
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
  while (rows_.size() < rows.size()) rows_.push_back(new MenuRow(this));
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
