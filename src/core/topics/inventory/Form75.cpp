// Form75: purchase of goods, and the freight paid for them.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm75(Press& p) {
  Figure goodsPrice = p.Read(1), inputVat = p.Read(2), freight = p.Read(3);
  p.Heading("购进货物");
  p.Debit("库存商品", goodsPrice);
  p.Debit("应交税费-应交增值税", inputVat);
  p.Credit("银行存款/库存现金", p.Check(goodsPrice + inputVat));
  p.Blank();
  p.Heading("付运费");
  p.Debit("应付账款", freight);
  p.Credit("银行存款/库存现金", freight);
}

constexpr Item kItems[] = {Field(1, "商品总价"), Field(2, "应交增值税（销）"), Field(3, "运费")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm75{
    .id = "Form75",
    .columns = kColumns,
    .press = PressForm75,
};

}  // namespace varnello
