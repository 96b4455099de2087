// Form30: inventory found in surplus, and inventory missing at a stocktaking, for a general VAT
// payer and for a small-scale VAT payer.
#include "core/engine/topic.h"

namespace varnello {
namespace {

// Scrap taken back into stock before approval.
void PrintScrap(Press& p, Figure scrapValue) {
  p.Heading("批准前");
  p.Debit("库存商品", scrapValue);
  p.Credit("库存商品", scrapValue);
  p.Blank();
}

// After approval the suspense account is cleared against the compensations; the rest is a
// non-operating loss.
void PrintApproval(Press& p, Figure nonOperatingLoss, Figure insurerCompensation, Figure keeperCompensation,
                   Figure suspense) {
  p.Debit("营业外支出-存货盘亏", nonOperatingLoss);
  p.Debit("其他应收款-保险公司", insurerCompensation);
  p.Debit("其他应收款-责任人", keeperCompensation);
  p.Credit("待处理财产损溢-待处理流动资产损溢", suspense);
}

void PressForm30(Press& p) {
  Figure surplus = p.Read(1), totalLoss = p.Read(2), scrapValue = p.Read(3), vatRate = p.Read(4),
         insurerCompensation = p.Read(5), keeperCompensation = p.Read(6);
  if (surplus > 0) {
    p.Heading("存货盘盈");
    p.Heading("批准前");
    p.Debit("库存商品", surplus);
    p.Credit("待处理财产损溢-待处理流动资产损溢", surplus);
    p.Blank();
    p.Heading("批准后");
    p.Debit("待处理财产损溢-待处理流动资产损溢", surplus);
    p.Credit("库存商品", surplus);
  }
  if (totalLoss > 0) {
    p.Heading("盘亏（一般纳税人）");
    PrintScrap(p, scrapValue);
    // Net loss, the input VAT transferred out on it, and their sum moved to suspense.
    Figure netLoss = p.Check(totalLoss - scrapValue);
    Figure inputVatTransferredOut = p.Check(netLoss * vatRate);
    Figure suspense = p.Check(netLoss + inputVatTransferredOut);
    p.Debit("待处理财产损溢-待处理流动资产损溢", suspense);
    p.Credit("库存商品", netLoss);
    p.Credit("应交税费-应交增值税（进）", inputVatTransferredOut);
    p.Blank();
    p.Heading("批准后");
    Figure nonOperatingLoss = p.Check((suspense - insurerCompensation) - keeperCompensation);
    PrintApproval(p, nonOperatingLoss, insurerCompensation, keeperCompensation, suspense);
    p.Blank();
    p.Blank();
    p.Blank();
    p.Heading("盘亏（小规模纳税人）");
    PrintScrap(p, scrapValue);
    p.Debit("待处理财产损溢-待处理流动资产损溢", suspense);
    p.Credit("应交税费-应交增值税（进）", suspense, SideMark::Half);
    p.Blank();
    p.Heading("批准后");
    PrintApproval(p, nonOperatingLoss, insurerCompensation, keeperCompensation, suspense);
  }
}

constexpr Item kItems[] = {Section("存货盘盈"),  Field(1, "盘盈"),      Section("存货盘亏"),
                           Field(2, "总损失"),   Field(3, "残料价值"),  Field(4, "增值税税率"),
                           Field(5, "保险赔偿"), Field(6, "管理员赔偿")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm30{
    .id = "Form30",
    .columns = kColumns,
    .press = PressForm30,
};

}  // namespace varnello
