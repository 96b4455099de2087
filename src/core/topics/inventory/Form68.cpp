// Form68: purchase on credit settled within the discount period, the discount given either as an
// amount or as a rate on price plus VAT.
#include "core/engine/topic.h"

namespace varnello {
namespace {

// Settlement of the payable and the closing of the discount to profit. The discount and the
// payment are computed after the two debit lines, just before the payment line.
template <typename DiscountFn>
void PrintSettlement(Press& p, Figure price, Figure inputVat, DiscountFn discount_of) {
  p.Debit("应付账款", price);
  p.Debit("应交税金-应交增值税（进）", inputVat);
  Figure discount = discount_of();
  p.Credit("银行存款", p.Check((inputVat + price) - discount));
  p.Credit("财务费用", discount);
  p.Blank();
  p.Heading("结转财务费用");
  p.Debit("财务费用", discount);
  p.Credit("本年利润", discount);
}

void PressForm68(Press& p) {
  Figure price = p.Read(1), inputVat = p.Read(2), discount = p.Read(3), discountRate = p.Read(4);
  if (discountRate == 0) {
    PrintSettlement(p, price, inputVat, [&] { return discount; });
  } else if (discountRate > 0) {
    // A rate replaces the discount amount.
    PrintSettlement(p, price, inputVat, [&] { return p.Check((inputVat + price) * discountRate); });
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
