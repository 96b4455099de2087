// Form94: taxable goods processed on commission, printed twice: taken back for further taxable
// production (the consumption tax is deductible) and taken back for sale (the tax is cost).
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm94(Press& p) {
  Figure cost = p.Read(1), processingFee = p.Read(2), vatRate = p.Read(3), consumptionTax = p.Read(4);
  p.Heading("用于生产应税消费品");
  p.Debit("委托加工物资", cost);
  p.Credit("原材料", cost);
  p.Blank();
  p.Debit("委托加工物资", processingFee);
  Figure inputVat = p.Check(vatRate * processingFee, "进项税额");  // input VAT on the fee
  p.Debit("应交税费-应交增值税（进）", inputVat);
  p.Debit("应交税费-应交消费税", consumptionTax);
  Figure payableToProcessor = p.Check((processingFee + inputVat) + consumptionTax, "应付加工费");
  p.Credit("应付账款", payableToProcessor);
  p.Blank();
  Figure returnedForProduction = p.Check(processingFee + cost);
  p.Debit("原材料", returnedForProduction);
  p.Credit("委托加工物资", returnedForProduction);
  p.Blank();
  p.Blank();
  p.Blank();

  p.Heading("用于销售");
  p.Debit("委托加工物资", cost);
  p.Credit("原材料", cost);
  p.Blank();
  Figure processingCharge = p.Check(consumptionTax + processingFee);
  p.Debit("委托加工物资", processingCharge);
  p.Debit("应交税费-应交增值税", inputVat);
  p.Credit("应付账款", payableToProcessor);
  p.Blank();
  Figure returnedForSale = p.Check((consumptionTax + processingFee) + cost);
  p.Debit("原材料", returnedForSale);
  p.Credit("委托加工物资", returnedForSale);
}

constexpr Item kItems[] = {Field(1, "成本"), Field(2, "应付加工费"), Field(3, "增值税税率"),
                           Field(4, "消费税额")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm94{
    .id = "Form94",
    .columns = kColumns,
    .press = PressForm94,
};

}  // namespace varnello
