// Form42: a long-term bond bought at a premium or discount, amortised over a number of months.
#include "core/engine/topic.h"
#include "core/topics/investments/long_bond.h"

namespace varnello {
namespace {

void PressForm42(Press& p) {
  Figure N = p.Read(1), P = p.Read(2), F = p.Read(3), r = p.Read(4), M = p.Read(5), K = p.Read(6);
  Figure Z = PrintLongBondPurchase(p, N, P, F);
  // Without a remaining term nothing is computed: the interest lines print their captions alone
  // and the amortisation lines are left out.
  FigureHolder J, A, G;
  if (M > 0) {
    J = p.Check(r * N);
    A = p.Div(Z * K, M);
    G = p.Check(A.value() + J.value());
  }
  p.Blank();
  p.Heading("计提利息");
  p.Line("应收利息（借）", J);
  if (A.value() > 0) p.Line("长期债券投资（溢折价）（借）", A);
  p.Line("投资收益（贷）", G);
  if (A.value() < 0) p.Line("长期债券投资（溢折价）（贷）", -A.value());
  p.Blank();
  p.Heading("收到利息");
  p.Line("银行存款（借）", J);
  p.Line("应收利息（贷）", J);
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
