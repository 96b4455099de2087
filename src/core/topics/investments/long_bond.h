// The purchase entry shared by the long-term bond windows bought at a premium or discount.
#pragma once

#include "core/engine/press.h"

namespace varnello {

// Prints the purchase of a long-term bond at its face value for a price plus fees, with the
// premium (debit) or discount (credit) on either side of the bank credit, and returns the
// difference faceValue - (fees + price): positive for a discount, negative for a premium.
inline Figure PrintLongBondPurchase(Press& p, Figure faceValue, Figure price, Figure fees) {
  p.Heading("购入债券");
  p.Debit("长期债权投资（面值）", faceValue);
  Figure paid = p.Check(fees + price);
  Figure discount = p.Check(faceValue - paid);
  if (discount < 0) p.Debit("长期债权投资（溢折价）", -discount, SideMark::Half);
  p.Credit("银行存款", paid);
  if (discount >= 0) p.Credit("长期债权投资（溢折价）", discount, SideMark::Half);
  return discount;
}

}  // namespace varnello
