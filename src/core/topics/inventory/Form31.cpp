// Form31: raw materials missing at a stocktaking, with scrap salvaged and compensation due.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm31(Press& p) {
  Figure q = p.Read(1), c = p.Read(2), t = p.Read(3), I = p.Read(4), R = p.Read(5), K = p.Read(6);
  p.Heading("批准前");
  p.Line("原材料-残料（借）", R);
  p.Line("原材料（贷）", R);
  p.Blank();
  // Net loss, the input VAT transferred out on it, and their sum moved to suspense.
  Figure N = p.Check((c * q) - R);
  Figure X = p.Check(t * N);
  Figure S = p.Check(N + X);
  p.Line("待处理财产损溢（借）", S);
  p.Line("原材料（贷）", N);
  p.Line("应交税费-应交增值税（进）（贷）", X);
  p.Blank();
  p.Heading("批准后");
  Figure O = p.Check((S - I) - K);
  p.Line("营业外支出-盘亏（借）", O);
  p.Line("其他应收款-保险公司（借）", I);
  p.Line("其他应收款-责任人（借）", K);
  p.Line("待处理财产损溢（贷）", S);
}

constexpr Item kItems[] = {Field(1, "原材料盘亏数量"), Field(2, "原材料成本"), Field(3, "增值税税率"),
                           Field(4, "保险赔偿"),       Field(5, "原材料残料"), Field(6, "人员赔偿")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm31{
    .id = "Form31",
    .columns = kColumns,
    .press = PressForm31,
};

}  // namespace varnello
