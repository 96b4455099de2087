#include "core/engine/press.h"

#include <cfenv>
#include <cmath>
#include <utility>

#include "core/engine/read_amount.h"

namespace varnello {

namespace {

constexpr int kFaultFlags = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

[[noreturn]] void Raise(FaultKind kind) {
  std::feclearexcept(FE_ALL_EXCEPT);
  throw Fault{kind};
}

// Clears the record of floating-point faults. Clearing is far dearer than testing, and only the
// fault flags matter to the checks (after a passed check none is set): clear only when one is.
void ClearFaults() {
  if (std::fetestexcept(kFaultFlags) != 0) std::feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace

Press::Press(FieldSource fields, JournalSink& out) : fields_(std::move(fields)), out_(out) {
  ClearFaults();
}

double Press::Read(int n) {
  ClearFaults();
  return ReadAmount(fields_(n));
}

double Press::Check(double value) {
  // The value itself is the robust witness; the flags catch an intermediate fault whose
  // result came back finite (1 / (a * b) after a * b overflowed) and tell the kind.
  int flags = std::fetestexcept(kFaultFlags);
  if (!std::isfinite(value) || flags != 0) {
    Raise((flags & FE_DIVBYZERO) != 0 && (flags & FE_INVALID) == 0 ? FaultKind::DivisionByZero
                                                                   : FaultKind::Overflow);
  }
  return value;
}

double Press::Div(double a, double b) {
  Check(a);
  Check(b);
  if (b == 0.0) Raise(a == 0.0 ? FaultKind::Overflow : FaultKind::DivisionByZero);
  return Check(a / b);
}

double Press::Pow(double base, double exponent) {
  Check(base);
  Check(exponent);
  if (base == 0.0 && exponent < 0.0) Raise(FaultKind::DivisionByZero);
  if (base < 0.0 && std::trunc(exponent) != exponent) Raise(FaultKind::Overflow);
  return Check(std::pow(base, exponent));
}

}  // namespace varnello
