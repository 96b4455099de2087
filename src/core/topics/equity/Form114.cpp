// Form114: carries the year's net profit (with the opening balance, less a loss brought forward)
// into undistributed profit, and distributes it to surplus reserves and dividends.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm114(Press& p) {
  // The window has no field Text4.
  Figure currentNetProfit = p.Read(1), openingNetProfit = p.Read(2), lossBroughtForward = p.Read(3),
         statutoryReserve = p.Read(5), discretionaryReserve = p.Read(6), preferredDividend = p.Read(7),
         commonDividend = p.Read(8);

  // The undistributed balance is checked before anything is printed.
  Figure undistributedBalance =
      p.Check((((((openingNetProfit + currentNetProfit) - lossBroughtForward) - statutoryReserve) -
                discretionaryReserve) -
               preferredDividend) -
              commonDividend);
  if (undistributedBalance > 0) {
    p.Line("未分配利润总（贷）", undistributedBalance);
  } else if (undistributedBalance < 0) {
    p.Line("未分配利润总（借）", undistributedBalance);  // printed negative, as computed
  } else {
    p.Line("未分配利润总", undistributedBalance);
  }
  p.Blank();

  p.Heading("结转净利润");
  Figure netProfitCarried = p.Check((openingNetProfit + currentNetProfit) - lossBroughtForward);
  if (netProfitCarried < 0) {
    // A net loss: the entry is reversed, both amounts printed negative as computed.
    p.Line("利润分配-未分配利润（借）", netProfitCarried);
    p.Line("本年利润（贷）", netProfitCarried);
  } else {
    p.Line("本年利润（借）", netProfitCarried);
    p.Line("利润分配-未分配利润（贷）", netProfitCarried);
  }
  p.Blank();

  Figure reserves = p.Check(discretionaryReserve + statutoryReserve);
  Figure dividendsPayable = p.Check(commonDividend + preferredDividend);
  p.Heading("结转盈余公积和股利");
  p.Line("利润分配-提取法定盈余公积（借）", statutoryReserve);
  p.Line("利润分配-提取任意盈余公积（借）", discretionaryReserve);
  p.Line("利润分配-分配优先股利（借）", preferredDividend);
  p.Line("利润分配-分配普通股利（借）", commonDividend);
  p.Line("盈余公积（贷）", reserves);
  p.Line("应付股利（贷）", dividendsPayable);
  p.Blank();

  p.Heading("结转利润分配");
  Figure distributed =
      p.Check(((discretionaryReserve + statutoryReserve) + preferredDividend) + commonDividend);
  p.Line("利润分配-未分配利润（借）", distributed);
  p.Line("利润分配-提取法定盈余公积（贷）", statutoryReserve);
  p.Line("利润分配-提取任意盈余公积（贷）", discretionaryReserve);
  p.Line("利润分配-分配优先股利（贷）", preferredDividend);
  p.Line("利润分配-分配普通股利（贷）", commonDividend);
}

constexpr Item kItems[] = {Field(1, "本年利润-净利润"),  Field(2, "年初余额-净利润"),
                           Field(3, "年初亏损"),         Field(5, "提取法定盈余公积"),
                           Field(6, "提取任意盈余公积"), Field(7, "分配优先股利"),
                           Field(8, "分配普通股利")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm114{
    .id = "Form114",
    .columns = kColumns,
    .press = PressForm114,
};

}  // namespace varnello
