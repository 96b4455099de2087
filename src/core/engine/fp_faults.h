// The record of floating-point faults that the arithmetic-fault rule reads: an invalid
// operation, a division by zero, an overflow. Where the platform keeps the processor's status
// flags (<cfenv>) they are the record; where it has none (WebAssembly), the figures' operations
// note what IEEE arithmetic raises, and the record is kept here.
#pragma once

#include <cfenv>
#include <cmath>

namespace varnello {

enum FaultBits : int { kFaultDivisionByZero = 1, kFaultInvalid = 2, kFaultOverflow = 4 };

// What IEEE arithmetic raises for r = a + b, a - b, a * b or -a: a NaN from numbers is an invalid
// operation, an infinity from finite operands an overflow; operations on NaN or infinity raise
// nothing. (Only quiet tests here: they raise nothing themselves.)
inline int FaultsOf(double a, double b, double r) {
  if (std::isfinite(r)) return 0;
  if (std::isnan(r)) return std::isnan(a) || std::isnan(b) ? 0 : kFaultInvalid;
  return std::isfinite(a) && std::isfinite(b) ? kFaultOverflow : 0;
}
// For r = a / b: a finite nonzero number divided by zero is a division by zero.
inline int DivisionFaultsOf(double a, double b, double r) {
  return b == 0.0 && a != 0.0 && std::isfinite(a) ? kFaultDivisionByZero : FaultsOf(a, b, r);
}
// For r = pow(base, exponent): zero to a finite negative power is a division by zero.
inline int PowerFaultsOf(double base, double exponent, double r) {
  return base == 0.0 && std::isless(exponent, 0.0) && std::isfinite(exponent) ? kFaultDivisionByZero
                                                                              : FaultsOf(base, exponent, r);
}

#if defined(FE_DIVBYZERO) && defined(FE_INVALID) && defined(FE_OVERFLOW)

inline int TestFaults() {
  int flags = std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
  return ((flags & FE_DIVBYZERO) != 0 ? kFaultDivisionByZero : 0) |
         ((flags & FE_INVALID) != 0 ? kFaultInvalid : 0) | ((flags & FE_OVERFLOW) != 0 ? kFaultOverflow : 0);
}
inline void ClearFaultRecord() {
  std::feclearexcept(FE_ALL_EXCEPT);
}
// The processor keeps the record: the operations note nothing.
constexpr bool kNoteFaults = false;
inline void NoteFaults(int) {}

#else

// One user-interface thread computes: one record.
constexpr bool kNoteFaults = true;
inline int faultRecord = 0;
inline int TestFaults() {
  return faultRecord;
}
inline void ClearFaultRecord() {
  faultRecord = 0;
}
inline void NoteFaults(int faults) {
  faultRecord |= faults;
}

#endif

}  // namespace varnello
