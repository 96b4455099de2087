// Form36: purchase and sale of shares and bonds held as short-term investments.
#include <string_view>

#include "core/engine/topic.h"

namespace varnello {
namespace {

// The accounts of one kind of holding: the investment, the income declared before it was bought,
// and the gain or loss on its sale.
struct HoldingTexts {
  std::string_view buyHeading, investment, receivable, sellHeading, gain;
};

// One holding bought for `price` (declared income `income` included) plus `buyFees`, then sold
// for `sale` less `sellFees`. Printed only for a positive purchase price.
void PrintHolding(Press& p, const HoldingTexts& texts, Figure price, Figure income, Figure buyFees,
                  Figure sale, Figure sellFees) {
  if (!(price > 0)) return;
  p.Heading(texts.buyHeading);
  Figure cost = p.Check((price - income) + buyFees);
  Figure paid = p.Check(buyFees + price);
  p.Debit(texts.investment, cost);
  p.Debit(texts.receivable, income);
  p.Credit("银行存款", paid);
  p.Blank();
  p.Heading(texts.sellHeading);
  Figure proceeds = p.Check(sale - sellFees);
  Figure gainOrLoss = p.Check(proceeds - cost);
  p.Debit("银行存款", proceeds);
  p.Credit(texts.investment, cost);
  p.Credit(texts.gain, gainOrLoss);  // negative for a loss
}

void PressForm36(Press& p) {
  Figure bondPrice = p.Read(1), bondInterest = p.Read(2), bondBuyFees = p.Read(3), bondSale = p.Read(4),
         bondSellFees = p.Read(5);
  Figure sharePrice = p.Read(6), shareDividend = p.Read(7), shareBuyFees = p.Read(8), shareSale = p.Read(9),
         shareSellFees = p.Read(10);
  PrintHolding(p, {"购买股票", "短期投资-股票投资", "应收股利", "出售股票", "投资收益-股票投资收益"},
               sharePrice, shareDividend, shareBuyFees, shareSale, shareSellFees);
  PrintHolding(p, {"购买债券", "短期投资-债券投资", "应收利息", "出售债券", "投资收益-债券投资收益"},
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
