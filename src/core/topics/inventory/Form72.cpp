// Form72: damaged products: what is salvaged back into stock, and the loss after insurance.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm72(Press& p) {
  Figure q = p.Read(1), c = p.Read(2), m = p.Read(3), R = p.Read(4), I = p.Read(5), t = p.Read(6);
  p.Heading("收回价格");
  p.Line("原材料（借）", R);
  p.Line("库存商品（贷）", R);
  p.Blank();
  p.Heading("获赔保险");
  // Input VAT is transferred out on the material cost net of what is salvaged.
  Figure X = p.Check(((m * q) - R) * t);
  Figure K = p.Check((c * q) - R);
  Figure O = p.Check((X + K) - I);
  p.Line("营业外支出-非常损失（借）", O);
  p.Line("其他应收款-保险公司（借）", I);
  p.Line("库存商品（贷）", K);
  p.Line("应交税金-应交增值税（进）（贷）", X);
}

constexpr Item kItems[] = {Field(1, "产品数量"),     Field(2, "实际成本"), Field(3, "耗用材料"),
                           Field(4, "回收价格(总)"), Field(5, "保险赔偿"), Field(6, "增值税税率")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm72{
    .id = "Form72",
    .columns = kColumns,
    .press = PressForm72,
};

}  // namespace varnello
