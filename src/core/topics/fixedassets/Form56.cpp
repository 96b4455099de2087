// Form56: sale of a fixed asset: write-off, proceeds, the tax contained in the price, and the
// net result carried to non-operating items.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm56(Press& p) {
  Figure O = p.Read(1), P = p.Read(2), Dp = p.Read(3), t = p.Read(4);
  p.Heading("注销固定资产价值");
  Figure N = p.Check(O - Dp, "账面净值");  // net book value
  p.Line("固定资产清理（借）", N);
  p.Line("累计折旧（借）", Dp);
  p.Line("固定资产（贷）", O);
  p.Blank();
  p.Heading("取得转让收入");
  p.Line("银行存款（借）", P);
  p.Line("固定资产清理（贷）", P);
  p.Blank();
  p.Heading("计算增值税");
  // The tax contained in a tax-inclusive price; a rate of -1 divides by zero.
  Figure V = p.Check(p.Div(P, t + 1) * t);
  p.Line("固定资产清理（借）", V);
  p.Line("应交税费-应交增值税（销）（贷）", V);
  p.Blank();
  Figure X = p.Check((P - N) - V, "出售净损益");  // net result of the sale
  p.Heading("结转清理净支出");
  if (X < 0) {
    p.Line("营业外支出（借）", -X);
    p.Line("固定资产清理（贷）", -X);
  }
  if (X > 0) {
    p.Line("固定资产清理（借）", X);
    p.Line("营业外支出（贷）", X);
  }
}

constexpr Item kItems[] = {Field(1, "固定资产原价"), Field(2, "转让价"), Field(3, "计提折旧"),
                           Field(4, "增值税税率")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm56{
    .id = "Form56",
    .columns = kColumns,
    .press = PressForm56,
};

}  // namespace varnello
