// Form118: own shares bought back and cancelled; the price above par is taken from the share
// premium first, then from the surplus reserve.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm118(Press& p) {
  Figure parValue = p.Read(1), sharePremium = p.Read(2), surplusReserve = p.Read(3), quantity = p.Read(4),
         price = p.Read(5);
  p.Heading("回购股份");
  Figure repurchasePrice = p.Check(price * quantity, "回购价款");
  p.Debit("库存股", repurchasePrice);
  p.Credit("银行存款", repurchasePrice);
  p.Blank();
  p.Heading("注销股份");
  Figure parOfShares = p.Check(quantity * parValue, "股本面值");
  Figure parAndPremium = p.Check((quantity * parValue) + sharePremium);
  Figure parPremiumAndReserve = p.Check(((quantity * parValue) + sharePremium) + surplusReserve);
  // Each case is tested on its own: with a negative premium or reserve two of them can hold.
  if (repurchasePrice <= parOfShares) {
    p.Debit("股本", parOfShares);
    p.Credit("库存股", repurchasePrice);
    Figure left = p.Check(parOfShares - repurchasePrice);
    p.Credit("资本公积-股本溢价", left);
  }
  if (parOfShares < repurchasePrice && repurchasePrice <= parAndPremium) {
    p.Debit("股本", parOfShares);
    Figure premium = p.Check(repurchasePrice - parOfShares);
    p.Debit("资本公积-股本溢价", premium);
    p.Credit("库存股", repurchasePrice);
  }
  if (parAndPremium < repurchasePrice && repurchasePrice <= parPremiumAndReserve) {
    p.Debit("股本", parOfShares);
    p.Debit("资本公积-股本溢价", sharePremium);
    Figure reserve = p.Check((repurchasePrice - parOfShares) - sharePremium);
    p.Debit("盈余公积", reserve);
    p.Credit("库存股", repurchasePrice);
  }
}

constexpr Item kItems[] = {Field(1, "股本单价"), Field(2, "资本公积（股本溢价）"), Field(3, "盈余公积"),
                           Field(4, "回购数量"), Field(5, "回购价格")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm118{
    .id = "Form118",
    .columns = kColumns,
    .press = PressForm118,
};

}  // namespace varnello
