// Form6: purchase of shares held for trading, and the dividends on them.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm6(Press& p) {
  Figure price = p.Read(1), dividendPerShare = p.Read(2), shareCount = p.Read(3), fees = p.Read(4);
  Figure purchasePrice = p.Check(shareCount * price, "买价");
  Figure dividendReceivable = p.Check(shareCount * dividendPerShare);
  Figure amountPaid = p.Check(shareCount * price + fees);
  Figure initialCost = p.Check(purchasePrice - dividendReceivable + fees);
  Figure tradingAssetCost = p.Check(amountPaid - dividendReceivable);
  p.Heading("购入股票");
  p.Debit("交易性金融资产-成本", tradingAssetCost);
  p.Debit("投资收益", dividendReceivable);
  p.Credit("银行存款", amountPaid);
  p.Blank();
  p.Line("入账价值", initialCost);
  p.Blank();
  p.Blank();
  p.Blank();
  p.Heading("短期持有股票");
  p.Heading("购入");
  p.Debit("短期投资-股票投资", amountPaid);
  p.Credit("银行贷款", amountPaid);
  p.Blank();
  p.Heading("分配股利");
  p.Debit("应收股利", dividendReceivable);
  p.Credit("投资收益-股票投资", dividendReceivable);
  p.Blank();
  p.Heading("收到股利");
  p.Debit("银行存款", dividendReceivable);
  p.Credit("应收股利", dividendReceivable);
}

constexpr Item kItems[] = {Field(1, "每股价格"), Field(2, "每股股利"), Field(3, "数额"),
                           Field(4, "手续费等")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm6{
    .id = "Form6",
    .width = 10320,
    .height = 9360,
    .columns = kColumns,
    .press = PressForm6,
};

}  // namespace varnello
