// Form118: own shares bought back and cancelled; the price above par is taken from the share
// premium first, then from the surplus reserve.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm118(Press& p) {
  Figure u = p.Read(1), Pr = p.Read(2), Sv = p.Read(3), n = p.Read(4), price = p.Read(5);
  p.Heading("回购股份");
  Figure X = p.Check(price * n, "回购价款");  // price of the repurchase
  p.Line("库存股（借）", X);
  p.Line("银行存款（贷）", X);
  p.Blank();
  p.Heading("注销股份");
  Figure S = p.Check(n * u, "股本面值");    // par value of the shares
  Figure A = p.Check((n * u) + Pr);         // par plus the share premium
  Figure B = p.Check(((n * u) + Pr) + Sv);  // ... plus the surplus reserve
  // Each case is tested on its own: with a negative premium or reserve two of them can hold.
  if (X <= S) {
    p.Line("股本（借）", S);
    p.Line("库存股（贷）", X);
    Figure left = p.Check(S - X);
    p.Line("资本公积-股本溢价（贷）", left);
  }
  if (S < X && X <= A) {
    p.Line("股本（借）", S);
    Figure premium = p.Check(X - S);
    p.Line("资本公积-股本溢价（借）", premium);
    p.Line("库存股（贷）", X);
  }
  if (A < X && X <= B) {
    p.Line("股本（借）", S);
    p.Line("资本公积-股本溢价（借）", Pr);
    Figure reserve = p.Check((X - S) - Pr);
    p.Line("盈余公积（借）", reserve);
    p.Line("库存股（贷）", X);
  }
}

constexpr Item kItems[] = {Field(1, "股本单价"), Field(2, "资本公积（股本溢价）"), Field(3, "盈余公积"),
                           Field(4, "回购数量"), Field(5, "回购价格")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm118{
    .id = "Form118",
    .columns = kColumns,
    .press = PressForm118,
};

}  // namespace varnello
