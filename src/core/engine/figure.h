// The figures a press computes with: a double that, when the working of a press is recorded,
// also remembers how it was obtained (read from a field, a constant, or an operation on earlier
// figures). The arithmetic is plain double arithmetic in the operands' grouping; nothing here
// checks for faults: the press checks whole computed figures, as before. (Where the platform keeps
// no floating-point flags, each operation notes the faults it raised in their stead.)
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/engine/fp_faults.h"

namespace varnello {

class Working;

// How one recorded figure was obtained. Owned by the Working of the press.
struct Step {
  enum class Op : std::uint8_t { Field, Constant, Add, Sub, Mul, Div, Pow, Neg };
  Op op = Op::Constant;
  int field = 0;  // Field: the field number
  double value = 0;
  const Step* a = nullptr;
  const Step* b = nullptr;
  Working* owner = nullptr;
  // The field's caption, or the name the window gives an intermediate figure; empty when none.
  std::string name;
  // The caption of a line that printed this figure, when it has no name of its own; `plain`
  // when that caption names a figure rather than a debit or credit posting.
  std::string printedAs;
  bool plain = false;
};

class Figure {
 public:
  Figure() = default;
  // A constant (literals in the formulas): recorded as such only where it meets a recorded figure.
  Figure(double v) : value_(v) {}  // NOLINT(google-explicit-constructor)
  Figure(double v, Step* step) : value_(v), step_(step) {}

  double value() const { return value_; }
  // The record of how this figure was obtained; null when the working is not recorded (or for
  // a constant).
  Step* step() const { return step_; }

  friend Figure operator+(Figure a, Figure b) {
    Figure r(a.value_ + b.value_);
    if constexpr (kNoteFaults) NoteFaults(FaultsOf(a.value_, b.value_, r.value_));
    if (a.step_ != nullptr || b.step_ != nullptr) [[unlikely]]
      r.step_ = Record(Step::Op::Add, a, b, r.value_);
    return r;
  }
  friend Figure operator-(Figure a, Figure b) {
    Figure r(a.value_ - b.value_);
    if constexpr (kNoteFaults) NoteFaults(FaultsOf(a.value_, b.value_, r.value_));
    if (a.step_ != nullptr || b.step_ != nullptr) [[unlikely]]
      r.step_ = Record(Step::Op::Sub, a, b, r.value_);
    return r;
  }
  friend Figure operator*(Figure a, Figure b) {
    Figure r(a.value_ * b.value_);
    if constexpr (kNoteFaults) NoteFaults(FaultsOf(a.value_, b.value_, r.value_));
    if (a.step_ != nullptr || b.step_ != nullptr) [[unlikely]]
      r.step_ = Record(Step::Op::Mul, a, b, r.value_);
    return r;
  }
  // Plain division; the press's Div is the checked one.
  friend Figure operator/(Figure a, Figure b) {
    Figure r(a.value_ / b.value_);
    if constexpr (kNoteFaults) NoteFaults(DivisionFaultsOf(a.value_, b.value_, r.value_));
    if (a.step_ != nullptr || b.step_ != nullptr) [[unlikely]]
      r.step_ = Record(Step::Op::Div, a, b, r.value_);
    return r;
  }
  friend Figure operator-(Figure a) {
    Figure r(-a.value_);
    if (a.step_ != nullptr) [[unlikely]]
      r.step_ = Record(Step::Op::Neg, a, Figure(), r.value_);
    return r;
  }
  // Plain real power; the press's Pow is the checked one.
  friend Figure Power(Figure base, Figure exponent);

  friend bool operator<(Figure a, Figure b) { return a.value_ < b.value_; }
  friend bool operator>(Figure a, Figure b) { return a.value_ > b.value_; }
  friend bool operator<=(Figure a, Figure b) { return a.value_ <= b.value_; }
  friend bool operator>=(Figure a, Figure b) { return a.value_ >= b.value_; }
  friend bool operator==(Figure a, Figure b) { return a.value_ == b.value_; }
  friend bool operator!=(Figure a, Figure b) { return a.value_ != b.value_; }

  // The record of an operation on a and b (b unused for Neg) whose result is `value`.
  static Step* Record(Step::Op op, Figure a, Figure b, double value);

 private:
  double value_ = 0;
  Step* step_ = nullptr;
};

// A general numeric holder of an intermediate figure. One that received no figure in a press
// prints as nothing after its caption and counts as 0 in arithmetic and comparisons.
class FigureHolder {
 public:
  FigureHolder& operator=(Figure f) {
    figure_ = f;
    return *this;
  }
  bool empty() const { return !figure_.has_value(); }
  Figure value() const { return figure_.value_or(Figure()); }

 private:
  std::optional<Figure> figure_;
};

}  // namespace varnello
