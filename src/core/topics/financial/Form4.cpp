// Form4: a commercial bill with interest, from receipt through the year end to payment.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm4(Press& p) {
  Figure faceValue = p.Read(1), annualRate = p.Read(2), termMonths = p.Read(3), monthsToYearEnd = p.Read(4);
  p.Heading("汇票");
  Figure yearEndInterest = p.Check(((annualRate * faceValue) / 12) * monthsToYearEnd,
                                   "年末应计利息");  // interest accrued up to the year end
  Figure yearEndAmount = p.Check(faceValue + yearEndInterest);
  Figure termInterest =
      p.Check(((annualRate * faceValue) / 12) * termMonths, "全期利息");  // interest over the whole term
  Figure maturityValue = p.Check(faceValue + termInterest);
  p.Heading("收到时");
  p.Debit("应收票据", faceValue);
  p.Credit("应收账款", faceValue);
  p.Blank();
  p.Heading("年终时");
  p.Debit("应收票据", yearEndAmount);
  p.Credit("应收账款", yearEndAmount);
  p.Blank();
  p.Heading("商业承兑汇票后");
  p.Debit("银行存款", maturityValue);
  p.Credit("应收票据", maturityValue);
}

constexpr Item kItems[] = {Field(1, "票据面值"), Field(2, "年利率"), Field(3, "期限（月）"),
                           Field(4, "取票时间（月）")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm4{
    .id = "Form4",
    .width = 9735,
    .height = 8655,
    .columns = kColumns,
    .press = PressForm4,
};

}  // namespace varnello
