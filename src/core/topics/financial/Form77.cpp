// Form77: a note payable given for goods, paid at maturity or left unpaid.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm77(Press& p) {
  Figure faceValue = p.Read(1), termMonths = p.Read(2), goodsPrice = p.Read(3), vat = p.Read(4),
         annualRate = p.Read(5), fees = p.Read(6);
  p.Heading("支付手续费");
  p.Debit("财务费用", fees);
  p.Credit("银行存款", fees);
  p.Blank();
  p.Heading("支付汇票");
  p.Debit("在途物资", goodsPrice);
  p.Debit("应交税费-应交增值税（进）", vat);
  Figure notePayable = p.Check(vat + goodsPrice);
  p.Credit("应付票据", notePayable);
  p.Blank();
  p.Heading("原材料入库");
  p.Debit("原材料", goodsPrice);
  p.Credit("在途物资", goodsPrice);
  p.Blank();
  p.Heading("到期支付本息");
  Figure termInterest =
      p.Check(((annualRate * faceValue) * termMonths) / 12, "全期利息");  // interest over the term
  p.Debit("应付票据", faceValue);
  p.Debit("财务费用-利息费用", termInterest);
  Figure maturityValue = p.Check(faceValue + termInterest);
  p.Credit("银行存款", maturityValue);
  p.Blank();
  p.Heading("若为不带息票据");
  p.Debit("应付票据", faceValue);
  p.Credit("银行存款", faceValue);
  p.Blank();
  p.Heading("若无力支付（无息）");
  p.Debit("应付票据", faceValue);
  p.Credit("短期借款", faceValue);
  p.Blank();
  p.Heading("若无力支付（商业带息）");
  p.Debit("应付票据", faceValue);
  p.Debit("财务费用", termInterest);
  p.Credit("应付账款", maturityValue);
  p.Blank();
  p.Heading("若无力支付（银行带息）");
  p.Debit("应付票据", faceValue);
  p.Debit("财务费用", termInterest);
  p.Credit("短期借款", maturityValue);
}

constexpr Item kItems[] = {Field(1, "票据面值"), Field(2, "票据期限（月）"), Field(3, "货款"),
                           Field(4, "增值税"),   Field(5, "年利率"),         Field(6, "手续费")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm77{
    .id = "Form77",
    .width = 9150,
    .height = 8430,
    .columns = kColumns,
    .press = PressForm77,
};

}  // namespace varnello
