// Form37: a bond held for trading, from purchase through fair-value changes to its sale.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm37(Press& p) {
  Figure P = p.Read(1), I = p.Read(2), F = p.Read(3), N = p.Read(4), r = p.Read(5), m = p.Read(6),
         C = p.Read(7), Y = p.Read(8), S = p.Read(9), B = p.Read(10);
  p.Heading("购入债券");
  p.Line("交易性金融资产-债券成本（借）", N);
  p.Line("应收利息（借）", I);
  p.Line("投资收益（借）", F);
  p.Line("银行存款（贷）", P);
  p.Blank();

  p.Heading("收到利息");
  if (m > 0) {
    Figure J = p.Div(r * N, m, "每期利息");  // one coupon payment
    p.Line("银行存款（借）", J);
    p.Line("应收利息（贷）", J);
  }
  p.Blank();

  p.Heading("公允价值变动");
  Figure D = p.Check(C - B);
  if (D > 0) {
    p.Line("交易性金融资产-公允价值变动（借）", D);
    p.Line("公允价值变动损益（贷）", D);
  }
  if (D < 0) {
    p.Line("公允价值变动损益（借）", -D);
    p.Line("交易性金融资产-公允价值变动（贷）", -D);
  }
  p.Blank();

  // E: the fair-value change booked before the sale; H: the gain on the sale. Each sign case of
  // the pair puts debits first, then the cost, then credits.
  Figure E = p.Check(B - N);
  Figure H = p.Check(S - B);
  p.Heading("出售债券");
  p.Line("银行存款（借）", S);
  if (E < 0) p.Line("交易性金融资产-公允价值变动（借）", -E);
  if (H < 0) p.Line("投资收益（借）", -H);
  p.Line("交易性金融资产-债券成本（贷）", N);
  if (E > 0) p.Line("交易性金融资产-公允价值变动（贷）", E);
  if (H > 0) p.Line("投资收益（贷）", H);
  p.Blank();

  p.Heading("债券总利息");
  Figure total = p.Check((Y * N) * r);
  p.Line("债券总利息", total);
}

constexpr Item kItems[] = {Field(1, "支付债价合计"),      Field(2, "未领取利息"), Field(3, "交易费用"),
                           Field(4, "债券面值/初期公允"), Field(5, "票面年利率"), Field(6, "年付息次数"),
                           Field(7, "当期公允价值"),      Field(8, "总年限"),     Field(9, "债券售价"),
                           Field(10, "前期公允价值")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm37{
    .id = "Form37",
    .columns = kColumns,
    .press = PressForm37,
};

}  // namespace varnello
