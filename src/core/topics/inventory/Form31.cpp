// Form31: raw materials missing at a stocktaking, with scrap salvaged and compensation due.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm31(Press& p) {
  Figure quantityMissing = p.Read(1), unitCost = p.Read(2), vatRate = p.Read(3),
         insurerCompensation = p.Read(4), scrapValue = p.Read(5), staffCompensation = p.Read(6);
  p.Heading("批准前");
  p.Debit("原材料-残料", scrapValue);
  p.Credit("原材料", scrapValue);
  p.Blank();
  // Net loss, the input VAT transferred out on it, and their sum moved to suspense.
  Figure netLoss = p.Check((unitCost * quantityMissing) - scrapValue);
  Figure inputVatTransferredOut = p.Check(vatRate * netLoss);
  Figure suspense = p.Check(netLoss + inputVatTransferredOut);
  p.Debit("待处理财产损溢", suspense);
  p.Credit("原材料", netLoss);
  p.Credit("应交税费-应交增值税（进）", inputVatTransferredOut);
  p.Blank();
  p.Heading("批准后");
  Figure nonOperatingLoss = p.Check((suspense - insurerCompensation) - staffCompensation);
  p.Debit("营业外支出-盘亏", nonOperatingLoss);
  p.Debit("其他应收款-保险公司", insurerCompensation);
  p.Debit("其他应收款-责任人", staffCompensation);
  p.Credit("待处理财产损溢", suspense);
}

constexpr Item kItems[] = {Field(1, "原材料盘亏数量"), Field(2, "原材料成本"), Field(3, "增值税税率"),
                           Field(4, "保险赔偿"),       Field(5, "原材料残料"), Field(6, "人员赔偿")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm31{
    .id = "Form31",
    .columns = kColumns,
    .press = PressForm31,
};

}  // namespace varnello
