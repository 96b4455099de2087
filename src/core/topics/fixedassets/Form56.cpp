// Form56: sale of a fixed asset: write-off, proceeds, the tax contained in the price, and the
// net result carried to non-operating items.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm56(Press& p) {
  Figure originalCost = p.Read(1), salePrice = p.Read(2), accumulatedDepreciation = p.Read(3),
         vatRate = p.Read(4);
  p.Heading("注销固定资产价值");
  Figure netBookValue = p.Check(originalCost - accumulatedDepreciation, "账面净值");  // net book value
  p.Debit("固定资产清理", netBookValue);
  p.Debit("累计折旧", accumulatedDepreciation);
  p.Credit("固定资产", originalCost);
  p.Blank();
  p.Heading("取得转让收入");
  p.Debit("银行存款", salePrice);
  p.Credit("固定资产清理", salePrice);
  p.Blank();
  p.Heading("计算增值税");
  // The tax contained in a tax-inclusive price; a rate of -1 divides by zero.
  Figure outputVat = p.Check(p.Div(salePrice, vatRate + 1) * vatRate);
  p.Debit("固定资产清理", outputVat);
  p.Credit("应交税费-应交增值税（销）", outputVat);
  p.Blank();
  Figure netGain = p.Check((salePrice - netBookValue) - outputVat, "出售净损益");  // net result of the sale
  p.Heading("结转清理净支出");
  if (netGain < 0) {
    p.Debit("营业外支出", -netGain);
    p.Credit("固定资产清理", -netGain);
  }
  if (netGain > 0) {
    p.Debit("固定资产清理", netGain);
    p.Credit("营业外支出", netGain);
  }
}

constexpr Item kItems[] = {Field(1, "固定资产原价"), Field(2, "转让价"), Field(3, "计提折旧"),
                           Field(4, "增值税税率")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm56{
    .id = "Form56",
    .columns = kColumns,
    .press = PressForm56,
};

}  // namespace varnello
