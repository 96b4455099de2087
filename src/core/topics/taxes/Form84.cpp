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
  p.Debit("在建工程", project);
  p.Credit("原材料", rebuildingCost);
  Figure inputVatTransferredOut = p.Check(rebuildingVatRate * rebuildingCost);
  p.Credit("应交税费-应交增值税（进）", inputVatTransferredOut);
  p.Blank();
  p.Heading("分发福利");
  Figure welfare = p.Check(welfareVatRate * goodsValue + goodsValue);
  p.Debit("应付职工薪酬", welfare);
  p.Credit("主营业务收入", goodsValue);
  Figure outputVat = p.Check(welfareVatRate * goodsValue);
  p.Credit("应交税费-应交增值税（销）", outputVat);
  p.Blank();
  p.Heading("结转成本");
  p.Debit("主营业务成本", cost);
  p.Credit("库存商品", cost);
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
