// Form80: goods received as a capital contribution, split into goods and input VAT.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm80(Press& p) {
  Figure registeredCapital = p.Read(1), share = p.Read(2), appraisedValue = p.Read(3), vatRate = p.Read(4);
  // Every amount is computed before anything is printed: a fault leaves the surface untouched.
  Figure goods = p.Div(appraisedValue, vatRate + 1);
  Figure vat = p.Check(appraisedValue - p.Div(appraisedValue, vatRate + 1));
  Figure capital = p.Check(share * registeredCapital);
  Figure premium = p.Check(appraisedValue - share * registeredCapital);
  p.Heading("接受投资物");
  p.Debit("库存商品", goods);
  p.Line("应交税费-应交增值税（进）", vat);
  p.Credit("实收资本", capital);
  p.Credit("资本公积-资本溢价", premium);
}

constexpr Item kItems[] = {Field(1, "注册资本"), Field(2, "投资占比"), Field(3, "产品总估值"),
                           Field(4, "增值税税率")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm80{
    .id = "Form80",
    .columns = kColumns,
    .press = PressForm80,
};

}  // namespace varnello
