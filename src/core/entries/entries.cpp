#include "core/entries/entries.h"

#include <cstdlib>

namespace varnello {

std::string PrintedLine::Render() const {
  std::string out = open + text;
  if (kind == Kind::Journal && amount) AppendAmount(out, *amount);
  return out;
}

PrintedLine& LineRecorder::Current() {
  if (!open_) lines_.emplace_back();
  return lines_.back();
}

void LineRecorder::PrintHeading(std::string_view text) {
  if (forward_ != nullptr) forward_->PrintHeading(text);
  PrintedLine& line = Current();
  line.kind = PrintedLine::Kind::Heading;
  line.text = text;
  open_ = false;
}

void LineRecorder::PrintJournalLine(std::string_view caption, std::optional<double> amount) {
  if (forward_ != nullptr) forward_->PrintJournalLine(caption, amount);
  PrintedLine& line = Current();
  line.kind = PrintedLine::Kind::Journal;
  line.text = caption;
  line.amount = amount;
  open_ = false;
}

void LineRecorder::PrintBlankLine() {
  if (forward_ != nullptr) forward_->PrintBlankLine();
  Current();
  open_ = false;
}

void LineRecorder::PrintOpenText(std::string_view text) {
  if (forward_ != nullptr) forward_->PrintOpenText(text);
  // Until something ends it, a line of open text alone reads as a heading.
  PrintedLine& line = Current();
  line.kind = PrintedLine::Kind::Heading;
  line.open += text;
  open_ = true;
}

void LineRecorder::ClearOutput() {
  if (forward_ != nullptr) forward_->ClearOutput();
  lines_.clear();
  open_ = false;
}

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Strips `suffix` from the end of `s` when it is there.
bool StripSuffix(std::string_view& s, std::string_view suffix) {
  if (!s.ends_with(suffix)) return false;
  s.remove_suffix(suffix.size());
  return true;
}

// Position of the sign slot when `line` ends in the shape of a formatted amount: sign slot
// (" " or "-"), digits with an optional fraction, an optional exponent, one trailing space.
std::size_t AmountStart(std::string_view line) {
  if (!line.ends_with(' ')) return std::string_view::npos;
  std::size_t i = line.size() - 1;
  auto digitsBefore = [&line](std::size_t end) {
    std::size_t start = end;
    while (start > 0 && IsDigit(line[start - 1])) --start;
    return start;
  };
  std::size_t start = digitsBefore(i);
  if (start == i) return std::string_view::npos;
  if (start >= 2 && (line[start - 1] == '+' || line[start - 1] == '-') && line[start - 2] == 'E') {
    i = start - 2;
    start = digitsBefore(i);
    if (start == i) return std::string_view::npos;
  }
  if (start >= 1 && line[start - 1] == '.') {
    i = start - 1;
    start = digitsBefore(i);
    if (start == i) return std::string_view::npos;
  }
  if (start == 0 || (line[start - 1] != ' ' && line[start - 1] != '-')) return std::string_view::npos;
  return start - 1;
}

}  // namespace

PrintedLine ParseLine(std::string_view line) {
  PrintedLine parsed;
  if (line.empty()) return parsed;
  std::size_t at = AmountStart(line);
  if (at != std::string_view::npos) {
    std::string number(line.substr(at));
    double amount = std::strtod(number.c_str(), nullptr);
    if (line.substr(at) == FormatAmount(amount)) {
      parsed.kind = PrintedLine::Kind::Journal;
      parsed.text = line.substr(0, at);
      parsed.amount = amount;
      return parsed;
    }
  }
  parsed.kind = SplitSide(line).side == Side::None ? PrintedLine::Kind::Heading : PrintedLine::Kind::Journal;
  parsed.text = line;
  return parsed;
}

SplitCaption SplitSide(std::string_view caption) {
  std::string_view rest = caption;
  if (!StripSuffix(rest, "）")) StripSuffix(rest, ")");
  Side side = Side::None;
  if (StripSuffix(rest, "借")) {
    side = Side::Debit;
  } else if (StripSuffix(rest, "贷")) {
    side = Side::Credit;
  }
  if (side == Side::None || !(StripSuffix(rest, "（") || StripSuffix(rest, "("))) {
    return {std::string(caption), Side::None, ""};
  }
  return {std::string(rest), side, std::string(caption.substr(rest.size()))};
}

std::vector<Entry> EntriesOf(const std::vector<PrintedLine>& lines) {
  std::vector<Entry> entries;
  bool inEntry = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const PrintedLine& line = lines[i];
    switch (line.kind) {
      case PrintedLine::Kind::Blank:
        inEntry = false;
        break;
      case PrintedLine::Kind::Heading:
        entries.push_back({line.open + line.text, i, {}});
        inEntry = true;
        break;
      case PrintedLine::Kind::Journal: {
        if (!line.open.empty()) {
          entries.push_back({line.open, i, {}});
        } else if (!inEntry) {
          entries.emplace_back();
        }
        inEntry = true;
        SplitCaption split = SplitSide(line.text);
        entries.back().rows.push_back({std::move(split.account), split.side, line.amount, line.text, i});
        break;
      }
    }
  }
  return entries;
}

std::vector<Entry> EntriesOf(const std::vector<std::string>& lines) {
  std::vector<PrintedLine> parsed;
  parsed.reserve(lines.size());
  for (const std::string& line : lines) parsed.push_back(ParseLine(line));
  return EntriesOf(parsed);
}

EntryPress PressEntries(const TopicDesc& desc, const std::vector<FieldText>& texts, bool explain) {
  LineRecorder out;
  EntryPress result{PressInto(desc, texts, out, explain)};
  result.printed = out.takeLines();
  result.lines.reserve(result.printed.size());
  for (const PrintedLine& line : result.printed) result.lines.push_back(line.Render());
  result.entries = EntriesOf(result.printed);
  return result;
}

std::string_view SideName(Side side) {
  switch (side) {
    case Side::Debit:
      return "debit";
    case Side::Credit:
      return "credit";
    case Side::None:
      break;
  }
  return "";
}

}  // namespace varnello
