// Form93: taxable goods of own production used by the company: taken for a construction project
// (no VAT), and given to employees (with VAT). Each case prints only when its cost is positive.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm93(Press& p) {
  Figure constructionCost = p.Read(1), consumptionTax = p.Read(2), welfareCost = p.Read(3),
         sellingPrice = p.Read(4), vatRate = p.Read(5), consumptionTaxRate = p.Read(6);
  p.Heading("工程领用");
  if (constructionCost > 0) {
    Figure project = p.Check(consumptionTax + constructionCost);
    p.Debit("在建工程", project);
    p.Credit("库存商品", constructionCost);
    p.Credit("应交税费-应交消费税", consumptionTax);
  }
  p.Blank();
  if (welfareCost > 0) {
    Figure outputVat = p.Check(vatRate * sellingPrice, "销项税额");
    Figure welfareConsumptionTax = p.Check(consumptionTaxRate * sellingPrice, "消费税");
    Figure welfareCharge = p.Check(sellingPrice + outputVat);
    p.Heading("员工补贴领用");
    p.Debit("应付职工薪酬-职工福利费", welfareCharge);
    p.Debit("税金及附加", welfareConsumptionTax);
    p.Credit("主营业务收入", sellingPrice);
    p.Credit("应交税费-应交增值税（销）", outputVat);
    p.Credit("应交税费-应交消费税", welfareConsumptionTax);
    p.Blank();
    p.Debit("主营业务成本", welfareCost);
    p.Credit("库存商品", welfareCost);
  }
}

constexpr Item kItems[] = {Section("无增值税"),    Field(1, "产品成本"),  Field(2, "消费税"),
                           Section("有增值税"),    Field(3, "产品成本"),  Field(4, "售价"),
                           Field(5, "增值税税率"), Field(6, "消费税税率")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm93{
    .id = "Form93",
    .columns = kColumns,
    .press = PressForm93,
};

}  // namespace varnello
