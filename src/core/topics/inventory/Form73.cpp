// Form73: raw materials issued to production, overhead, administration, selling and construction.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm73(Press& p) {
  Figure production = p.Read(1), overhead = p.Read(2), administration = p.Read(3), selling = p.Read(4),
         construction = p.Read(5), vat = p.Read(6);
  p.Heading("领用原材料");
  p.Line("生产成本（借）", production);
  p.Line("制造费用（借）", overhead);
  p.Line("管理费用（借）", administration);
  p.Line("销售费用（借）", selling);
  p.Line("在建工程（借）", construction);
  p.Line("增值税费用（借）", vat);
  p.Line("原材料（贷）", p.Check((((overhead + production) + administration) + selling) + construction));
  p.Line("应交税金（贷）", vat);
}

constexpr Item kItems[] = {Field(1, "生产成本"), Field(2, "制造费用"), Field(3, "管理费用"),
                           Field(4, "销售费用"), Field(5, "在建工程"), Field(6, "增值税")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm73{
    .id = "Form73",
    .columns = kColumns,
    .press = PressForm73,
};

}  // namespace varnello
