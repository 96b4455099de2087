// Form57: scrapping of a fixed asset with clearing costs, scrap proceeds and compensation.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm57(Press& p) {
  Figure originalCost = p.Read(1), accumulatedDepreciation = p.Read(2), clearingCost = p.Read(3),
         scrapProceeds = p.Read(4), partyCompensation = p.Read(5), insuranceCompensation = p.Read(6);
  Figure netBookValue = p.Check(originalCost - accumulatedDepreciation, "账面净值");  // net book value
  p.Heading("固定资产清理");
  p.Line("固定资产清理（借）", netBookValue);
  p.Line("累计折旧（借）", accumulatedDepreciation);
  p.Line("固定资产（贷）", originalCost);
  p.Blank();
  p.Heading("支付清理费用");
  p.Line("固定资产清理（借）", clearingCost);
  p.Line("库存现金（贷）", clearingCost);
  p.Blank();
  p.Heading("出售残料收入");
  p.Line("库存现金（借）", scrapProceeds);
  p.Line("固定资产清理（贷）", scrapProceeds);
  p.Blank();
  p.Heading("收到赔款");
  p.Line("银行存款（借）", partyCompensation);
  p.Line("其他应收款（借）", insuranceCompensation);
  Figure compensation = p.Check(insuranceCompensation + partyCompensation);
  p.Line("固定资产清理（贷）", compensation);
  p.Blank();
  p.Heading("结转清理净损失");
  // The net loss is posted as it comes out: a gain shows as a negative loss.
  Figure netLoss = p.Check(((netBookValue + clearingCost) - scrapProceeds) - compensation);
  p.Line("营业外支出（借）", netLoss);
  p.Line("固定资产清理（贷）", netLoss);
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
