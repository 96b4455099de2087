// Form57: scrapping of a fixed asset with clearing costs, scrap proceeds and compensation.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm57(Press& p) {
  Figure originalCost = p.Read(1), accumulatedDepreciation = p.Read(2), clearingCost = p.Read(3),
         scrapProceeds = p.Read(4), partyCompensation = p.Read(5), insuranceCompensation = p.Read(6);
  Figure netBookValue = p.Check(originalCost - accumulatedDepreciation, "账面净值");  // net book value
  p.Heading("固定资产清理");
  p.Debit("固定资产清理", netBookValue);
  p.Debit("累计折旧", accumulatedDepreciation);
  p.Credit("固定资产", originalCost);
  p.Blank();
  p.Heading("支付清理费用");
  p.Debit("固定资产清理", clearingCost);
  p.Credit("库存现金", clearingCost);
  p.Blank();
  p.Heading("出售残料收入");
  p.Debit("库存现金", scrapProceeds);
  p.Credit("固定资产清理", scrapProceeds);
  p.Blank();
  p.Heading("收到赔款");
  p.Debit("银行存款", partyCompensation);
  p.Debit("其他应收款", insuranceCompensation);
  Figure compensation = p.Check(insuranceCompensation + partyCompensation);
  p.Credit("固定资产清理", compensation);
  p.Blank();
  p.Heading("结转清理净损失");
  // The net loss is posted as it comes out: a gain shows as a negative loss.
  Figure netLoss = p.Check(((netBookValue + clearingCost) - scrapProceeds) - compensation);
  p.Debit("营业外支出", netLoss);
  p.Credit("固定资产清理", netLoss);
}

constexpr Item kItems[] = {Field(1, "固定资产原价"), Field(2, "已提折旧"),   Field(3, "固定资产清理费"),
                           Field(4, "出售残料"),     Field(5, "过错方赔偿"), Field(6, "保险公司赔偿")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm57{
    .id = "Form57",
    .columns = kColumns,
    .press = PressForm57,
};

}  // namespace varnello
