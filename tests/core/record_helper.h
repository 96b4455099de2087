// Records made from given printed lines, for tests of what is rendered from a record.
#pragma once

#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "core/entries/entries.h"

namespace varnello::testing {

// A printed line as a test writes it: "" a blank line; text ending in an amount as FormatAmount
// gives it ("资本公积 7800 ") a journal line; text with a side marker alone a journal line whose
// figure was empty; any other text a heading. A journal line's caption is booked as the posting
// it reads as: the side its marker states, in the marker's form.
inline std::vector<std::string>& LinesToPrint() {
  static std::vector<std::string> lines;
  return lines;
}

inline void PrintCaption(Press& p, std::string_view caption, LineAmount amount) {
  CaptionSide split = FindSide(caption);
  for (SideMark mark : {SideMark::Full, SideMark::Half, SideMark::HalfClose, SideMark::Unclosed}) {
    if (split.side != Side::None && caption.substr(split.account) == SideMarkText(split.side, mark)) {
      p.Post(split.side, caption.substr(0, split.account), amount, mark);
      return;
    }
  }
  p.Line(caption, amount);
}

inline void PrintGivenLines(Press& p) {
  for (const std::string& line : LinesToPrint()) {
    if (line.empty()) {
      p.Blank();
      continue;
    }
    std::size_t space =
        line.size() >= 2 && line.back() == ' ' ? line.rfind(' ', line.size() - 2) : std::string::npos;
    if (space != std::string::npos) {
      std::string number = line.substr(space + 1, line.size() - space - 2);
      char* end = nullptr;
      double amount = std::strtod(number.c_str(), &end);
      if (!number.empty() && *end == '\0') {
        PrintCaption(p, std::string_view(line).substr(0, space), Figure(amount));
        continue;
      }
    }
    if (FindSide(line).side != Side::None) {
      PrintCaption(p, line, FigureHolder());
    } else {
      p.Heading(line);
    }
  }
}

// A record of one press that printed `lines`.
inline EntryRecord RecordOf(std::initializer_list<const char*> lines) {
  LinesToPrint().assign(lines.begin(), lines.end());
  TopicDesc desc{*WindowId::Parse("Form6"), 0, 0, {}, &PrintGivenLines};
  return PressOnce(desc, {});
}

// A press's fault, entries and lines, for tests that look at these alone.
struct PressedEntries {
  std::optional<FaultKind> fault;
  std::vector<Entry> entries;
  TextLines lines;
};
inline PressedEntries PressEntries(const TopicDesc& desc, std::span<const FieldText> texts) {
  EntryRecord record = PressOnce(desc, texts);
  return {record.fault(), EntriesOf(record), record.lines()};
}

}  // namespace varnello::testing
