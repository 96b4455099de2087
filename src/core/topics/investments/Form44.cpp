// Form44: a long-term bond whose issuer repays only part of it, and the loss on it.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm44(Press& p) {
  Figure r = p.Read(1), N = p.Read(2), Y = p.Read(3), k = p.Read(4), R = p.Read(5);
  p.Heading("购入债券");
  p.Line("长期债权投资（面值）（借）", N);
  p.Line("银行存款（贷）", N);
  p.Blank();
  Figure J = p.Check(N * r);
  p.Heading("计提利息");
  p.Line("长期债券投资（借）", J);
  p.Line("投资收益（贷）", J);
  p.Blank();
  // The heading shares its output line with the bank debit that follows.
  p.Open("收回债券");
  Figure X = p.Check((Y - k) * (N * r), "未计提利息");  // interest of the years not yet accrued
  Figure B = p.Check((X + N) - R, "损失");              // the loss
  p.Line("银行存款（借）", R);
  p.Line("营业外支出-坏账损失（借）", B);
  p.Line("长期债券投资（面值）（贷）", N);
  p.Line("长期债券投资（利息）（贷）", X);
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
