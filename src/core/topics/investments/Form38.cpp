// Form38: a long-term equity holding bought outright, and one bought as shares with a declared
// dividend included in the price.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm38(Press& p) {
  Figure investment = p.Read(1), shares = p.Read(2), price = p.Read(3), dividendPerShare = p.Read(4),
         fees = p.Read(5);
  if (investment > 0) {
    p.Debit("长期股权投资", investment);
    p.Credit("银行存款", investment);
  }
  Figure cost = p.Check(((price - dividendPerShare) * shares) + fees, "成本");
  Figure dividendReceivable = p.Check(dividendPerShare * shares, "应收股利");
  Figure paid = p.Check((price * shares) + fees, "支付金额");
  p.Debit("长期股权投资", cost);
  p.Debit("应收股利", dividendReceivable);
  p.Credit("银行存款", paid);
  p.Blank();
  p.Heading("收到股利");
  p.Debit("银行存款", dividendReceivable);
  p.Credit("应收股利", dividendReceivable);
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
