// Form41: a long-term bond bought at a premium or discount, its yearly straight-line
// amortisation with the interest, and the repayment of the principal.
#include "core/engine/topic.h"
#include "core/topics/investments/long_bond.h"

namespace varnello {
namespace {

void PressForm41(Press& p) {
  Figure N = p.Read(1), P = p.Read(2), F = p.Read(3), r = p.Read(4), Y = p.Read(5);
  Figure Z = PrintLongBondPurchase(p, N, P, F);
  if (Y > 0) {
    Figure J = p.Check(r * N, "年利息");  // yearly interest
    Figure A = p.Div(Z, Y, "年摊销额");   // yearly amortisation
    Figure G = p.Check(J + A);
    p.Blank();
    p.Heading("每年计提利息");
    p.Line("应收利息（借）", J);
    if (A > 0) p.Line("长期债权投资（溢折价）（借）", A);
    p.Line("投资收益（贷）", G);
    if (A < 0) p.Line("长期债权投资（溢折价）（贷）", -A);
    p.Blank();
    p.Heading("每年收到利息");
    p.Line("银行存款（借）", J);
    p.Line("应收利息（贷）", J);
  }
  p.Blank();
  p.Heading("收回本金");
  p.Line("银行存款（借）", N);
  p.Line("长期债权投资（面值）", N);
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
