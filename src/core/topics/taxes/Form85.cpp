// Form85: donation of own materials, charged at their taxable price plus output VAT.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm85(Press& p) {
  Figure cost = p.Read(1), taxablePrice = p.Read(2), outputVat = p.Read(3);
  p.Heading("捐赠");
  Figure expense = p.Check(outputVat + taxablePrice);
  p.Debit("营业外支出", expense);
  p.Credit("其他业务收入", taxablePrice);
  p.Credit("应交税费-应交增值税（销）", outputVat);
  p.Blank();
  p.Heading("结转原材料");
  p.Debit("其他业务成本", cost);
  p.Credit("原材料", cost);
}

constexpr Item kItems[] = {Field(1, "捐赠成本"), Field(2, "计税价格"), Field(3, "增值税")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm85{
    .id = "Form85",
    .columns = kColumns,
    .press = PressForm85,
};

}  // namespace varnello
