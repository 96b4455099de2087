// Form35: purchase of a bond held for trading, and the same purchase as a short-term investment.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm35(Press& p) {
  Figure pricePaid = p.Read(1), interest = p.Read(2), fees = p.Read(3), vatOnTrade = p.Read(4),
         interestReceived = p.Read(5);
  p.Heading("购入债券");
  Figure cost = p.Check(pricePaid - interest);
  p.Line("交易性金融资产-长期债券投资（借）", cost);
  p.Line("应收利息（借）", interest);
  p.Line("投资收益（借）", fees);
  p.Line("应交税费（借）", vatOnTrade);
  // Summed from the first line's amount, left to right.
  Figure paid = p.Check(cost + interest + fees + vatOnTrade);
  p.Line("其他货币资金（贷）", paid);
  p.Blank();
  p.Heading("收到利息");
  p.Line("其他货币资金（借）", interestReceived);
  p.Line("应收利息（贷）", interestReceived);
  p.Blank();
  p.Heading("或");
  p.Blank();
  p.Heading("购买债券");
  Figure shortCost = p.Check((pricePaid - interest) + fees);
  p.Line("短期投资-债券投资（借）", shortCost);
  p.Line("应收利息（借）", interest);
  Figure bank = p.Check(fees + pricePaid);
  p.Line("银行存款（贷）", bank);
  p.Blank();
  p.Heading("收到利息");
  // The short-term variant collects the interest included in the price.
  p.Line("银行存款（借）", interest);
  p.Line("应收利息（贷）", interest);
}

constexpr Item kItems[] = {Field(1, "支付债券价款"), Field(2, "债券利息"), Field(3, "交易费用"),
                           Field(4, "交易增值税"), Field(5, "收到利息")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm35{
    .id = "Form35",
    .columns = kColumns,
    .press = PressForm35,
};

}  // namespace varnello
