// Form106: closes the year's net profit into undistributed profit, sets aside surplus reserve and
// declares a cash dividend, and shows the undistributed balance that remains.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm106(Press& p) {
  Figure openingUndistributed = p.Read(1), netProfit = p.Read(2), surplusReserve = p.Read(3),
         cashDividend = p.Read(4);
  p.Heading("结转本年利润");
  Figure total = p.Check(netProfit + openingUndistributed);
  p.Debit("本年利润", total);
  p.Credit("利润分配-未分配利润", total);
  p.Blank();
  p.Heading("发放股利");
  p.Debit("利润分配-盈余公积", surplusReserve);
  p.Debit("利润分配-应付利润", cashDividend);
  p.Credit("盈余公积", surplusReserve);
  p.Credit("应付利润", cashDividend);
  p.Blank();
  p.Heading("同时");
  Figure distributed = p.Check(cashDividend + surplusReserve);
  p.Debit("利润分配-未分配利润", distributed);
  p.Credit("利润分配-盈余公积", surplusReserve);
  p.Credit("利润分配-应付利润", cashDividend);
  p.Blank();
  Figure remaining = p.Check((netProfit + openingUndistributed) - (cashDividend + surplusReserve));
  p.Line("未分配利润（总）", remaining);
}

constexpr Item kItems[] = {Field(1, "年初未分配利润"), Field(2, "本年净利润"), Field(3, "盈余公积"),
                           Field(4, "现金股利")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm106{
    .id = "Form106",
    .columns = kColumns,
    .press = PressForm106,
};

}  // namespace varnello
