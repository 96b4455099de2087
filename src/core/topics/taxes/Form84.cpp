// Form84: own materials used for rebuilding, and own goods given out as staff welfare.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm84(Press& p) {
  Figure B = p.Read(1), a = p.Read(2), K = p.Read(3), G = p.Read(4), b = p.Read(5);
  // The rebuilding cost guards the whole output, the welfare case included.
  if (B <= 0) return;
  p.Heading("改造");
  Figure project = p.Check(B + a * B);
  p.Line("在建工程（借）", project);
  p.Line("原材料（贷）", B);
  Figure outVat = p.Check(a * B);
  p.Line("应交税费-应交增值税（进）（贷）", outVat);
  p.Blank();
  p.Heading("分发福利");
  Figure welfare = p.Check(b * G + G);
  p.Line("应付职工薪酬（借）", welfare);
  p.Line("主营业务收入（贷）", G);
  Figure salesVat = p.Check(b * G);
  p.Line("应交税费-应交增值税（销）（贷）", salesVat);
  p.Blank();
  p.Heading("结转成本");
  p.Line("主营业务成本（借）", K);
  p.Line("库存商品（贷）", K);
}

constexpr Item kItems[] = {Section("改造"),  Field(1, "在建工程"), Field(2, "税率"), Section("分发福利"),
                           Field(3, "成本"), Field(4, "货值"),     Field(5, "税率")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm84{
    .id = "Form84",
    .columns = kColumns,
    .press = PressForm84,
};

}  // namespace varnello
