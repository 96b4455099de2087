// Form42: a long-term bond bought at a premium or discount, amortised over a number of months.
#include "core/engine/topic.h"
#include "core/topics/investments/long_bond.h"

namespace varnello {
namespace {

void PressForm42(Press& p) {
  Figure faceValue = p.Read(1), price = p.Read(2), fees = p.Read(3), couponRate = p.Read(4),
         termMonths = p.Read(5), amortisedMonths = p.Read(6);
  Figure discount = PrintLongBondPurchase(p, faceValue, price, fees);
  // Without a remaining term nothing is computed: the interest lines print their captions alone
  // and the amortisation lines are left out.
  FigureHolder interest, amortisation, investmentIncome;
  if (termMonths > 0) {
    interest = p.Check(couponRate * faceValue);
    amortisation = p.Div(discount * amortisedMonths, termMonths);
    investmentIncome = p.Check(amortisation.value() + interest.value());
  }
  p.Blank();
  p.Heading("计提利息");
  p.Debit("应收利息", interest);
  if (amortisation.value() > 0) p.Debit("长期债券投资（溢折价）", amortisation);
  p.Credit("投资收益", investmentIncome);
  if (amortisation.value() < 0) p.Credit("长期债券投资（溢折价）", -amortisation.value());
  p.Blank();
  p.Heading("收到利息");
  p.Debit("银行存款", interest);
  p.Credit("应收利息", interest);
}

constexpr Item kItems[] = {Field(1, "债券面值"), Field(2, "支付价款"),     Field(3, "相关税费"),
                           Field(4, "票面利率"), Field(5, "存续期（月）"), Field(6, "摊销存续期（月）")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm42{
    .id = "Form42",
    .columns = kColumns,
    .press = PressForm42,
};

}  // namespace varnello
