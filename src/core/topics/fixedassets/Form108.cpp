// Form108: equipment bought on long-term credit and paid off month by month.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm108(Press& p) {
  Figure E = p.Read(1), T = p.Read(2), D = p.Read(3), Q = p.Read(4), m = p.Read(5), y = p.Read(6);
  p.Heading("购入设备");
  p.Line("固定资产（借）", E);
  p.Line("应交税费（借）", T);
  p.Line("长期应付款（贷）", Q);
  p.Line("银行存款（贷）", D);
  p.Blank();
  p.Heading("每月支付设备款");
  p.Line("长期应付款（借）", m);
  p.Line("银行存款（贷）", m);
  p.Blank();
  p.Heading("最后一期付款");
  // Every month of the term but the last is paid with the monthly payment; the rest is left.
  Figure Z = p.Check(Q - (((y * 12) - 1) * m));
  p.Line("长期应付款（借）", Z);
  p.Line("银行存款（贷）", Z);
}

constexpr Item kItems[] = {Field(1, "设备总额"), Field(2, "增值税"),   Field(3, "首付"),
                           Field(4, "余付"),     Field(5, "每月付款"), Field(6, "付款年数")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm108{
    .id = "Form108",
    .columns = kColumns,
    .press = PressForm108,
};

}  // namespace varnello
