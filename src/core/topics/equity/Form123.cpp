// Form123: three uses of surplus reserve (appropriation from profit, making good a loss, turning
// reserve into share capital); each case prints only when its leading field is positive.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm123(Press& p) {
  Figure netProfit = p.Read(1), openingUndistributed = p.Read(2), rate = p.Read(3), lossMadeGood = p.Read(4),
         reserveToCapital = p.Read(5);
  if (netProfit > 0) {
    Figure appropriation = p.Check((openingUndistributed + netProfit) * rate);
    p.Heading("提取盈余公积");
    p.Debit("利润分配-盈余公积", appropriation);
    p.Line("盈余公积-法定盈余公积", appropriation);
    p.Blank();  // only the appropriation is followed by a blank line
  }
  if (lossMadeGood > 0) {
    p.Heading("弥补亏损");
    p.Debit("盈余公积", lossMadeGood);
    p.Credit("利润分配-盈余公积补亏", lossMadeGood);
  }
  if (reserveToCapital > 0) {
    p.Heading("转增股本");
    p.Debit("盈余公积", reserveToCapital);
    p.Credit("股本", reserveToCapital);
  }
}

constexpr Item kItems[] = {Section("提取盈余公积"),     Field(1, "净利润"),      Field(2, "年初未分配利润"),
                           Field(3, "提取比例"),        Section("盈余公积补亏"), Field(4, "盈余公积补亏"),
                           Section("盈余公积转增资本"), Field(5, "转增资本")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm123{
    .id = "Form123",
    .columns = kColumns,
    .press = PressForm123,
};

}  // namespace varnello
