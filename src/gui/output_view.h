// The output of a window: its printed lines as read-only text, one text line per printed line,
// never wrapped. The lines can be selected, copied and read by a screen reader; after every press
// its first line is brought to the top of the view, and a rule sets it apart from the lines before.
#pragma once

#include <QPlainTextEdit>
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "core/entries/entries.h"

class QMenu;

namespace varnello {

class OutputView : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit OutputView(QWidget* parent = nullptr);
  ~OutputView() override;

  // The record of what the presses printed, that the view shows: a press appends to it (PressInto);
  // call linesChanged() once the press is over.
  EntryRecord& record() { return record_; }
  const EntryRecord& record() const { return record_; }
  // Shows what the press added (or continued, for open text) and brings its first line into view.
  void linesChanged();
  // The printed lines that start a press after earlier lines (each set apart by a rule).
  const std::set<size_t>& pressStarts() const { return pressStarts_; }
  // Scrolls the printed line to the top of the view (as far as the lines below it reach).
  void scrollToLine(size_t line);
  // ClearOutput: no lines, print position back at the top-left corner.
  void clearOutput();

  // The printed line (index into record().lines()) at a position in the text, or at a point of
  // the viewport; -1 where there is none.
  int lineAtPosition(int position) const;
  int lineAt(const QPoint& viewportPoint) const;
  // The printed lines the selection touches, as [first, last]; {-1, -1} when nothing is selected.
  std::pair<int, int> selectedLines() const;

  // The working of a printed line (from the record; hovering the line shows it), empty when it
  // has none.
  QString workingOf(int line) const;
  // The amount a printed line shows, in capital numerals (from the amount as computed when the
  // line has its working); none when it shows no amount or they cannot write it exactly.
  std::optional<QString> capitalOf(int line) const;
  // Why capitalOf has none for a line that shows an amount; empty otherwise.
  QString capitalRefusalOf(int line) const;
  // What hovering a printed line shows: its working, when it has one, then its amount in capital
  // numerals; empty when it has neither.
  QString toolTipOf(int line) const;
  // 显示算式: every output view shows the working of each amount line under it, muted and
  // indented (and then copied with the lines); remembered for the run.
  static void setWorkingShown(bool shown);
  static bool workingShown();

  // Marks a printed line (the heading of an entry that does not balance) with a warning sign drawn
  // after its text, not part of it; hovering the line shows `note` first. Cleared with the output.
  void markLine(size_t line, const QString& note);
  // The note of a marked line; empty when it has none.
  QString markOf(int line) const;

  // The context menu: Qt's own 复制 and 全选, 显示算式, then whatever the contextMenuAboutToShow
  // handlers add.
  QMenu* createContextMenu(const QPoint& viewportPoint);

 signals:
  // While the context menu is built: `line` is the printed line under the mouse (or -1). Handlers
  // add their actions to `menu`, which is shown when they return.
  void contextMenuAboutToShow(QMenu* menu, int line);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // Shows the lines again from the record, with or without the working.
  void rebuild();
  // Shows the lines of the record not shown yet; `pressed`: they are a press's, to be set apart
  // and brought into view.
  void showLines(bool pressed);
  void markPressEnds();
  // The amount a line printed, as computed, when its working has it.
  std::optional<double> computedOf(int line) const;
  QTextBlock blockOfLine(size_t line) const;

  EntryRecord record_;
  std::map<size_t, QString> marks_;  // by printed line
  std::set<size_t> pressStarts_;
  size_t shown_ = 0;  // lines of the record that the text shows
};

// Ctrl+I in `window`: the explanation of the focused output line or field (its tooltip), shown
// in the explanation panel.
void AttachExplanationKey(QWidget* window);

}  // namespace varnello
