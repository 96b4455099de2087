// A menu bar whose entries take a second row (and more) when the window is too narrow for them
// on one, as menu bars of native windows do, instead of hiding them behind an extension button.
// From the keyboard (Alt, then the arrow keys, Enter or an entry's mnemonic) a highlight moves
// over the entries as the rows show them; assistive tools see the rows and their entries where
// they are drawn.
#pragma once

#include <QMenuBar>
#include <vector>

namespace varnello {

class WrappingMenuBar : public QMenuBar {
  Q_OBJECT
 public:
  explicit WrappingMenuBar(QWidget* parent = nullptr);

  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  // The rows as shown: plain menu bars holding this bar's actions.
  const std::vector<QMenuBar*>& rows() const { return rows_; }
  // The entry the keyboard highlight stands on; null when the bar is not used from the keyboard.
  QAction* keyboardEntry() const;

 protected:
  void actionEvent(QActionEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // The entries, split into rows that fit in `width`.
  std::vector<QList<QAction*>> split(int width) const;
  // Fills widths_, empty_, whole_ and rowHeight_ unless they are measured for the present entries
  // and font.
  void measure() const;
  int rowHeight() const;
  void layoutRows();
  // The entry an arrow key moves the highlight to from `from`, as the rows stand.
  QAction* neighbour(QAction* from, int key) const;
  // Leaves keyboard use, giving the focus back, and then triggers `action` (when given).
  void leaveKeyboard(QAction* action);
  void updateRows();
  std::vector<QMenuBar*> rows_;
  // Width each entry takes in a row, of a row without entries (its margins) and of one plain bar
  // holding every entry, and the height of a row.
  mutable std::vector<int> widths_;
  mutable int empty_ = 0;
  mutable int whole_ = 0;
  mutable int rowHeight_ = 0;
  mutable bool measured_ = false;
};

}  // namespace varnello
