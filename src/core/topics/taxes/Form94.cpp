// Form94: taxable goods processed on commission, printed twice: taken back for further taxable
// production (the consumption tax is deductible) and taken back for sale (the tax is cost).
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm94(Press& p) {
  Figure K = p.Read(1), F = p.Read(2), v = p.Read(3), E = p.Read(4);
  p.Heading("用于生产应税消费品");
  p.Line("委托加工物资（借）", K);
  p.Line("原材料（贷）", K);
  p.Blank();
  p.Line("委托加工物资（借）", F);
  Figure A = p.Check(v * F, "进项税额");  // input VAT on the fee
  p.Line("应交税费-应交增值税（进）（借）", A);
  p.Line("应交税费-应交消费税（借）", E);
  Figure Y = p.Check((F + A) + E, "应付加工费");  // payable to the processor
  p.Line("应付账款（贷）", Y);
  p.Blank();
  Figure back = p.Check(F + K);
  p.Line("原材料（借）", back);
  p.Line("委托加工物资（贷）", back);
  p.Blank();
  p.Blank();
  p.Blank();

  p.Heading("用于销售");
  p.Line("委托加工物资（借）", K);
  p.Line("原材料（贷）", K);
  p.Blank();
  Figure charged = p.Check(E + F);
  p.Line("委托加工物资（借）", charged);
  p.Line("应交税费-应交增值税（借）", A);
  p.Line("应付账款（贷）", Y);
  p.Blank();
  Figure backForSale = p.Check((E + F) + K);
  p.Line("原材料（借）", backForSale);
  p.Line("委托加工物资（贷）", backForSale);
}

constexpr Item kItems[] = {Field(1, "成本"), Field(2, "应付加工费"), Field(3, "增值税税率"),
                           Field(4, "消费税额")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm94{
    .id = "Form94",
    .columns = kColumns,
    .press = PressForm94,
};

}  // namespace varnello
