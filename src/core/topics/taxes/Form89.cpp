// Form89: a small-scale taxpayer's purchase, sale and workshop rebuilding. Each case prints only
// when its guard field is positive; the two separating blank lines always print.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm89(Press& p) {
  Figure P = p.Read(1), H = p.Read(2), S = p.Read(3), r = p.Read(4), W = p.Read(5);
  if (H > 0) {
    p.Heading("购买时");
    Figure material = p.Check(P + H);
    p.Line("原材料（借）", material);
    p.Line("应付账款（贷）", H);
    p.Line("银行存款（贷）", P);
  }
  p.Blank();
  if (S > 0) {
    p.Heading("销售时");
    Figure Q = p.Div(S, r + 1, "不含税销售额");  // sales net of the levy
    Figure X = p.Check(Q * r);
    p.Line("银行存款（借）", S);
    p.Line("主营业务收入（贷）", Q);
    p.Line("应交税费-应交增值税（贷）", X);
    p.Blank();
    p.Heading("上交增值税时");
    p.Line("应交税费-应交增值税（借）", X);
    p.Line("银行存款（贷）", X);
  }
  p.Blank();
  if (W > 0) {
    p.Heading("改造车间");
    p.Line("在建工程（借）", W);
    p.Line("原材料（贷）", W);
  }
}

constexpr Item kItems[] = {Section("小规模纳税人购买"), Field(1, "价款"),     Field(2, "运费"),
                           Section("小规模纳税人销售"), Field(3, "销售收入"), Field(4, "增值税税率"),
                           Section("小规模纳税人工程"), Field(5, "改造工程")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm89{
    .id = "Form89",
    .columns = kColumns,
    .press = PressForm89,
};

}  // namespace varnello
