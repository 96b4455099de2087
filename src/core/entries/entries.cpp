#include "core/entries/entries.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <utility>

namespace varnello {

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

}  // namespace

EntryBalance BalanceOf(const Entry& entry) {
  return BalanceOfRows(RefsOf(entry.rows));
}

EntryRecord::Line& EntryRecord::Begin() {
  if (!open_) {
    // A press prints a dozen lines or more, 30 bytes or so each: grow in few steps.
    if (text_.empty()) text_.reserve(32, 1024);
    text_.AddLine();
    lines_.emplace_back();
  }
  return lines_.back();
}

void EntryRecord::PrintHeading(std::string_view text) {
  Line& line = Begin();
  text_.Append(text);
  line.kind = Kind::Heading;
  line.text = text.size();
  open_ = false;
}

void EntryRecord::PrintJournalLine(const Posting& posting, std::optional<double> amount) {
  Line& line = Begin();
  std::string_view marker = SideMarkText(posting.side, posting.mark);
  text_.Append(posting.account);
  text_.Append(marker);
  if (amount) text_.AppendAmount(*amount);
  line.kind = Kind::Journal;
  line.text = posting.account.size() + marker.size();
  line.account = posting.account.size();
  line.side = posting.side;
  line.mark = posting.mark;
  line.balance = posting.balance;
  line.amount = amount;
  open_ = false;
}

void EntryRecord::PrintBlankLine() {
  Begin();
  open_ = false;
}

void EntryRecord::PrintOpenText(std::string_view text) {
  Line& line = Begin();
  text_.Append(text);
  // Until something ends it, a line of open text alone reads as a heading.
  line.kind = Kind::Heading;
  line.open += text.size();
  open_ = true;
}

void EntryRecord::clear() {
  text_.clear();
  open_ = false;
  lines_.clear();
  entries_.clear();
  rows_.clear();
  working_.clear();
  pressStart_ = 0;
  fault_.reset();
  faultText_.clear();
  faultFields_.clear();
}

// Each heading opens an entry; journal lines are its rows; a blank line closes it. Open text at
// the start of a journal line opens an entry too, as its heading.
void EntryRecord::group() {
  entries_.clear();
  rows_.clear();
  auto open = [this](std::size_t i) {
    std::size_t heading = 0;
    if (i != kNoLine) heading = lines_[i].open + (lines_[i].kind == Kind::Heading ? lines_[i].text : 0);
    entries_.push_back({i, heading, rows_.size(), rows_.size()});
  };
  bool inEntry = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    if (line.kind == Kind::Blank) {
      inEntry = false;
      continue;
    }
    if (line.kind == Kind::Heading || line.open > 0) {
      open(i);
    } else if (!inEntry) {
      open(kNoLine);
    }
    inEntry = true;
    if (line.kind == Kind::Heading) continue;
    rows_.push_back({i, line.account, line.side, false, line.balance});
    entries_.back().endRow = rows_.size();
  }
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

const WorkingLine* EntryRecord::workingOf(std::size_t line) const {
  auto it = std::lower_bound(working_.begin(), working_.end(), line,
                             [](const WorkingLine& w, std::size_t l) { return w.line < l; });
  return it != working_.end() && it->line == line ? &*it : nullptr;
}

void PressInto(const TopicDesc& desc, std::span<const FieldText> texts, EntryRecord& record, bool explain) {
  // The press counts its lines from its first; a line it continues is that one.
  record.pressStart_ = record.lines_.size() - (record.open_ ? 1 : 0);
  record.fault_.reset();
  record.faultText_.clear();
  record.faultFields_.clear();
  std::optional<Working> working;
  if (explain) working.emplace(FieldCaptions(desc));
  Press press(texts, record, working ? &*working : nullptr);
  try {
    desc.press(press);
  } catch (const Fault& fault) {
    record.fault_ = fault.kind;
  }
  record.group();
  if (!working) return;
  for (WorkingLine& w : working->Lines()) {
    w.line += record.pressStart_;
    record.working_.push_back(std::move(w));
  }
  record.faultText_ = working->FaultText();
  record.faultFields_ = working->FaultFields();
}

EntryRecord PressOnce(const TopicDesc& desc, std::span<const FieldText> texts, bool explain) {
  EntryRecord record;
  PressInto(desc, texts, record, explain);
  return record;
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

}  // namespace varnello
