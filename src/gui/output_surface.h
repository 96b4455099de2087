// The output surface of a window: the printed lines, kept and painted again whenever the window
// is repainted; scrollable when they run past the bottom, never wrapped.
#pragma once

#include <QAbstractScrollArea>

#include "core/journal/journal.h"

namespace varnello {

class OutputSurface : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit OutputSurface(QWidget* parent = nullptr);

  // Where a press prints. Call linesChanged() once the press is over.
  JournalSink& sink() { return buffer_; }
  const OutputBuffer& buffer() const { return buffer_; }
  // Updates the scroll range and brings the newest line into view.
  void linesChanged();
  // ClearOutput: no lines, print position back at the top-left corner.
  void clear();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void updateRange();
  OutputBuffer buffer_;
  // Width of the widest line measured so far, and how many lines were measured: a press only
  // measures the lines it added (and the last earlier one, which open text may have extended).
  int widest_ = 0;
  size_t measured_ = 0;
};

}  // namespace varnello
