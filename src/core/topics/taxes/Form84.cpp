// Form84: own materials used for rebuilding, and own goods given out as staff welfare.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm84(Press& p) {
  Figure rebuildingCost = p.Read(1), rebuildingVatRate = p.Read(2), cost = p.Read(3), goodsValue = p.Read(4),
         welfareVatRate = p.Read(5);
  // The rebuilding cost guards the whole output, the welfare case included.
  if (rebuildingCost <= 0) return;
  p.Heading("改造");
  Figure project = p.Check(rebuildingCost + rebuildingVatRate * rebuildingCost);
  p.Line("在建工程（借）", project);
  p.Line("原材料（贷）", rebuildingCost);
  Figure inputVatTransferredOut = p.Check(rebuildingVatRate * rebuildingCost);
  p.Line("应交税费-应交增值税（进）（贷）", inputVatTransferredOut);
  p.Blank();
  p.Heading("分发福利");
  Figure welfare = p.Check(welfareVatRate * goodsValue + goodsValue);
  p.Line("应付职工薪酬（借）", welfare);
  p.Line("主营业务收入（贷）", goodsValue);
  Figure outputVat = p.Check(welfareVatRate * goodsValue);
  p.Line("应交税费-应交增值税（销）（贷）", outputVat);
  p.Blank();
  p.Heading("结转成本");
  p.Line("主营业务成本（借）", cost);
  p.Line("库存商品（贷）", cost);
}

constexpr Item kItems[] = {Section("改造"),  Field(1, "在建工程"), Field(2, "税率"), Section("分发福利"),
                           Field(3, "成本"), Field(4, "货值"),     Field(5, "税率")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm84{
    .id = "Form84",
    .columns = kColumns,
    .press = PressForm84,
};

}  // namespace varnello
