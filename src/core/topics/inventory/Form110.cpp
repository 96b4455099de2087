// Form110: a warehouse destroyed: write-off to disposal, salvage, clearing costs, insurance, and
// the net result to non-operating expense (a net loss prints negative).
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm110(Press& p) {
  Figure salvageValue = p.Read(1), originalCost = p.Read(2), accumulatedDepreciation = p.Read(3),
         clearingCost = p.Read(4), insurerCompensation = p.Read(5);
  p.Line("固定资产清理（借）", p.Check(originalCost - accumulatedDepreciation));
  p.Line("累计折旧（借）", accumulatedDepreciation);
  p.Line("固定资产（贷）", originalCost);
  p.Blank();
  p.Line("原材料（借）", salvageValue);
  p.Line("固定资产清理（贷）", salvageValue);
  p.Blank();
  p.Line("固定资产清理（借）", clearingCost);
  p.Line("银行存款（贷）", clearingCost);
  p.Blank();
  p.Line("其他应收款（借）", insurerCompensation);
  p.Line("固定资产清理（贷）", insurerCompensation);
  p.Blank();
  Figure nonOperatingResult = p.Check(
      ((insurerCompensation + salvageValue) - (originalCost - accumulatedDepreciation)) - clearingCost);
  p.Line("营业外支出（借）", nonOperatingResult);
  p.Line("固定资产清理（贷）", nonOperatingResult);
}

constexpr Item kItems[] = {Field(1, "残料估值"), Field(2, "账面原值"), Field(3, "计提累计折旧"),
                           Field(4, "支付清理费"), Field(5, "保险公司赔款")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm110{
    .id = "Form110",
    .columns = kColumns,
    .press = PressForm110,
};

}  // namespace varnello
