// Journal entries as data, and the one record of what a press prints: its lines by their parts,
// the entries with their rows (account, debit or credit side, amount), and the working of each
// amount line.
#pragma once

#include <cmath>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/fault.h"
#include "core/engine/topic.h"
#include "core/engine/working.h"
#include "core/journal/journal.h"

namespace varnello {

inline constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);

struct EntryRow {
  std::string account;
  // The side printed in the caption, or the inferred one (sideInferred).
  Side side = Side::None;
  std::optional<double> amount;
  std::string caption;         // as printed, side marker included (rendered from the posting)
  std::size_t line = kNoLine;  // index of the printed line
  // The caption prints no side; `side` is the one its entry balances with (see Entry).
  bool sideInferred = false;
  // The row states an account's balance rather than posting to it (Press::Balance): it keeps
  // its printed side and takes no part in its entry's sums.
  bool balanceLine = false;
  bool operator==(const EntryRow&) const = default;
};

// Each heading opens an entry; journal lines are its rows; a blank line closes it, so rows after
// a blank line and before any heading form an entry without a heading. Open text at the start of
// a journal line is that entry's heading (it shares the line with the first row).
// A row whose caption prints no side gets the side its entry needs when the entry does not
// balance without it, balances with it on one side only, and no other such row could balance it
// instead; the row is then marked sideInferred. The printed text stays as it is.
struct Entry {
  std::string heading;
  std::size_t headingLine = kNoLine;
  std::vector<EntryRow> rows;
  bool operator==(const Entry&) const = default;
};

// The sums of an entry's rows by side (balance lines left out), and whether they agree to half
// a 分. Sums of very large amounts may differ by the rounding of the additions themselves; that
// much counts as agreeing too. Rows of finite amounts may still add up past the largest double:
// such a sum is not finite, the sums cannot be compared and the entry counts as not balanced.
struct EntryBalance {
  double debit = 0;
  double credit = 0;
  bool balanced = true;
  // A sum went past the largest double (it is infinite, or not a number where the sums of
  // both signs overflowed).
  bool overflowed() const { return !std::isfinite(debit) || !std::isfinite(credit); }
};
EntryBalance BalanceOf(const Entry& entry);
// The same test on two sums: `magnitude` is the sum of the magnitudes added into them, `terms`
// how many there were.
bool Agrees(double debit, double credit, double magnitude, std::size_t terms);
// The record of what presses print: the lines as one text, each line by its parts (open text,
// heading text or caption, amount), the entries grouped from them as offsets into that text, the
// working of each amount line, and how the last press ended. Every output is rendered from it:
// the window's text and tooltips, the tables, the JSON answers, capital numerals, vouchers and the
// marking key; nothing reads printed text back. Kept from one press to the next it allocates only
// while it grows. Filled by PressInto.
class EntryRecord : private JournalSink {
 public:
  enum class Kind { Blank, Heading, Journal };
  // A printed line's parts: open text is its first `open` bytes, the heading text or caption the
  // `text` bytes after it, then a journal line's amount (none when its figure was an empty holder).
  // A journal line keeps what the press booked: the caption's account is its first `account`
  // bytes; the side, the form of its marker and whether it states a balance as the window stated
  // them (posting() gives them back).
  struct Line {
    Kind kind = Kind::Blank;
    std::size_t open = 0;
    std::size_t text = 0;
    std::size_t account = 0;
    Side side = Side::None;
    SideMark mark = SideMark::Full;
    bool balance = false;
    std::optional<double> amount;
  };
  // A journal line as a row: its account is the first `account` bytes of its caption; its side
  // the one the press booked, or the one its entry implies (sideInferred).
  struct Row {
    std::size_t line = 0;
    std::size_t account = 0;
    Side side = Side::None;
    bool sideInferred = false;
    bool balanceLine = false;
  };
  // An entry: its heading is the first `heading` bytes of line `headingLine` (kNoLine for none);
  // its rows are rows()[firstRow, endRow).
  struct EntryAt {
    std::size_t headingLine = kNoLine;
    std::size_t heading = 0;
    std::size_t firstRow = 0;
    std::size_t endRow = 0;
  };

  // The lines as printed; the last may still be open (open text waiting for the rest of its line).
  const TextLines& lines() const { return text_; }
  bool lastLineOpen() const { return open_; }
  const std::vector<Line>& parts() const { return lines_; }
  const std::vector<EntryAt>& entries() const { return entries_; }
  const std::vector<Row>& rows() const { return rows_; }
  std::string_view heading(const EntryAt& e) const { return lines()[e.headingLine].substr(0, e.heading); }
  std::string_view caption(const Row& r) const {
    return lines()[r.line].substr(lines_[r.line].open, lines_[r.line].text);
  }
  std::string_view account(const Row& r) const { return caption(r).substr(0, r.account); }
  const std::optional<double>& amount(const Row& r) const { return lines_[r.line].amount; }
  // The posting a journal line printed, as the press booked it (a side inferred for its row is
  // not part of it).
  Posting posting(std::size_t line) const {
    const Line& l = lines_[line];
    return {text_[line].substr(l.open, l.account), l.side, l.mark, l.balance};
  }
  // The amount a printed line shows; none for a line without one (or beyond the last).
  std::optional<double> amountOf(std::size_t line) const {
    return line < lines_.size() && lines_[line].kind == Kind::Journal ? lines_[line].amount : std::nullopt;
  }
  EntryBalance balance(const EntryAt& e) const;

  // The working of the amount lines in print order (its `line` indexes lines()), when the presses
  // recorded it.
  const std::vector<WorkingLine>& working() const { return working_; }
  // The working of one printed line; null when it has none.
  const WorkingLine* workingOf(std::size_t line) const;
  // The first line of the last press (a line whose open text it continued counts as its first).
  std::size_t pressStart() const { return pressStart_; }
  // How the last press ended: the fault that ended it, if any; with its working, what faulted in
  // words and the fields the faulting figure used.
  const std::optional<FaultKind>& fault() const { return fault_; }
  const std::string& faultText() const { return faultText_; }
  const std::vector<int>& faultFields() const { return faultFields_; }

  // No lines, entries or working: the print position back at the top-left corner.
  void clear();

 private:
  friend void PressInto(const TopicDesc&, std::span<const FieldText>, EntryRecord&, bool);
  // What a press prints, taken down by its parts.
  void PrintHeading(std::string_view text) override;
  void PrintJournalLine(const Posting& posting, std::optional<double> amount) override;
  void PrintBlankLine() override;
  void PrintOpenText(std::string_view text) override;
  void ClearOutput() override { clear(); }
  // The parts of the line a print goes to: a new line unless the last one is open.
  Line& Begin();
  // Groups the lines into entries.
  void group();

  TextLines text_;
  bool open_ = false;
  std::vector<Line> lines_;
  std::vector<EntryAt> entries_;
  std::vector<Row> rows_;
  std::vector<WorkingLine> working_;
  std::size_t pressStart_ = 0;
  std::optional<FaultKind> fault_;
  std::string faultText_;
  std::vector<int> faultFields_;
};

// Presses 确定 once on a window whose fields hold `texts` (a number given twice takes the last;
// the others are empty): appends what it prints to `record`, below what the record holds, as a
// window prints below its earlier lines (clear() it for a fresh window); groups the entries and
// notes how the press ended. With `explain` also the working of its amount lines and the words
// for a fault.
void PressInto(const TopicDesc& desc, std::span<const FieldText> texts, EntryRecord& record,
               bool explain = false);
// The same press of a freshly created window, into a record of its own.
EntryRecord PressOnce(const TopicDesc& desc, std::span<const FieldText> texts, bool explain = false);

// The entries of a record, each with strings of its own.
std::vector<Entry> EntriesOf(const EntryRecord& record);

}  // namespace varnello
