// The working of one press: how every printed amount came about from the typed figures, as
// readable text and as a machine expression over the window's fields.
#pragma once

#include <cstddef>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/fault.h"
#include "core/engine/figure.h"
#include "core/journal/journal.h"

namespace varnello {

// The working of one printed amount line.
struct WorkingLine {
  size_t line = 0;  // index of the printed line among the lines of this press
  double value = 0;
  // "调整未分配利润 637.5 = 净利润 750 − 盈余公积 112.5": the line's caption and amount, then
  // `formula`; then each named intermediate figure it uses, one step per line.
  std::string text;
  std::string formula;  // "= 净利润 750 − 盈余公积 112.5"
  std::vector<std::string> steps;
  // Fully parenthesised over the fields: "((Text3 * Text1) + Text4)".
  std::string expr;
};

// The working as shown under its amount line (by the window's 显示算式 and press --explain): the
// formula indented by four spaces, then each step by six.
std::vector<std::string> IndentedWorking(const WorkingLine& w);

class Working {
 public:
  // Captions of the window's fields by field number, for the figures read from them.
  explicit Working(std::map<int, std::string> fieldCaptions);
  Working(const Working&) = delete;
  Working& operator=(const Working&) = delete;

  // Recording, by the press.
  Figure Field(int n, double value);
  Step* NewStep(Step step);
  // The step of a figure, recording a constant when it has none.
  Step* StepOf(Figure f);
  // An amount line printed from f; `lineStart` is open text the line began with.
  void Printed(size_t line, std::string_view lineStart, const Posting& posting, Figure f);
  void Faulted(FaultKind kind, const Step* figure);
  void FaultedReading(int n);

  // The working of every amount line that printed a computed or read figure, in print order.
  std::vector<WorkingLine> Lines() const;
  // What faulted, in words ("计算 每年租金 = 付款总额 ÷ 租期 时除数为零：租期 为 0"); empty without
  // a fault.
  const std::string& FaultText() const { return faultText_; }
  // The fields the faulting figure was computed from, in the order its formula names them (the
  // field being read, for a fault in reading); empty without a fault.
  const std::vector<int>& FaultFields() const { return faultFields_; }

 private:
  struct Printing {
    size_t line;
    std::string caption;
    Figure figure;
  };
  std::map<int, std::string> captions_;
  std::deque<Step> steps_;
  std::vector<Printing> printed_;
  std::string faultText_;
  std::vector<int> faultFields_;
};

// The display name of a recorded figure: its own name, or else the caption it was printed as.
std::string_view NameOf(const Step& s);

}  // namespace varnello
