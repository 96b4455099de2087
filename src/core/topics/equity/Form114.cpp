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
    p.Balance("未分配利润总", Side::Credit, undistributedBalance);
  } else if (undistributedBalance < 0) {
    p.Balance("未分配利润总", Side::Debit, undistributedBalance);  // printed negative, as computed
  } else {
    p.Balance("未分配利润总", Side::None, undistributedBalance);
  }
  p.Blank();

  p.Heading("结转净利润");
  Figure netProfitCarried = p.Check((openingNetProfit + currentNetProfit) - lossBroughtForward);
  if (netProfitCarried < 0) {
    // A net loss: the entry is reversed, both amounts printed negative as computed.
    p.Debit("利润分配-未分配利润", netProfitCarried);
    p.Credit("本年利润", netProfitCarried);
  } else {
    p.Debit("本年利润", netProfitCarried);
    p.Credit("利润分配-未分配利润", netProfitCarried);
  }
  p.Blank();

  Figure reserves = p.Check(discretionaryReserve + statutoryReserve);
  Figure dividendsPayable = p.Check(commonDividend + preferredDividend);
  p.Heading("结转盈余公积和股利");
  p.Debit("利润分配-提取法定盈余公积", statutoryReserve);
  p.Debit("利润分配-提取任意盈余公积", discretionaryReserve);
  p.Debit("利润分配-分配优先股利", preferredDividend);
  p.Debit("利润分配-分配普通股利", commonDividend);
  p.Credit("盈余公积", reserves);
  p.Credit("应付股利", dividendsPayable);
  p.Blank();

  p.Heading("结转利润分配");
  Figure distributed =
      p.Check(((discretionaryReserve + statutoryReserve) + preferredDividend) + commonDividend);
  p.Debit("利润分配-未分配利润", distributed);
  p.Credit("利润分配-提取法定盈余公积", statutoryReserve);
  p.Credit("利润分配-提取任意盈余公积", discretionaryReserve);
  p.Credit("利润分配-分配优先股利", preferredDividend);
  p.Credit("利润分配-分配普通股利", commonDividend);
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
