// Form14: discounting an interest-bearing note at the bank, and the entries when the note is
// not honoured.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm14(Press& p) {
  Figure A = p.Read(1), n = p.Read(2), i = p.Read(3), k = p.Read(4), h = p.Read(5);
  Figure P = p.Check(n - h, "贴现天数");                  // days discounted
  Figure M = p.Check(((i * n) / 360 + 1) * A, "到期值");  // value at maturity
  Figure Q = p.Check(((M * k) * P) / 360, "贴现息");      // discount
  Figure N = p.Check(M - Q, "贴现所得");                  // proceeds
  Figure F = p.Check(N - A);
  p.Heading("票据贴现");
  p.Line("银行存款（借）", N);
  // A gain is credited to finance costs; a loss is debited as a positive amount.
  if (F >= 0) {
    p.Line("财务费用（贷）", F);
  } else {
    p.Line("财务费用（借）", -F);
  }
  p.Line("应收票据（贷）", A);
  p.Blank();
  p.Heading("若银行无力支付票据");
  p.Line("应收账款（借）", N);
  p.Line("银行存款（贷）", N);
  p.Blank();
  p.Heading("若付款人无力支付利息");
  p.Line("应收账款（借）", N);
  p.Line("短期借款（贷）", N);
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
