// A menu bar whose entries take a second row (and more) when the window is too narrow for them
// on one, as menu bars of native windows do, instead of hiding them behind an extension button.
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

 protected:
  void actionEvent(QActionEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // The entries, split into rows that fit in `width`.
  std::vector<QList<QAction*>> split(int width) const;
  // Fills widths_, empty_, whole_ and rowHeight_ unless they are measured for the present entries
  // and font.
  void measure() const;
  int rowHeight() const;
  void layoutRows();
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
