#include "gui/balance_marks.h"

#include "core/entries/table.h"
#include "gui/output_view.h"
#include "gui/qt_convert.h"

namespace varnello {

void MarkUnbalancedEntries(OutputView& view, const std::vector<Entry>& entries, std::size_t firstLine,
                           const std::vector<WorkingLine>& working,
                           const std::map<int, std::string>& captions, bool faulted) {
  std::map<std::size_t, std::string> exprs;
  for (const WorkingLine& w : working) exprs[firstLine + w.line] = w.expr;
  for (const Entry& e : entries) {
    if (faulted && &e == &entries.back()) break;
    if (e.rows.empty() || e.rows.front().line < firstLine || BalanceOf(e).balanced) continue;
    std::size_t line = e.headingLine != kNoLine ? e.headingLine : e.rows.front().line;
    view.markLine(line, ToQString(UnbalancedNote(e, exprs, captions)));
  }
}

}  // namespace varnello
