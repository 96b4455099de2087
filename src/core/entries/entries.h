// Journal entries as data: the printed lines of a press read back into entries, each with its
// heading and its rows (account, debit or credit side, amount).
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/engine/fault.h"
#include "core/engine/topic.h"
#include "core/journal/journal.h"

namespace varnello {

// One printed line by its parts.
struct PrintedLine {
  enum class Kind { Blank, Heading, Journal };
  Kind kind = Kind::Blank;
  // Open text the line began with, printed before its last item.
  std::string open;
  // The heading's text or the journal line's caption (side marker included).
  std::string text;
  // A journal line's amount; none when its figure was an empty holder.
  std::optional<double> amount;

  // The line exactly as printed.
  std::string Render() const;
  bool operator==(const PrintedLine&) const = default;
};

// A journal sink that keeps the printed lines by their parts, and passes every print on to
// `forward` when given (the window's own output). The last line may still be open.
class LineRecorder : public JournalSink {
 public:
  explicit LineRecorder(JournalSink* forward = nullptr) : forward_(forward) {}
  void PrintHeading(std::string_view text) override;
  void PrintJournalLine(std::string_view caption, std::optional<double> amount) override;
  void PrintBlankLine() override;
  void PrintOpenText(std::string_view text) override;
  void ClearOutput() override;

  const std::vector<PrintedLine>& lines() const { return lines_; }

 private:
  PrintedLine& Current();
  JournalSink* forward_;
  std::vector<PrintedLine> lines_;
  bool open_ = false;
};

// Reads a printed line back into its parts: a journal line is a caption followed by exactly what
// FormatAmount makes of some amount; a caption alone with a side marker is a journal line whose
// figure was empty; any other text is a heading. Open text cannot be told apart from the text
// that follows it, so `open` stays empty.
PrintedLine ParseLine(std::string_view line);

enum class Side { None, Debit, Credit };

// A caption split into its account and side. The marker is read from the caption's end in the
// regular form "（借）" / "（贷）" and in the irregular forms the windows print: half-width
// parentheses "(借)", mixed "（贷)", a missing closing parenthesis "（贷". A caption without a
// marker ("入账价值", "应交税费-应交增值税（进）") has no side. account + marker == caption.
struct SplitCaption {
  std::string account;
  Side side = Side::None;
  std::string marker;
};
SplitCaption SplitSide(std::string_view caption);
// Where SplitSide splits a caption: the account is its first `account` bytes.
struct CaptionSide {
  std::size_t account = 0;
  Side side = Side::None;
};
CaptionSide FindSide(std::string_view caption);

inline constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);

struct EntryRow {
  std::string account;
  // The side printed in the caption, or the inferred one (sideInferred).
  Side side = Side::None;
  std::optional<double> amount;
  std::string caption;         // as printed, side marker included
  std::size_t line = kNoLine;  // index of the printed line
  // The caption prints no side; `side` is the one its entry balances with (see Entry).
  bool sideInferred = false;
  // The row states an account's balance rather than posting to it (see IsBalanceLine).
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

std::vector<Entry> EntriesOf(const std::vector<PrintedLine>& lines);

// Whether a row of this account states the account's balance rather than posting to it. One
// caption does: "未分配利润总" with its side, the balance that undistributed profit is left with
// once the year's closing entries are made (printed above them). It is no journal entry and has
// no counter-entry, so it keeps its printed side and takes no part in any entry's sums.
bool IsBalanceLine(std::string_view account);

// The sums of an entry's rows by side (balance lines left out), and whether they agree to half
// a 分. Sums of very large amounts may differ by the rounding of the additions themselves; that
// much counts as agreeing too.
struct EntryBalance {
  double debit = 0;
  double credit = 0;
  bool balanced = true;
};
EntryBalance BalanceOf(const Entry& entry);
// The same test on two sums: `magnitude` is the sum of the magnitudes added into them, `terms`
// how many there were.
bool Agrees(double debit, double credit, double magnitude, std::size_t terms);
// From printed text alone, each line read with ParseLine.
std::vector<Entry> EntriesOf(const std::vector<std::string>& lines);

// The printed lines of a press as one text (an OutputBuffer's), each line's parts and the entries
// as offsets into it: what EntryPress holds, without a string of its own per line, heading or
// account. Kept from one press to the next it allocates only while it grows. A journal sink: call finish()
// once the press is done to group the lines into entries.
class EntryRecord : public JournalSink {
 public:
  // A printed line's parts: open text is its first `open` bytes, the heading text or caption the
  // `text` bytes after it, then a journal line's amount.
  struct Line {
    PrintedLine::Kind kind = PrintedLine::Kind::Blank;
    std::size_t open = 0;
    std::size_t text = 0;
    std::optional<double> amount;
  };
  // A journal line as a row: its account is the first `account` bytes of its caption.
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

  void PrintHeading(std::string_view text) override;
  void PrintJournalLine(std::string_view caption, std::optional<double> amount) override;
  void PrintBlankLine() override;
  void PrintOpenText(std::string_view text) override;
  void ClearOutput() override;
  // Groups the lines printed so far into entries.
  void finish();

  const TextLines& lines() const { return text_.lines(); }
  const std::vector<Line>& parts() const { return lines_; }
  const std::vector<EntryAt>& entries() const { return entries_; }
  const std::vector<Row>& rows() const { return rows_; }
  std::string_view heading(const EntryAt& e) const { return lines()[e.headingLine].substr(0, e.heading); }
  std::string_view caption(const Row& r) const {
    return lines()[r.line].substr(lines_[r.line].open, lines_[r.line].text);
  }
  std::string_view account(const Row& r) const { return caption(r).substr(0, r.account); }
  const std::optional<double>& amount(const Row& r) const { return lines_[r.line].amount; }
  EntryBalance balance(const EntryAt& e) const;

 private:
  // The parts of the line the last print went to (begun when that print began a line).
  Line& Current();
  OutputBuffer text_;  // the lines as printed
  std::vector<Line> lines_;
  std::vector<EntryAt> entries_;
  std::vector<Row> rows_;
};

// The entries of a finished record, each with strings of its own.
std::vector<Entry> EntriesOf(const EntryRecord& record);

// One press of a freshly created window into `record` (cleared first, finished after): the
// lines and entries of PressEntries, beside how it ended.
PressResult PressEntriesInto(const TopicDesc& desc, std::span<const FieldText> texts, EntryRecord& record,
                             bool explain = false);

// One press of a freshly created window (as PressFresh): its printed lines as text and by parts,
// the entries, and the fault that ended it, if any. With `explain` also the working of its amount
// lines and the words for its fault.
struct EntryPress : PressResult {
  std::vector<std::string> lines = {};
  std::vector<PrintedLine> printed = {};
  std::vector<Entry> entries = {};
};
EntryPress PressEntries(const TopicDesc& desc, const std::vector<FieldText>& texts, bool explain = false);

// "debit" / "credit" / "" for none.
std::string_view SideName(Side side);

}  // namespace varnello
