// Form34: loss of work in progress and finished products, with scrap salvaged and insurance.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm34(Press& p) {
  Figure wipLoss = p.Read(1), productLoss = p.Read(2), wipMaterialCost = p.Read(3),
         productMaterialCost = p.Read(4), wipScrap = p.Read(5), productScrap = p.Read(6);
  Figure insurerCompensation = p.Read(7), vatRate = p.Read(8);
  p.Heading("批准前");
  p.Debit("原材料-残料", p.Check(productScrap + wipScrap));
  p.Credit("生产成本", wipScrap);
  p.Credit("库存商品", productScrap);
  p.Blank();
  p.Heading("批准后");
  // Input VAT is transferred out on the material cost net of scrap; the net loss and that VAT
  // go to suspense together.
  Figure inputVatTransferredOut =
      p.Check(((productMaterialCost + wipMaterialCost) - (productScrap + wipScrap)) * vatRate);
  Figure netLoss = p.Check((wipLoss - wipScrap) + (productLoss - productScrap));
  Figure suspense = p.Check(netLoss + inputVatTransferredOut);
  p.Debit("待处理财产损溢-待处理流动财产损溢", suspense);
  p.Credit("生产成本", p.Check(wipLoss - wipScrap), SideMark::HalfClose);
  p.Credit("库存商品", p.Check(productLoss - productScrap));
  p.Credit("应交税费-应交增值税（进）", inputVatTransferredOut);
  p.Blank();
  Figure extraordinaryLoss = p.Check(suspense - insurerCompensation);
  p.Debit("营业外支出-非常损失", extraordinaryLoss);
  p.Debit("其他应收款-保险公司", insurerCompensation);
  p.Credit("待处理财产损溢-待处理流动财产损溢", suspense);
}

constexpr Item kItems[] = {Field(1, "在产品损失"), Field(2, "产品损失"),   Field(3, "在产品材料成本"),
                           Field(4, "产品成本"),   Field(5, "在产品残料"), Field(6, "产品残料"),
                           Field(7, "保险赔偿"),   Field(8, "增值税税率")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm34{
    .id = "Form34",
    .columns = kColumns,
    .press = PressForm34,
};

}  // namespace varnello
