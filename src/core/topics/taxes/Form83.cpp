// Form83: purchase of tax-exempt products, with input VAT deducted at a fixed rate.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm83(Press& p) {
  Figure P = p.Read(1), H = p.Read(2), r = p.Read(3);
  Figure E = p.Check((H + P) * r, "可抵扣进项税额");  // deductible input VAT on price and freight
  Figure material = p.Check((H + P) - E);
  p.Line("原材料（借）", material);
  p.Line("应交税费-应交增值税（进）（借）", E);
  p.Line("库存现金（贷）", P);
  p.Line("银行存款（贷）", H);
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
