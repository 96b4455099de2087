// Form9: impairment of a bond whose fair value has fallen for good, its book value after it, and
// the year's interest income.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm9(Press& p) {
  Figure faceValue = p.Read(1), fairValue = p.Read(2), couponRate = p.Read(3);
  Figure impairmentLoss = p.Check(faceValue - fairValue);
  p.Line("本年末资产减值损失", impairmentLoss);
  p.Blank();
  p.Line("本年末账面价值", faceValue);
  p.Blank();
  Figure investmentIncome = p.Check(couponRate * faceValue);
  p.Line("年末投资收益", investmentIncome);
}

constexpr Item kItems[] = {Field(1, "购入面值"), Field(2, "公允价值降至"), Field(3, "票面利率")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm9{
    .id = "Form9",
    .width = 9675,
    .height = 8670,
    .columns = kColumns,
    .press = PressForm9,
};

}  // namespace varnello
