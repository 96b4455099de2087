// The mark beside each printed entry that does not balance.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "core/engine/working.h"
#include "core/entries/entries.h"

namespace varnello {

class OutputView;

// Marks, in `view`, the heading (or, without one, the first row) of each entry that does not
// balance among those of a press that printed from line `firstLine` on; `working` is that press's
// working, `captions` the window's field captions (for the likely cause, see UnbalancedNote). The
// last entry of a press that `faulted` is cut short by the fault, which is told otherwise: not marked.
void MarkUnbalancedEntries(OutputView& view, const std::vector<Entry>& entries, std::size_t firstLine,
                           const std::vector<WorkingLine>& working,
                           const std::map<int, std::string>& captions, bool faulted = false);

}  // namespace varnello
