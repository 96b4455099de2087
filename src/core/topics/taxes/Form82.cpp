// Form82: imported goods paid partly from the letter-of-credit deposit, the rest from the bank.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm82(Press& p) {
  Figure P = p.Read(1), D = p.Read(2), T = p.Read(3), L = p.Read(4);
  Figure goods = p.Check(D + P);
  p.Line("库存商品（借）", goods);
  p.Line("应交税费-应交增值税（进）（借）", T);
  p.Line("其他货币资金-信用证存款（贷）", L);
  Figure bank = p.Check(((D + P) + T) - L);
  p.Line("银行存款（贷）", bank);
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
