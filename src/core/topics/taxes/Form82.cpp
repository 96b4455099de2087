// Form82: imported goods paid partly from the letter-of-credit deposit, the rest from the bank.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm82(Press& p) {
  Figure priceInYuan = p.Read(1), customsDuty = p.Read(2), importVat = p.Read(3), letterOfCredit = p.Read(4);
  Figure goods = p.Check(customsDuty + priceInYuan);
  p.Debit("库存商品", goods);
  p.Debit("应交税费-应交增值税（进）", importVat);
  p.Credit("其他货币资金-信用证存款", letterOfCredit);
  Figure bank = p.Check(((customsDuty + priceInYuan) + importVat) - letterOfCredit);
  p.Credit("银行存款", bank);
}

constexpr Item kItems[] = {Field(1, "人民币价格"), Field(2, "海关关税"), Field(3, "海关增值税"),
                           Field(4, "信用证款")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm82{
    .id = "Form82",
    .columns = kColumns,
    .press = PressForm82,
};

}  // namespace varnello
