// Form44: a long-term bond whose issuer repays only part of it, and the loss on it.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm44(Press& p) {
  Figure couponRate = p.Read(1), faceValue = p.Read(2), years = p.Read(3), yearsAccrued = p.Read(4),
         repaid = p.Read(5);
  p.Heading("购入债券");
  p.Debit("长期债权投资（面值）", faceValue);
  p.Credit("银行存款", faceValue);
  p.Blank();
  Figure interest = p.Check(faceValue * couponRate);
  p.Heading("计提利息");
  p.Debit("长期债券投资", interest);
  p.Credit("投资收益", interest);
  p.Blank();
  // The heading shares its output line with the bank debit that follows.
  p.Open("收回债券");
  // Interest of the years not yet accrued.
  Figure interestNotAccrued = p.Check((years - yearsAccrued) * (faceValue * couponRate), "未计提利息");
  Figure loss = p.Check((interestNotAccrued + faceValue) - repaid, "损失");
  p.Debit("银行存款", repaid);
  p.Debit("营业外支出-坏账损失", loss);
  p.Credit("长期债券投资（面值）", faceValue);
  p.Credit("长期债券投资（利息）", interestNotAccrued);
}

constexpr Item kItems[] = {Field(1, "票面利率"), Field(2, "债券面值"), Field(3, "发行年限"),
                           Field(4, "已计年限"), Field(5, "归还价值")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm44{
    .id = "Form44",
    .columns = kColumns,
    .press = PressForm44,
};

}  // namespace varnello
