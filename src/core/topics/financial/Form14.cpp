// Form14: discounting an interest-bearing note at the bank, and the entries when the note is
// not honoured.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm14(Press& p) {
  Figure faceValue = p.Read(1), termDays = p.Read(2), couponRate = p.Read(3), discountRate = p.Read(4),
         daysElapsed = p.Read(5);
  Figure discountDays = p.Check(termDays - daysElapsed, "贴现天数");  // days discounted
  Figure maturityValue =
      p.Check(((couponRate * termDays) / 360 + 1) * faceValue, "到期值");  // value at maturity
  Figure discount = p.Check(((maturityValue * discountRate) * discountDays) / 360, "贴现息");  // discount
  Figure proceeds = p.Check(maturityValue - discount, "贴现所得");                             // proceeds
  Figure proceedsOverFace = p.Check(proceeds - faceValue);
  p.Heading("票据贴现");
  p.Debit("银行存款", proceeds);
  // A gain is credited to finance costs; a loss is debited as a positive amount.
  if (proceedsOverFace >= 0) {
    p.Credit("财务费用", proceedsOverFace);
  } else {
    p.Debit("财务费用", -proceedsOverFace);
  }
  p.Credit("应收票据", faceValue);
  p.Blank();
  p.Heading("若银行无力支付票据");
  p.Debit("应收账款", proceeds);
  p.Credit("银行存款", proceeds);
  p.Blank();
  p.Heading("若付款人无力支付利息");
  p.Debit("应收账款", proceeds);
  p.Credit("短期借款", proceeds);
}

constexpr Item kItems[] = {Field(1, "票面价值"), Field(2, "贴现期限（天）"), Field(3, "票面利率（年）"),
                           Field(4, "年贴现率"), Field(5, "未贴现时间")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm14{
    .id = "Form14",
    .width = 9780,
    .height = 8805,
    .columns = kColumns,
    .press = PressForm14,
};

}  // namespace varnello
