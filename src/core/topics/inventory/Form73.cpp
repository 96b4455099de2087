// Form73: raw materials issued to production, overhead, administration, selling and construction.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm73(Press& p) {
  Figure production = p.Read(1), overhead = p.Read(2), administration = p.Read(3), selling = p.Read(4),
         construction = p.Read(5), vat = p.Read(6);
  p.Heading("领用原材料");
  p.Debit("生产成本", production);
  p.Debit("制造费用", overhead);
  p.Debit("管理费用", administration);
  p.Debit("销售费用", selling);
  p.Debit("在建工程", construction);
  p.Debit("增值税费用", vat);
  p.Credit("原材料", p.Check((((overhead + production) + administration) + selling) + construction));
  p.Credit("应交税金", vat);
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
