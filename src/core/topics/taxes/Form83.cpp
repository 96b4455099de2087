// Form83: purchase of tax-exempt products, with input VAT deducted at a fixed rate.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm83(Press& p) {
  Figure price = p.Read(1), freight = p.Read(2), rate = p.Read(3);
  // Deductible input VAT on price and freight.
  Figure deductibleInputVat = p.Check((freight + price) * rate, "可抵扣进项税额");
  Figure material = p.Check((freight + price) - deductibleInputVat);
  p.Debit("原材料", material);
  p.Debit("应交税费-应交增值税（进）", deductibleInputVat);
  p.Credit("库存现金", price);
  p.Credit("银行存款", freight);
}

constexpr Item kItems[] = {Field(1, "免税产品价格"), Field(2, "运费"), Field(3, "税率")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm83{
    .id = "Form83",
    .columns = kColumns,
    .press = PressForm83,
};

}  // namespace varnello
