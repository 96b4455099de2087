// Form50: a fixed asset contributed by an investor, booked at its appraised value plus fees.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm50(Press& p) {
  p.Read(1);  // the investor's historical cost is shown on the window but enters no amount
  Figure appraisedValue = p.Read(2), relatedTaxes = p.Read(3), paidInCapital = p.Read(4);
  p.Heading("投入固定资产");
  Figure bookedCost = p.Check(relatedTaxes + appraisedValue, "入账价值");  // booked cost
  Figure capitalSurplus = p.Check(
      bookedCost - paidInCapital);  // capital surplus; negative when the granted capital exceeds the cost
  p.Debit("固定资产", bookedCost);
  p.Credit("实收资本", paidInCapital);
  p.Credit("资本公积", capitalSurplus);
}

constexpr Item kItems[] = {Field(1, "固定资产原价"), Field(2, "评估价"), Field(3, "相关税费"),
                           Field(4, "实收资本")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm50{
    .id = "Form50",
    .columns = kColumns,
    .press = PressForm50,
};

}  // namespace varnello
