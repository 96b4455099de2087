// Form41: a long-term bond bought at a premium or discount, its yearly straight-line
// amortisation with the interest, and the repayment of the principal.
#include "core/engine/topic.h"
#include "core/topics/investments/long_bond.h"

namespace varnello {
namespace {

void PressForm41(Press& p) {
  Figure faceValue = p.Read(1), price = p.Read(2), fees = p.Read(3), couponRate = p.Read(4),
         years = p.Read(5);
  Figure discount = PrintLongBondPurchase(p, faceValue, price, fees);
  if (years > 0) {
    Figure yearlyInterest = p.Check(couponRate * faceValue, "年利息");
    Figure yearlyAmortisation = p.Div(discount, years, "年摊销额");
    Figure investmentIncome = p.Check(yearlyInterest + yearlyAmortisation);
    p.Blank();
    p.Heading("每年计提利息");
    p.Debit("应收利息", yearlyInterest);
    if (yearlyAmortisation > 0) p.Debit("长期债权投资（溢折价）", yearlyAmortisation);
    p.Credit("投资收益", investmentIncome);
    if (yearlyAmortisation < 0) p.Credit("长期债权投资（溢折价）", -yearlyAmortisation);
    p.Blank();
    p.Heading("每年收到利息");
    p.Debit("银行存款", yearlyInterest);
    p.Credit("应收利息", yearlyInterest);
  }
  p.Blank();
  p.Heading("收回本金");
  p.Debit("银行存款", faceValue);
  p.Line("长期债权投资（面值）", faceValue);
}

constexpr Item kItems[] = {Field(1, "债券面值"), Field(2, "支付价款"), Field(3, "相关税费"),
                           Field(4, "票面利率"), Field(5, "发行年限")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm41{
    .id = "Form41",
    .columns = kColumns,
    .press = PressForm41,
};

}  // namespace varnello
