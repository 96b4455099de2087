// Form110: a warehouse destroyed: write-off to disposal, salvage, clearing costs, insurance, and
// the net result to non-operating expense (a net loss prints negative).
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm110(Press& p) {
  Figure salvageValue = p.Read(1), originalCost = p.Read(2), accumulatedDepreciation = p.Read(3),
         clearingCost = p.Read(4), insurerCompensation = p.Read(5);
  p.Debit("固定资产清理", p.Check(originalCost - accumulatedDepreciation));
  p.Debit("累计折旧", accumulatedDepreciation);
  p.Credit("固定资产", originalCost);
  p.Blank();
  p.Debit("原材料", salvageValue);
  p.Credit("固定资产清理", salvageValue);
  p.Blank();
  p.Debit("固定资产清理", clearingCost);
  p.Credit("银行存款", clearingCost);
  p.Blank();
  p.Debit("其他应收款", insurerCompensation);
  p.Credit("固定资产清理", insurerCompensation);
  p.Blank();
  Figure nonOperatingResult = p.Check(
      ((insurerCompensation + salvageValue) - (originalCost - accumulatedDepreciation)) - clearingCost);
  p.Debit("营业外支出", nonOperatingResult);
  p.Credit("固定资产清理", nonOperatingResult);
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
