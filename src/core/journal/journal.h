// Journal output: the one textual form of an amount, the general numeric holder,
// the sink that topic computations print into, and a retained buffer of printed lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace varnello {

// Renders an amount: sign slot (" " or "-"), at most 15 significant digits,
// exponent form from 1E+15 (and below 1E-4), one trailing space. Negative zero renders as zero.
std::string FormatAmount(double value);
// Appends FormatAmount(value) to `out`.
void AppendAmount(std::string& out, double value);

// A value slot for an intermediate figure. One that received no value in a press prints
// as nothing after its caption and counts as 0 in arithmetic and comparisons.
class Holder {
 public:
  Holder() = default;
  Holder& operator=(double v) {
    value_ = v;
    return *this;
  }
  bool empty() const { return !value_.has_value(); }
  double value() const { return value_.value_or(0.0); }
  std::optional<double> get() const { return value_; }

 private:
  std::optional<double> value_;
};

// The journal output operations of one window.
class JournalSink {
 public:
  virtual ~JournalSink() = default;
  virtual void PrintHeading(std::string_view text) = 0;
  // An empty amount prints the caption alone.
  virtual void PrintJournalLine(std::string_view caption, std::optional<double> amount) = 0;
  virtual void PrintBlankLine() = 0;
  // Prints text and leaves the line open: the next print continues on the same line.
  virtual void PrintOpenText(std::string_view text) = 0;
  virtual void ClearOutput() = 0;
};

// Keeps the printed lines of a window as text, one entry per output line. The last line may
// still be open (open text waiting for the rest of its line).
class OutputBuffer : public JournalSink {
 public:
  void PrintHeading(std::string_view text) override;
  void PrintJournalLine(std::string_view caption, std::optional<double> amount) override;
  void PrintBlankLine() override;
  void PrintOpenText(std::string_view text) override;
  void ClearOutput() override;

  const std::vector<std::string>& lines() const { return lines_; }
  // Hands the lines over, leaving the buffer empty.
  std::vector<std::string> takeLines() {
    open_ = false;
    return std::move(lines_);
  }
  bool lastLineOpen() const { return open_; }

 private:
  std::string& Current();  // the open line, or a new one
  std::vector<std::string> lines_;
  bool open_ = false;
};

}  // namespace varnello
