// Form108: equipment bought on long-term credit and paid off month by month.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm108(Press& p) {
  Figure equipmentPrice = p.Read(1), vat = p.Read(2), downPayment = p.Read(3), balanceOwed = p.Read(4),
         monthlyPayment = p.Read(5), paymentYears = p.Read(6);
  p.Heading("购入设备");
  p.Debit("固定资产", equipmentPrice);
  p.Debit("应交税费", vat);
  p.Credit("长期应付款", balanceOwed);
  p.Credit("银行存款", downPayment);
  p.Blank();
  p.Heading("每月支付设备款");
  p.Debit("长期应付款", monthlyPayment);
  p.Credit("银行存款", monthlyPayment);
  p.Blank();
  p.Heading("最后一期付款");
  // Every month of the term but the last is paid with the monthly payment; the rest is left.
  Figure lastPayment = p.Check(balanceOwed - (((paymentYears * 12) - 1) * monthlyPayment));
  p.Debit("长期应付款", lastPayment);
  p.Credit("银行存款", lastPayment);
}

constexpr Item kItems[] = {Field(1, "设备总额"), Field(2, "增值税"),   Field(3, "首付"),
                           Field(4, "余付"),     Field(5, "每月付款"), Field(6, "付款年数")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm108{
    .id = "Form108",
    .columns = kColumns,
    .press = PressForm108,
};

}  // namespace varnello
