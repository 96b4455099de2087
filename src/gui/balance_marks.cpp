#include "gui/balance_marks.h"

#include "core/entries/table.h"
#include "gui/output_view.h"
#include "gui/qt_convert.h"

namespace varnello {

void MarkUnbalancedEntries(OutputView& view, const std::map<int, std::string>& captions) {
  const EntryRecord& record = view.record();
  std::map<std::size_t, std::string> exprs;
  for (const WorkingLine& w : record.working()) exprs[w.line] = w.expr;
  std::vector<Entry> entries = EntriesOf(record);
  for (const Entry& e : entries) {
    if (record.fault() && &e == &entries.back()) break;
    if (e.rows.empty() || e.rows.front().line < record.pressStart() || BalanceOf(e).balanced) continue;
    std::size_t line = e.headingLine != kNoLine ? e.headingLine : e.rows.front().line;
    view.markLine(line, ToQString(UnbalancedNote(e, exprs, captions)));
  }
}

}  // namespace varnello
