// The purchase entry shared by the long-term bond windows bought at a premium or discount.
#pragma once

#include "core/engine/press.h"

namespace varnello {

// Prints the purchase of a long-term bond of face value N for price P plus fees F, with the
// premium (debit) or discount (credit) on either side of the bank credit, and returns the
// difference Z = N - (F + P): positive for a discount, negative for a premium.
inline Figure PrintLongBondPurchase(Press& p, Figure N, Figure P, Figure F) {
  p.Heading("购入债券");
  p.Line("长期债权投资（面值）（借）", N);
  Figure C = p.Check(F + P);
  Figure Z = p.Check(N - C);
  if (Z < 0) p.Line("长期债权投资（溢折价）(借)", -Z);
  p.Line("银行存款（贷）", C);
  if (Z >= 0) p.Line("长期债权投资（溢折价）(贷)", Z);
  return Z;
}

}  // namespace varnello
