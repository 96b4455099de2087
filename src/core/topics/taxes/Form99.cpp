// Form99: individual income tax withheld from wages, and the enterprise income tax charged and
// paid. Each case prints only when its guard field is positive.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm99(Press& p) {
  Figure W = p.Read(1), I = p.Read(2), P = p.Read(3), N = p.Read(4), r = p.Read(5);
  if (I > 0) {
    p.Heading("计提并发放工资");
    p.Line("应付职工薪酬（借）", W);
    p.Line("应交税费-应交个税（贷）", I);
    Figure net = p.Check(W - I);
    p.Line("银行存款（贷）", net);
  }
  if (r > 0) {
    p.Heading("计提时");
    Figure E = p.Check((P - N) * r);  // interest income is not taxed
    p.Line("所得税费用（借）", E);
    p.Line("应交税费-应交所得税（贷）", E);
    p.Blank();
    p.Heading("上交时");
    p.Line("应交税费-应交所得税（借）", E);
    p.Line("银行存款（贷）", E);
  }
}

constexpr Item kItems[] = {Section("个人所得税"), Field(1, "应付工资"), Field(2, "个税"),
                           Section("企业所得税"), Field(3, "利润总额"), Field(4, "利息收入"),
                           Field(5, "所得税税率")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm99{
    .id = "Form99",
    .columns = kColumns,
    .press = PressForm99,
};

}  // namespace varnello
