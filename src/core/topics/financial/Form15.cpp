// Form15: an interest-bearing note received on a sale, its monthly interest and its payment.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm15(Press& p) {
  Figure faceValue = p.Read(1), termMonths = p.Read(2), goodsPrice = p.Read(3), vat = p.Read(4),
         annualRate = p.Read(5);
  p.Heading("取得票据");
  p.Debit("应收票据", faceValue);
  p.Credit("主营业务收入", goodsPrice);
  p.Credit("应交税费-应交增值税（销）", vat);
  p.Blank();
  Figure monthlyInterest = p.Check((annualRate * faceValue) / 12, "每月利息");  // one month's interest
  p.Debit("应收票据", monthlyInterest);
  p.Credit("财务费用", monthlyInterest);
  p.Blank();
  Figure maturityValue =
      p.Check(((annualRate * termMonths) / 12 + 1) * faceValue, "到期值");  // value at maturity
  Figure noteBalance = p.Check(maturityValue - monthlyInterest);
  p.Heading("据本付息时");
  p.Debit("银行存款", maturityValue);
  p.Credit("应收票据", noteBalance);
  p.Credit("财务费用", monthlyInterest);
  p.Blank();
  p.Heading("若不带利息");
  p.Debit("银行存款", faceValue);
  p.Credit("应收票据", faceValue);
}

constexpr Item kItems[] = {Field(1, "票据面值"), Field(2, "期限（月）"), Field(3, "货款"), Field(4, "增值税"),
                           Field(5, "年利率")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm15{
    .id = "Form15",
    .width = 10170,
    .height = 9165,
    .columns = kColumns,
    .press = PressForm15,
};

}  // namespace varnello
