// Form38: a long-term equity holding bought outright, and one bought as shares with a declared
// dividend included in the price.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm38(Press& p) {
  Figure L = p.Read(1), Q = p.Read(2), price = p.Read(3), d = p.Read(4), F = p.Read(5);
  if (L > 0) {
    p.Line("长期股权投资（借）", L);
    p.Line("银行存款（贷）", L);
  }
  Figure C = p.Check(((price - d) * Q) + F, "成本");  // cost of the holding
  Figure R = p.Check(d * Q, "应收股利");              // dividend receivable
  Figure B = p.Check((price * Q) + F, "支付金额");    // paid
  p.Line("长期股权投资（借）", C);
  p.Line("应收股利（借）", R);
  p.Line("银行存款（贷）", B);
  p.Blank();
  p.Heading("收到股利");
  p.Line("银行存款（借）", R);
  p.Line("应收股利（贷）", R);
}

constexpr Item kItems[] = {Section("长期股权投资"), Field(1, "长期股权投资"), Section("长期持有股权"),
                           Field(2, "股票数量"),    Field(3, "每股价格"),     Field(4, "每股股利"),
                           Field(5, "相关税费")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm38{
    .id = "Form38",
    .columns = kColumns,
    .press = PressForm38,
};

}  // namespace varnello
