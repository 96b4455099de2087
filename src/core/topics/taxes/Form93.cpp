// Form93: taxable goods of own production used by the company: taken for a construction project
// (no VAT), and given to employees (with VAT). Each case prints only when its cost is positive.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm93(Press& p) {
  Figure K1 = p.Read(1), E = p.Read(2), K2 = p.Read(3), S = p.Read(4), v = p.Read(5), c = p.Read(6);
  p.Heading("工程领用");
  if (K1 > 0) {
    Figure project = p.Check(E + K1);
    p.Line("在建工程（借）", project);
    p.Line("库存商品（贷）", K1);
    p.Line("应交税费-应交消费税（贷）", E);
  }
  p.Blank();
  if (K2 > 0) {
    Figure A = p.Check(v * S, "销项税额");  // output VAT
    Figure B = p.Check(c * S, "消费税");    // consumption tax
    Figure H = p.Check(S + A);              // welfare charge
    p.Heading("员工补贴领用");
    p.Line("应付职工薪酬-职工福利费（借）", H);
    p.Line("税金及附加（借）", B);
    p.Line("主营业务收入（贷）", S);
    p.Line("应交税费-应交增值税（销）（贷）", A);
    p.Line("应交税费-应交消费税（贷）", B);
    p.Blank();
    p.Line("主营业务成本（借）", K2);
    p.Line("库存商品（贷）", K2);
  }
}

constexpr Item kItems[] = {Section("无增值税"),    Field(1, "产品成本"),  Field(2, "消费税"),
                           Section("有增值税"),    Field(3, "产品成本"),  Field(4, "售价"),
                           Field(5, "增值税税率"), Field(6, "消费税税率")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm93{
    .id = "Form93",
    .columns = kColumns,
    .press = PressForm93,
};

}  // namespace varnello
