// Form71: a sale of raw materials, booked as other business income and cost.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm71(Press& p) {
  Figure salesPrice = p.Read(1), outputVat = p.Read(2), cost = p.Read(3);
  p.Heading("确认收入");
  Figure receivable = p.Check(salesPrice + outputVat);
  p.Line("应收账款（借）", receivable);
  p.Line("其他业务收入（贷）", salesPrice);
  p.Line("应交税费-应交增值税（销）（贷）", outputVat);
  p.Blank();
  p.Heading("结转原材料成本");
  p.Line("其他业务成本（借）", cost);
  p.Line("原材料（贷）", cost);
}

constexpr Item kItems[] = {Field(1, "其他业务总额"), Field(2, "应交增值税（销）"), Field(3, "成本总额")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm71{
    .id = "Form71",
    .columns = kColumns,
    .press = PressForm71,
};

}  // namespace varnello
