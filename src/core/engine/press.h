// One press of a topic window's computing button: reads fields, checks every computed figure
// for arithmetic faults, and prints journal lines.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/engine/fault.h"
#include "core/journal/journal.h"

namespace varnello {

// Supplies the current text of input field TextN.
using FieldSource = std::function<std::string(int n)>;

class Press {
 public:
  // Keeps its own copy of the field source, so a lambda passed in directly stays valid.
  Press(FieldSource fields, JournalSink& out);

  // ReadAmount of field TextN. Clears the record of floating-point faults first.
  double Read(int n);

  // The fault check, applied to every computed figure before anything is printed from it:
  // throws Fault when the value is not finite or a fault was raised since the last check.
  double Check(double value);
  // Checked a / b: a zero divisor is a division by zero (0/0 an invalid operation, reported as
  // overflow) whatever the floating-point flags say.
  double Div(double a, double b);
  // Checked real power: no real value (negative base, fractional exponent) is an invalid
  // operation; a zero base with a negative exponent is a division by zero.
  double Pow(double base, double exponent);

  void Heading(std::string_view text) { out_.PrintHeading(text); }
  void Line(std::string_view caption, double amount) { out_.PrintJournalLine(caption, amount); }
  void Line(std::string_view caption, const Holder& amount) { out_.PrintJournalLine(caption, amount.get()); }
  void Blank() { out_.PrintBlankLine(); }
  void Open(std::string_view text) { out_.PrintOpenText(text); }

 private:
  FieldSource fields_;
  JournalSink& out_;
};

}  // namespace varnello
