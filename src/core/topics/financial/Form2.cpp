// Form2: a rise in the fair value of shares held for trading, booked to undistributed profit net of
// deferred tax, and the surplus reserves drawn from it.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm2(Press& p) {
  Figure incomeTaxEffect = p.Read(1), profitDifference = p.Read(2), statutoryRate = p.Read(3),
         discretionaryRate = p.Read(4);
  Figure fairValueRise = p.Check(profitDifference + incomeTaxEffect);
  p.Heading("股价变动");
  p.Debit("交易性金融资产-公允价值变动", fairValueRise);
  p.Credit("利润分配-未分配利润", profitDifference);
  p.Credit("递延所得税负债", incomeTaxEffect);
  p.Blank();
  Figure surplusReserve = p.Check((discretionaryRate + statutoryRate) * profitDifference);
  p.Heading("提取盈余公积");
  p.Debit("利润分配-未分配利润", surplusReserve);
  p.Credit("盈余公积", surplusReserve);
}

constexpr Item kItems[] = {Field(1, "所得税影响"), Field(2, "税后净利润差异"), Field(3, "法定盈余公积比例"),
                           Field(4, "任意盈余公积比例")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm2{
    .id = "Form2",
    .width = 9915,
    .height = 9360,
    .columns = kColumns,
    .press = PressForm2,
};

}  // namespace varnello
