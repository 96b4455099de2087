// The mark beside each printed entry that does not balance.
#pragma once

#include <map>
#include <string>

namespace varnello {

class OutputView;

// Marks, in `view`, the heading (or, without one, the first row) of each entry that does not
// balance among those of the last press of its record; `captions` are the window's field captions
// (for the likely cause, see UnbalancedNote). The last entry of a press that faulted is cut short
// by the fault, which is told otherwise: not marked.
void MarkUnbalancedEntries(OutputView& view, const std::map<int, std::string>& captions);

}  // namespace varnello
