// Form73: raw materials issued to production, overhead, administration, selling and construction.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm73(Press& p) {
  Figure A = p.Read(1), B = p.Read(2), C = p.Read(3), D = p.Read(4), E = p.Read(5), V = p.Read(6);
  p.Heading("领用原材料");
  p.Line("生产成本（借）", A);
  p.Line("制造费用（借）", B);
  p.Line("管理费用（借）", C);
  p.Line("销售费用（借）", D);
  p.Line("在建工程（借）", E);
  p.Line("增值税费用（借）", V);
  p.Line("原材料（贷）", p.Check((((B + A) + C) + D) + E));
  p.Line("应交税金（贷）", V);
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
