// Form15: an interest-bearing note received on a sale, its monthly interest and its payment.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm15(Press& p) {
  Figure A = p.Read(1), m = p.Read(2), G = p.Read(3), V = p.Read(4), i = p.Read(5);
  p.Heading("取得票据");
  p.Line("应收票据（借）", A);
  p.Line("主营业务收入（贷）", G);
  p.Line("应交税费-应交增值税（销）（贷）", V);
  p.Blank();
  Figure I = p.Check((i * A) / 12, "每月利息");  // one month's interest
  p.Line("应收票据（借）", I);
  p.Line("财务费用（贷）", I);
  p.Blank();
  Figure M = p.Check(((i * m) / 12 + 1) * A, "到期值");  // value at maturity
  Figure J = p.Check(M - I);
  p.Heading("据本付息时");
  p.Line("银行存款（借）", M);
  p.Line("应收票据（贷）", J);
  p.Line("财务费用（贷）", I);
  p.Blank();
  p.Heading("若不带利息");
  p.Line("银行存款（借）", A);
  p.Line("应收票据（贷）", A);
}

constexpr Item kItems[] = {Field(1, "票据面值"), Field(2, "期限（月）"), Field(3, "货款"), Field(4, "增值税"),
                           Field(5, "年利率")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm15{
    .id = "Form15",
    .width = 10170,
    .height = 9165,
    .columns = kColumns,
    .press = PressForm15,
};

}  // namespace varnello
