// Form71: a sale of raw materials, booked as other business income and cost.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm71(Press& p) {
  Figure salesPrice = p.Read(1), outputVat = p.Read(2), cost = p.Read(3);
  p.Heading("确认收入");
  Figure receivable = p.Check(salesPrice + outputVat);
  p.Debit("应收账款", receivable);
  p.Credit("其他业务收入", salesPrice);
  p.Credit("应交税费-应交增值税（销）", outputVat);
  p.Blank();
  p.Heading("结转原材料成本");
  p.Debit("其他业务成本", cost);
  p.Credit("原材料", cost);
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
