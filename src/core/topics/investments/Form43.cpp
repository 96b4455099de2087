// Form43: a lot of long-term bonds bought, its interest and amortisation, and its transfer.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm43(Press& p) {
  Figure Q = p.Read(1), N = p.Read(2), price = p.Read(3), F = p.Read(4), r = p.Read(5), Y = p.Read(6),
         S = p.Read(7), t = p.Read(8);
  p.Heading("购入债券");
  Figure X1 = p.Check(price * Q, "买价");  // purchase price of the lot
  Figure C = p.Check(X1 + F, "成本");      // cost
  Figure X2 = p.Check(N * Q, "面值");      // face value of the lot
  Figure Z = p.Check(C - X2, "溢折价");    // positive for a premium, negative for a discount
  p.Line("长期债权投资-面值(借)", X2);
  if (Z > 0) p.Line("长期债权投资-溢折价（借）", Z);
  p.Line("银行存款（贷）", C);
  if (Z < 0) p.Line("长期债权投资-溢折价（贷）", -Z);
  p.Blank();

  // Interest and amortisation exist only for a positive amortisation term; otherwise they stay
  // uncomputed: their lines print captions alone and they count as 0 below.
  FigureHolder J, A, G;
  if (Y > 0) {
    p.Heading("计提利息");
    J = p.Check(X2 * r);
    A = p.Div(Z, Y);
    G = p.Check(J.value() - A.value());
    p.Line("应收利息（借）", J);
    if (A.value() < 0) p.Line("长期债权投资（借）", -A.value());
    if (A.value() > 0) p.Line("长期债权投资（贷）", A);
    p.Line("投资收益（贷）", G);
  }
  p.Blank();
  p.Heading("收到利息");
  p.Line("银行存款（借）", J);
  p.Line("投资收益（贷）", J);
  p.Blank();

  Figure W = p.Check(Z - (A.value() * t), "剩余溢折价");  // premium or discount left at the transfer
  Figure L = p.Check((S - X2) - W, "转让收益");           // gain on the transfer
  // No transfer entry when either figure is zero. The bank receives the net proceeds S.
  if (W > 0 && L < 0) {
    p.Line("银行存款（借）", S);
    p.Line("投资收益（借）", -L);
    p.Line("长期债券投资（面值）（贷）", X2);
    p.Line("长期债券投资（溢折价）（贷）", W);
  } else if (W > 0 && L > 0) {
    p.Line("银行存款（借）", S);
    p.Line("投资收益（贷）", L);
    p.Line("长期债券投资（面值）（贷）", X2);
    p.Line("长期债券投资（溢折价）（贷）", W);
  } else if (W < 0 && L > 0) {
    p.Line("银行存款（借）", S);
    p.Line("长期债券投资（溢折价）（借）", -W);
    p.Line("投资收益（贷）", L);
    p.Line("长期债券投资（面值）（贷）", X2);
  } else if (W < 0 && L < 0) {
    p.Line("银行存款（借）", S);
    p.Line("长期债券投资（溢折价）（借）", -W);
    p.Line("投资收益（借）", -L);
    p.Line("长期债券投资（面值）（贷）", X2);
  }
}

constexpr Item kItems[] = {Field(1, "债券数量"),   Field(2, "债券面值"),      Field(3, "购入价格"),
                           Field(4, "相关税费"),   Field(5, "票面利率"),      Field(6, "转让年限"),
                           Field(7, "转让净收入"), Field(8, "转让时间（年）")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm43{
    .id = "Form43",
    .columns = kColumns,
    .press = PressForm43,
};

}  // namespace varnello
