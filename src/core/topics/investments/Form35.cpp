// Form35: purchase of a bond held for trading, and the same purchase as a short-term investment.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm35(Press& p) {
  Figure pricePaid = p.Read(1), interest = p.Read(2), fees = p.Read(3), vatOnTrade = p.Read(4),
         interestReceived = p.Read(5);
  p.Heading("购入债券");
  Figure cost = p.Check(pricePaid - interest);
  p.Debit("交易性金融资产-长期债券投资", cost);
  p.Debit("应收利息", interest);
  p.Debit("投资收益", fees);
  p.Debit("应交税费", vatOnTrade);
  // Summed from the first line's amount, left to right.
  Figure paid = p.Check(cost + interest + fees + vatOnTrade);
  p.Credit("其他货币资金", paid);
  p.Blank();
  p.Heading("收到利息");
  p.Debit("其他货币资金", interestReceived);
  p.Credit("应收利息", interestReceived);
  p.Blank();
  p.Heading("或");
  p.Blank();
  p.Heading("购买债券");
  Figure shortCost = p.Check((pricePaid - interest) + fees);
  p.Debit("短期投资-债券投资", shortCost);
  p.Debit("应收利息", interest);
  Figure bank = p.Check(fees + pricePaid);
  p.Credit("银行存款", bank);
  p.Blank();
  p.Heading("收到利息");
  // The short-term variant collects the interest included in the price.
  p.Debit("银行存款", interest);
  p.Credit("应收利息", interest);
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
