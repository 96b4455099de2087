// Form45: a share investment under the equity method: purchase, share of the investee's profit,
// dividends, and the resulting carrying amount.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm45(Press& p) {
  Figure pricePaid = p.Read(1), share = p.Read(2), investeeProfit = p.Read(3), dividends = p.Read(4);
  p.Heading("购买股票");
  p.Debit("长期股权投资", pricePaid);
  p.Credit("银行存款", pricePaid);
  p.Blank();
  p.Heading("收到收益");
  Figure shareOfProfit = p.Check(investeeProfit * share);
  p.Debit("长期股权投资", shareOfProfit);
  p.Credit("投资收益", shareOfProfit);
  p.Blank();
  p.Heading("收到股利");
  Figure dividendReceivable = p.Check(dividends * share);
  p.Debit("应收股利", dividendReceivable);
  p.Credit("长期股权投资", dividendReceivable);
  p.Blank();
  p.Heading("股票投资成本");
  Figure carryingAmount = p.Check((pricePaid + shareOfProfit) - dividendReceivable);
  p.Line("股票投资成本", carryingAmount);
}

constexpr Item kItems[] = {Field(1, "实际支付股价"), Field(2, "股票份额"), Field(3, "经营获利"),
                           Field(4, "发放股利")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm45{
    .id = "Form45",
    .columns = kColumns,
    .press = PressForm45,
};

}  // namespace varnello
