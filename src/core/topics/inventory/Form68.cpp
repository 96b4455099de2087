// Form68: purchase on credit settled within the discount period, the discount given either as an
// amount or as a rate on price plus VAT.
#include "core/engine/topic.h"

namespace varnello {
namespace {

// Settlement of the payable and the closing of the discount to profit. The discount and the
// payment are computed after the two debit lines, just before the payment line.
template <typename DiscountFn>
void PrintSettlement(Press& p, Figure P, Figure V, DiscountFn discount_of) {
  p.Line("应付账款（借）", P);
  p.Line("应交税金-应交增值税（进）（借）", V);
  Figure discount = discount_of();
  p.Line("银行存款（贷）", p.Check((V + P) - discount));
  p.Line("财务费用（贷）", discount);
  p.Blank();
  p.Heading("结转财务费用");
  p.Line("财务费用（借）", discount);
  p.Line("本年利润（贷）", discount);
}

void PressForm68(Press& p) {
  Figure P = p.Read(1), V = p.Read(2), D = p.Read(3), k = p.Read(4);
  if (k == 0) {
    PrintSettlement(p, P, V, [&] { return D; });
  } else if (k > 0) {
    // A rate replaces the discount amount.
    PrintSettlement(p, P, V, [&] { return p.Check((V + P) * k); });
  }
}

constexpr Item kItems[] = {Field(1, "购买价格"), Field(2, "增值税"), Field(3, "折扣（元）"),
                           Field(4, "折扣率")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm68{
    .id = "Form68",
    .columns = kColumns,
    .press = PressForm68,
};

}  // namespace varnello
