// Form72: damaged products: what is salvaged back into stock, and the loss after insurance.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm72(Press& p) {
  Figure quantity = p.Read(1), actualCost = p.Read(2), materialCost = p.Read(3), salvageValue = p.Read(4),
         insurerCompensation = p.Read(5), vatRate = p.Read(6);
  p.Heading("收回价格");
  p.Debit("原材料", salvageValue);
  p.Credit("库存商品", salvageValue);
  p.Blank();
  p.Heading("获赔保险");
  // Input VAT is transferred out on the material cost net of what is salvaged.
  Figure inputVatTransferredOut = p.Check(((materialCost * quantity) - salvageValue) * vatRate);
  Figure goodsWrittenOff = p.Check((actualCost * quantity) - salvageValue);
  Figure extraordinaryLoss = p.Check((inputVatTransferredOut + goodsWrittenOff) - insurerCompensation);
  p.Debit("营业外支出-非常损失", extraordinaryLoss);
  p.Debit("其他应收款-保险公司", insurerCompensation);
  p.Credit("库存商品", goodsWrittenOff);
  p.Credit("应交税金-应交增值税（进）", inputVatTransferredOut);
}

constexpr Item kItems[] = {Field(1, "产品数量"),     Field(2, "实际成本"), Field(3, "耗用材料"),
                           Field(4, "回收价格(总)"), Field(5, "保险赔偿"), Field(6, "增值税税率")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm72{
    .id = "Form72",
    .columns = kColumns,
    .press = PressForm72,
};

}  // namespace varnello
