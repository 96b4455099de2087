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
  p.Line("库存股（借）", repurchasePrice);
  p.Line("银行存款（贷）", repurchasePrice);
  p.Blank();
  p.Heading("注销股份");
  Figure parOfShares = p.Check(quantity * parValue, "股本面值");
  Figure parAndPremium = p.Check((quantity * parValue) + sharePremium);
  Figure parPremiumAndReserve = p.Check(((quantity * parValue) + sharePremium) + surplusReserve);
  // Each case is tested on its own: with a negative premium or reserve two of them can hold.
  if (repurchasePrice <= parOfShares) {
    p.Line("股本（借）", parOfShares);
    p.Line("库存股（贷）", repurchasePrice);
    Figure left = p.Check(parOfShares - repurchasePrice);
    p.Line("资本公积-股本溢价（贷）", left);
  }
  if (parOfShares < repurchasePrice && repurchasePrice <= parAndPremium) {
    p.Line("股本（借）", parOfShares);
    Figure premium = p.Check(repurchasePrice - parOfShares);
    p.Line("资本公积-股本溢价（借）", premium);
    p.Line("库存股（贷）", repurchasePrice);
  }
  if (parAndPremium < repurchasePrice && repurchasePrice <= parPremiumAndReserve) {
    p.Line("股本（借）", parOfShares);
    p.Line("资本公积-股本溢价（借）", sharePremium);
    Figure reserve = p.Check((repurchasePrice - parOfShares) - sharePremium);
    p.Line("盈余公积（借）", reserve);
    p.Line("库存股（贷）", repurchasePrice);
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
