#include "core/entries/entries.h"

#include <cfloat>
#include <charconv>
#include <cmath>
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
    // Read without the C locale's say: a printed amount always has a '.' as its decimal point.
    std::string_view number = line.substr(at);
    if (number.front() == ' ') number.remove_prefix(1);
    double amount = 0;
    std::from_chars(number.data(), number.data() + number.size(), amount);
    if (line.substr(at) == FormatAmount(amount)) {
      parsed.kind = PrintedLine::Kind::Journal;
      parsed.text = line.substr(0, at);
      parsed.amount = amount;
      return parsed;
    }
  }
  parsed.kind = FindSide(line).side == Side::None ? PrintedLine::Kind::Heading : PrintedLine::Kind::Journal;
  parsed.text = line;
  return parsed;
}

CaptionSide FindSide(std::string_view caption) {
  std::string_view rest = caption;
  if (!StripSuffix(rest, "）")) StripSuffix(rest, ")");
  Side side = Side::None;
  if (StripSuffix(rest, "借")) {
    side = Side::Debit;
  } else if (StripSuffix(rest, "贷")) {
    side = Side::Credit;
  }
  if (side == Side::None || !(StripSuffix(rest, "（") || StripSuffix(rest, "(")))
    return {caption.size(), Side::None};
  return {rest.size(), side};
}

SplitCaption SplitSide(std::string_view caption) {
  CaptionSide split = FindSide(caption);
  return {std::string(caption.substr(0, split.account)), split.side,
          std::string(caption.substr(split.account))};
}

namespace {

// Groups printed lines into entries (see Entry), the one reading of both forms of lines: calls
// openEntry(i) when line i opens an entry (kNoLine for an entry without a heading) and addRow(i)
// for each journal line, in line order.
template <class KindOf, class HasOpen, class OpenEntry, class AddRow>
void GroupEntries(std::size_t count, KindOf kindOf, HasOpen hasOpen, OpenEntry openEntry, AddRow addRow) {
  bool inEntry = false;
  for (std::size_t i = 0; i < count; ++i) {
    switch (kindOf(i)) {
      case PrintedLine::Kind::Blank:
        inEntry = false;
        break;
      case PrintedLine::Kind::Heading:
        openEntry(i);
        inEntry = true;
        break;
      case PrintedLine::Kind::Journal:
        if (hasOpen(i)) {
          openEntry(i);
        } else if (!inEntry) {
          openEntry(kNoLine);
        }
        inEntry = true;
        addRow(i);
        break;
    }
  }
}

}  // namespace

bool IsBalanceLine(std::string_view account) {
  return account == "未分配利润总";
}

bool Agrees(double debit, double credit, double magnitude, std::size_t terms) {
  // Half a 分, widened by the worst rounding of `terms` additions of amounts of that size.
  double slack = magnitude * static_cast<double>(terms) * DBL_EPSILON;
  return std::fabs(debit - credit) < 0.005 + slack;
}

namespace {

// An entry's row as its balance sees it.
struct RowRef {
  Side side;
  bool balanceLine;
  std::optional<double> amount;
};

struct Sums {
  double debit = 0;
  double credit = 0;
  double magnitude = 0;
  std::size_t terms = 0;
  void add(Side side, double amount) {
    if (side == Side::Debit) debit += amount;
    if (side == Side::Credit) credit += amount;
    magnitude += std::fabs(amount);
    ++terms;
  }
  bool agree() const { return Agrees(debit, credit, magnitude, terms); }
};

Sums SumsOf(std::span<const RowRef> rows) {
  Sums sums;
  for (const RowRef& r : rows) {
    if (r.side != Side::None && !r.balanceLine && r.amount) sums.add(r.side, *r.amount);
  }
  return sums;
}

// A row without a side gets one when its entry does not balance without it and balances with it
// on one side only, and no other row without a side could balance the entry instead: that is
// the side its printed caption leaves out ("资本公积" after "长期股权投资（借）" of the same amount
// is a credit). Returns the row's index and side; {rows.size(), None} when no row gets one.
std::pair<std::size_t, Side> InferredSide(std::span<const RowRef> rows) {
  Sums sums = SumsOf(rows);
  std::pair<std::size_t, Side> found{rows.size(), Side::None};
  if (sums.agree()) return found;
  int ways = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const RowRef& r = rows[i];
    if (r.side != Side::None || r.balanceLine || !r.amount) continue;
    for (Side side : {Side::Debit, Side::Credit}) {
      Sums with = sums;
      with.add(side, *r.amount);
      if (with.agree()) {
        ++ways;
        found = {i, side};
      }
    }
  }
  return ways == 1 ? found : std::pair<std::size_t, Side>{rows.size(), Side::None};
}

EntryBalance BalanceOfRows(std::span<const RowRef> rows) {
  Sums sums = SumsOf(rows);
  return {sums.debit, sums.credit, sums.agree()};
}

std::vector<RowRef> RefsOf(const std::vector<EntryRow>& rows) {
  std::vector<RowRef> refs;
  refs.reserve(rows.size());
  for (const EntryRow& r : rows) refs.push_back({r.side, r.balanceLine, r.amount});
  return refs;
}

void InferSides(std::vector<EntryRow>& rows) {
  auto [i, side] = InferredSide(RefsOf(rows));
  if (i == rows.size()) return;
  rows[i].side = side;
  rows[i].sideInferred = true;
}

}  // namespace

EntryBalance BalanceOf(const Entry& entry) {
  return BalanceOfRows(RefsOf(entry.rows));
}

std::vector<Entry> EntriesOf(const std::vector<PrintedLine>& lines) {
  std::vector<Entry> entries;
  GroupEntries(
      lines.size(), [&](std::size_t i) { return lines[i].kind; },
      [&](std::size_t i) { return !lines[i].open.empty(); },
      [&](std::size_t i) {
        if (i == kNoLine) {
          entries.emplace_back();
        } else if (lines[i].kind == PrintedLine::Kind::Heading) {
          entries.push_back({lines[i].open + lines[i].text, i, {}});
        } else {
          entries.push_back({lines[i].open, i, {}});
        }
      },
      [&](std::size_t i) {
        SplitCaption split = SplitSide(lines[i].text);
        bool balance = IsBalanceLine(split.account);
        entries.back().rows.push_back(
            {std::move(split.account), split.side, lines[i].amount, lines[i].text, i, false, balance});
      });
  for (Entry& e : entries) InferSides(e.rows);
  return entries;
}

std::vector<Entry> EntriesOf(const std::vector<std::string>& lines) {
  std::vector<PrintedLine> parsed;
  parsed.reserve(lines.size());
  for (const std::string& line : lines) parsed.push_back(ParseLine(line));
  return EntriesOf(parsed);
}

EntryRecord::Line& EntryRecord::Current() {
  if (lines_.size() < text_.lines().size()) lines_.emplace_back();
  return lines_.back();
}

void EntryRecord::PrintHeading(std::string_view text) {
  text_.PrintHeading(text);
  Line& line = Current();
  line.kind = PrintedLine::Kind::Heading;
  line.text = text.size();
}

void EntryRecord::PrintJournalLine(std::string_view caption, std::optional<double> amount) {
  text_.PrintJournalLine(caption, amount);
  Line& line = Current();
  line.kind = PrintedLine::Kind::Journal;
  line.text = caption.size();
  line.amount = amount;
}

void EntryRecord::PrintBlankLine() {
  text_.PrintBlankLine();
  Current();
}

void EntryRecord::PrintOpenText(std::string_view text) {
  text_.PrintOpenText(text);
  // Until something ends it, a line of open text alone reads as a heading.
  Line& line = Current();
  line.kind = PrintedLine::Kind::Heading;
  line.open += text.size();
}

void EntryRecord::ClearOutput() {
  text_.ClearOutput();
  lines_.clear();
  entries_.clear();
  rows_.clear();
}

void EntryRecord::finish() {
  entries_.clear();
  rows_.clear();
  GroupEntries(
      lines_.size(), [this](std::size_t i) { return lines_[i].kind; },
      [this](std::size_t i) { return lines_[i].open > 0; },
      [this](std::size_t i) {
        std::size_t heading = 0;
        if (i != kNoLine) {
          heading = lines_[i].open + (lines_[i].kind == PrintedLine::Kind::Heading ? lines_[i].text : 0);
        }
        entries_.push_back({i, heading, rows_.size(), rows_.size()});
      },
      [this](std::size_t i) {
        std::string_view caption = text_.lines()[i].substr(lines_[i].open, lines_[i].text);
        CaptionSide split = FindSide(caption);
        rows_.push_back(
            {i, split.account, split.side, false, IsBalanceLine(caption.substr(0, split.account))});
        entries_.back().endRow = rows_.size();
      });
  std::vector<RowRef> refs;
  for (const EntryAt& e : entries_) {
    refs.clear();
    for (std::size_t r = e.firstRow; r < e.endRow; ++r)
      refs.push_back({rows_[r].side, rows_[r].balanceLine, amount(rows_[r])});
    auto [i, side] = InferredSide(refs);
    if (i == refs.size()) continue;
    rows_[e.firstRow + i].side = side;
    rows_[e.firstRow + i].sideInferred = true;
  }
}

EntryBalance EntryRecord::balance(const EntryAt& e) const {
  Sums sums;
  for (std::size_t r = e.firstRow; r < e.endRow; ++r) {
    const Row& row = rows_[r];
    if (row.side != Side::None && !row.balanceLine && amount(row)) sums.add(row.side, *amount(row));
  }
  return {sums.debit, sums.credit, sums.agree()};
}

std::vector<Entry> EntriesOf(const EntryRecord& record) {
  std::vector<Entry> entries;
  entries.reserve(record.entries().size());
  for (const EntryRecord::EntryAt& e : record.entries()) {
    Entry& entry = entries.emplace_back();
    if (e.headingLine != kNoLine) entry.heading = record.heading(e);
    entry.headingLine = e.headingLine;
    for (std::size_t r = e.firstRow; r < e.endRow; ++r) {
      const EntryRecord::Row& row = record.rows()[r];
      entry.rows.push_back({std::string(record.account(row)), row.side, record.amount(row),
                            std::string(record.caption(row)), row.line, row.sideInferred, row.balanceLine});
    }
  }
  return entries;
}

PressResult PressEntriesInto(const TopicDesc& desc, std::span<const FieldText> texts, EntryRecord& record,
                             bool explain) {
  record.ClearOutput();
  PressResult result = PressInto(desc, texts, record, explain);
  record.finish();
  return result;
}

EntryPress PressEntries(const TopicDesc& desc, const std::vector<FieldText>& texts, bool explain) {
  EntryRecord record;
  EntryPress result{PressEntriesInto(desc, texts, record, explain)};
  const TextLines& text = record.lines();
  result.lines = text.ToStrings();
  result.printed.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const EntryRecord::Line& parts = record.parts()[i];
    result.printed.push_back({parts.kind, std::string(text[i].substr(0, parts.open)),
                              std::string(text[i].substr(parts.open, parts.text)), parts.amount});
  }
  result.entries = EntriesOf(record);
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
