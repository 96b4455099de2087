// Form36: purchase and sale of shares and bonds held as short-term investments.
#include <string_view>

#include "core/engine/topic.h"

namespace varnello {
namespace {

struct HoldingTexts {
  std::string_view buyHeading, investDebit, receivable, sellHeading, investCredit, gain;
};

// One holding bought for `price` (declared income `income` included) plus `buyFees`, then sold
// for `sale` less `sellFees`. Printed only for a positive purchase price.
void PrintHolding(Press& p, const HoldingTexts& texts, Figure price, Figure income, Figure buyFees,
                  Figure sale, Figure sellFees) {
  if (!(price > 0)) return;
  p.Heading(texts.buyHeading);
  Figure cost = p.Check((price - income) + buyFees);
  Figure paid = p.Check(buyFees + price);
  p.Line(texts.investDebit, cost);
  p.Line(texts.receivable, income);
  p.Line("银行存款（贷）", paid);
  p.Blank();
  p.Heading(texts.sellHeading);
  Figure proceeds = p.Check(sale - sellFees);
  Figure gainOrLoss = p.Check(proceeds - cost);
  p.Line("银行存款（借）", proceeds);
  p.Line(texts.investCredit, cost);
  p.Line(texts.gain, gainOrLoss);  // negative for a loss
}

void PressForm36(Press& p) {
  Figure bondPrice = p.Read(1), bondInterest = p.Read(2), bondBuyFees = p.Read(3), bondSale = p.Read(4),
         bondSellFees = p.Read(5);
  Figure sharePrice = p.Read(6), shareDividend = p.Read(7), shareBuyFees = p.Read(8), shareSale = p.Read(9),
         shareSellFees = p.Read(10);
  PrintHolding(p,
               {"购买股票", "短期投资-股票投资（借）", "应收股利（借）", "出售股票",
                "短期投资-股票投资（贷）", "投资收益-股票投资收益（贷）"},
               sharePrice, shareDividend, shareBuyFees, shareSale, shareSellFees);
  PrintHolding(p,
               {"购买债券", "短期投资-债券投资（借）", "应收利息（借）", "出售债券",
                "短期投资-债券投资（贷）", "投资收益-债券投资收益（贷）"},
               bondPrice, bondInterest, bondBuyFees, bondSale, bondSellFees);
}

constexpr Item kColumn1[] = {Section("出售债券"),  Field(1, "债券买价/账面余额"), Field(2, "发放债利"),
                             Field(3, "购买税费"), Field(4, "债券售价"),          Field(5, "出售税费")};
constexpr Item kColumn2[] = {Section("出售股票"),  Field(6, "股票买价"), Field(7, "发放股利"),
                             Field(8, "购买税费"), Field(9, "股票售价"), Field(10, "出售税费")};
constexpr Column kColumns[] = {kColumn1, kColumn2};

}  // namespace

extern constexpr TopicDesc kForm36{
    .id = "Form36",
    .columns = kColumns,
    .press = PressForm36,
};

}  // namespace varnello
