#include "core/engine/press.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "core/engine/fp_faults.h"
#include "core/engine/read_amount.h"
#include "core/engine/working.h"

namespace varnello {

namespace {

[[noreturn]] void Raise(FaultKind kind) {
  ClearFaultRecord();
  throw Fault{kind};
}

// Clears the record of floating-point faults. Clearing is far dearer than testing, and only the
// fault flags matter to the checks (after a passed check none is set): clear only when one is.
void ClearFaults() {
  if (TestFaults() != 0) ClearFaultRecord();
}

}  // namespace

Press::Press(std::span<const FieldText> texts, JournalSink& out, Working* working)
    : texts_(texts), out_(out), working_(working) {
  ClearFaults();
}

std::string_view TextOf(std::span<const FieldText> texts, int n) {
  for (auto it = texts.rbegin(); it != texts.rend(); ++it) {
    if (it->n == n) return it->text;
  }
  return {};
}

std::vector<FieldWarning> FieldWarnings(std::span<const FieldText> texts) {
  std::vector<FieldWarning> warnings;
  for (size_t i = 0; i < texts.size(); ++i) {
    // A field given again later counts by its last text.
    bool later = false;
    for (size_t j = i + 1; j < texts.size() && !later; ++j) later = texts[j].n == texts[i].n;
    if (later) continue;
    try {
      AmountReading reading = ReadAmountFully(texts[i].text);
      if (!reading.whole) warnings.push_back({texts[i].n, texts[i].text, std::move(reading)});
    } catch (const Fault&) {
    }
  }
  std::sort(warnings.begin(), warnings.end(),
            [](const FieldWarning& a, const FieldWarning& b) { return a.n < b.n; });
  return warnings;
}

Figure Press::Read(int n) {
  if (working_ == nullptr) return ReadAmount(TextOf(texts_, n));
  double value = 0;
  try {
    value = ReadAmount(TextOf(texts_, n));
  } catch (const Fault&) {
    working_->FaultedReading(n);
    throw;
  }
  return working_->Field(n, value);
}

void Press::Raise(FaultKind kind, const Step* figure) {
  if (working_ != nullptr) working_->Faulted(kind, figure);
  varnello::Raise(kind);
}

Figure Press::Check(Figure value, std::string_view name) {
  // The value itself is the robust witness; the flags catch an intermediate fault whose
  // result came back finite (1 / (a * b) after a * b overflowed) and tell the kind.
  int flags = TestFaults();
  Step* step = value.step();
  if (step != nullptr && !name.empty() && step->name.empty() && step->op != Step::Op::Field)
    step->name = name;
  if (!std::isfinite(value.value()) || flags != 0) {
    Raise((flags & kFaultDivisionByZero) != 0 && (flags & kFaultInvalid) == 0 ? FaultKind::DivisionByZero
                                                                              : FaultKind::Overflow,
          step);
  }
  return value;
}

namespace {

// The record of an operation that faulted before it was carried out.
const Step* Unperformed(Working* working, Step::Op op, Figure a, Figure b, std::string_view name) {
  if (working == nullptr) return nullptr;
  Step s;
  s.op = op;
  s.value = std::numeric_limits<double>::quiet_NaN();
  s.a = working->StepOf(a);
  s.b = working->StepOf(b);
  s.name = name;
  return working->NewStep(std::move(s));
}

}  // namespace

Figure Press::Div(Figure a, Figure b, std::string_view name) {
  Check(a);
  Check(b);
  if (b.value() == 0.0) {
    Raise(a.value() == 0.0 ? FaultKind::Overflow : FaultKind::DivisionByZero,
          Unperformed(working_, Step::Op::Div, a, b, name));
  }
  return Check(a / b, name);
}

Figure Press::Pow(Figure base, Figure exponent, std::string_view name) {
  Check(base);
  Check(exponent);
  if (base.value() == 0.0 && exponent.value() < 0.0) {
    Raise(FaultKind::DivisionByZero, Unperformed(working_, Step::Op::Pow, base, exponent, name));
  }
  if (base.value() < 0.0 && std::trunc(exponent.value()) != exponent.value()) {
    Raise(FaultKind::Overflow, Unperformed(working_, Step::Op::Pow, base, exponent, name));
  }
  return Check(Power(base, exponent), name);
}

void Press::Printed(const Posting& posting, Figure amount) {
  working_->Printed(open_ ? lines_ - 1 : lines_, open_ ? openText_ : std::string_view(), posting, amount);
}

}  // namespace varnello
