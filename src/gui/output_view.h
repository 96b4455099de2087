// The output of a window: its printed lines as read-only text, one text line per printed line,
// never wrapped. The lines can be selected, copied and read by a screen reader; the newest line
// is brought into view after every press.
#pragma once

#include <QPlainTextEdit>
#include <utility>

#include "core/journal/journal.h"

class QMenu;

namespace varnello {

class OutputView : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit OutputView(QWidget* parent = nullptr);

  // Where a press prints. Call linesChanged() once the press is over.
  JournalSink& sink() { return buffer_; }
  const OutputBuffer& buffer() const { return buffer_; }
  // Shows what the press added (or continued, for open text) and brings the newest line into view.
  void linesChanged();
  // ClearOutput: no lines, print position back at the top-left corner.
  void clearOutput();

  // The printed line (index into buffer().lines()) at a position in the text, or at a point of
  // the viewport; -1 where there is none.
  int lineAtPosition(int position) const;
  int lineAt(const QPoint& viewportPoint) const;
  // The printed lines the selection touches, as [first, last]; {-1, -1} when nothing is selected.
  std::pair<int, int> selectedLines() const;

  // The context menu: Qt's own 复制 and 全选, then whatever the contextMenuAboutToShow handlers add.
  QMenu* createContextMenu(const QPoint& viewportPoint);

 signals:
  // While the context menu is built: `line` is the printed line under the mouse (or -1). Handlers
  // add their actions to `menu`, which is shown when they return.
  void contextMenuAboutToShow(QMenu* menu, int line);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  OutputBuffer buffer_;
  size_t shown_ = 0;  // lines of the buffer that the text shows
};

}  // namespace varnello
