// Form77: a note payable given for goods, paid at maturity or left unpaid.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm77(Press& p) {
  Figure A = p.Read(1), m = p.Read(2), G = p.Read(3), V = p.Read(4), i = p.Read(5), f = p.Read(6);
  p.Heading("支付手续费");
  p.Line("财务费用（借）", f);
  p.Line("银行存款（贷）", f);
  p.Blank();
  p.Heading("支付汇票");
  p.Line("在途物资（借）", G);
  p.Line("应交税费-应交增值税（进）（借）", V);
  Figure X = p.Check(V + G);
  p.Line("应付票据（贷）", X);
  p.Blank();
  p.Heading("原材料入库");
  p.Line("原材料（借）", G);
  p.Line("在途物资（贷）", G);
  p.Blank();
  p.Heading("到期支付本息");
  Figure I = p.Check(((i * A) * m) / 12, "全期利息");  // interest over the term
  p.Line("应付票据（借）", A);
  p.Line("财务费用-利息费用（借）", I);
  Figure T = p.Check(A + I);
  p.Line("银行存款（贷）", T);
  p.Blank();
  p.Heading("若为不带息票据");
  p.Line("应付票据（借）", A);
  p.Line("银行存款（贷）", A);
  p.Blank();
  p.Heading("若无力支付（无息）");
  p.Line("应付票据（借）", A);
  p.Line("短期借款（贷）", A);
  p.Blank();
  p.Heading("若无力支付（商业带息）");
  p.Line("应付票据（借）", A);
  p.Line("财务费用（借）", I);
  p.Line("应付账款（贷）", T);
  p.Blank();
  p.Heading("若无力支付（银行带息）");
  p.Line("应付票据（借）", A);
  p.Line("财务费用（借）", I);
  p.Line("短期借款（贷）", T);
}

constexpr Item kItems[] = {Field(1, "票据面值"), Field(2, "票据期限（月）"), Field(3, "货款"),
                           Field(4, "增值税"),   Field(5, "年利率"),         Field(6, "手续费")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm77{
    .id = "Form77",
    .width = 9150,
    .height = 8430,
    .columns = kColumns,
    .press = PressForm77,
};

}  // namespace varnello
