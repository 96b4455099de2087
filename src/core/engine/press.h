// One press of a topic window's computing button: reads fields, checks every computed figure
// for arithmetic faults, and prints journal lines.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/fault.h"
#include "core/engine/figure.h"
#include "core/engine/read_amount.h"
#include "core/journal/journal.h"

namespace varnello {

// Field texts as (field number, text) pairs, as a request gives them; a number given twice takes
// the last, a number not given is an empty field.
struct FieldText {
  int n;
  std::string_view text;
};
// The text of field TextN among `texts` (the last given; empty when none is).
std::string_view TextOf(std::span<const FieldText> texts, int n);

// A field whose text is not read whole ("1,00" reads as 1, ",00" left unread).
struct FieldWarning {
  int n = 0;
  std::string_view text;
  AmountReading reading;
};
// The warnings of the fields among `texts` (each field's last text), by field number. A text
// beyond the range of a double gets none: its press faults.
std::vector<FieldWarning> FieldWarnings(std::span<const FieldText> texts);

class Working;

// The amount of a printed line: a figure, or a holder, which may hold none (the caption prints
// alone then).
class LineAmount {
 public:
  LineAmount(Figure f) : figure_(f) {}          // NOLINT(google-explicit-constructor)
  LineAmount(double v) : figure_(Figure(v)) {}  // NOLINT(google-explicit-constructor)
  LineAmount(const FigureHolder& h) {           // NOLINT(google-explicit-constructor)
    if (!h.empty()) figure_ = h.value();
  }
  const std::optional<Figure>& figure() const { return figure_; }

 private:
  std::optional<Figure> figure_;
};

class Press {
 public:
  // Reads the given texts, which must outlive the press. With `working`, every figure records how
  // it was obtained and every amount line its figure.
  Press(std::span<const FieldText> texts, JournalSink& out, Working* working = nullptr);

  // ReadAmount of field TextN. Reading raises no floating-point fault, so the record of faults
  // is left as it is: what the arithmetic raised since the last check counts at the next one.
  Figure Read(int n);

  // The fault check, applied to every computed figure before anything is printed from it:
  // throws Fault when the value is not finite or a fault was raised since the last check (or
  // since the press began).
  // `name` is what the window calls the figure (净利润), for its working.
  Figure Check(Figure value, std::string_view name = {});
  // Checked a / b: a zero divisor is a division by zero (0/0 an invalid operation, reported as
  // overflow) whatever the floating-point flags say.
  Figure Div(Figure a, Figure b, std::string_view name = {});
  // Checked real power: no real value (negative base, fractional exponent) is an invalid
  // operation; a zero base with a negative exponent is a division by zero.
  Figure Pow(Figure base, Figure exponent, std::string_view name = {});

  void Heading(std::string_view text) {
    out_.PrintHeading(text);
    EndLine();
  }
  // What a window books: a posting of `amount` to `account` on the debit (credit) side, printed
  // "account（借）" with the amount, or with the side marker in the form `mark` where the window
  // prints it otherwise. An empty holder prints the caption alone.
  void Debit(std::string_view account, LineAmount amount, SideMark mark = SideMark::Full) {
    Print({account, Side::Debit, mark}, amount);
  }
  void Credit(std::string_view account, LineAmount amount, SideMark mark = SideMark::Full) {
    Print({account, Side::Credit, mark}, amount);
  }
  // A posting whose side the figures choose.
  void Post(Side side, std::string_view account, LineAmount amount, SideMark mark = SideMark::Full) {
    Print({account, side, mark}, amount);
  }
  // A line whose caption states no side: a figure named by its caption (入账价值), or a posting
  // whose side its entry implies (the record infers it).
  void Line(std::string_view caption, LineAmount amount) { Print({caption}, amount); }
  // An account's balance on `side` (none: the caption alone), printed as a posting is but no
  // part of any entry (未分配利润总（贷）).
  void Balance(std::string_view account, Side side, LineAmount amount) {
    Print({account, side, SideMark::Full, true}, amount);
  }
  void Blank() {
    out_.PrintBlankLine();
    EndLine();
  }
  void Open(std::string_view text) {
    out_.PrintOpenText(text);
    if (working_ != nullptr) openText_ += text;
    if (!open_) ++lines_;
    open_ = true;
  }

 private:
  void EndLine() {
    if (!open_) ++lines_;
    if (open_ && working_ != nullptr) openText_.clear();
    open_ = false;
  }
  void Print(const Posting& posting, const LineAmount& amount) {
    const std::optional<Figure>& figure = amount.figure();
    out_.PrintJournalLine(posting, figure ? std::optional<double>(figure->value()) : std::nullopt);
    if (working_ != nullptr && figure) [[unlikely]]
      Printed(posting, *figure);
    EndLine();
  }
  void Printed(const Posting& posting, Figure amount);
  [[noreturn]] void Raise(FaultKind kind, const Step* figure);

  std::span<const FieldText> texts_;
  JournalSink& out_;
  Working* working_;
  size_t lines_ = 0;  // lines begun by this press
  bool open_ = false;
  std::string openText_;  // the open line's text so far, kept with the working
};

}  // namespace varnello
