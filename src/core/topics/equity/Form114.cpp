// Form114: carries the year's net profit (with the opening balance, less a loss brought forward)
// into undistributed profit, and distributes it to surplus reserves and dividends.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm114(Press& p) {
  // The window has no field Text4.
  Figure N1 = p.Read(1), N2 = p.Read(2), L = p.Read(3), R1 = p.Read(5), R2 = p.Read(6), D1 = p.Read(7),
         D2 = p.Read(8);

  // The undistributed balance is checked before anything is printed.
  Figure B = p.Check((((((N2 + N1) - L) - R1) - R2) - D1) - D2);
  if (B > 0) {
    p.Line("未分配利润总（贷）", B);
  } else if (B < 0) {
    p.Line("未分配利润总（借）", B);  // printed negative, as computed
  } else {
    p.Line("未分配利润总", B);
  }
  p.Blank();

  p.Heading("结转净利润");
  Figure V = p.Check((N2 + N1) - L);
  if (V < 0) {
    // A net loss: the entry is reversed, both amounts printed negative as computed.
    p.Line("利润分配-未分配利润（借）", V);
    p.Line("本年利润（贷）", V);
  } else {
    p.Line("本年利润（借）", V);
    p.Line("利润分配-未分配利润（贷）", V);
  }
  p.Blank();

  Figure R = p.Check(R2 + R1);
  Figure D = p.Check(D2 + D1);
  p.Heading("结转盈余公积和股利");
  p.Line("利润分配-提取法定盈余公积（借）", R1);
  p.Line("利润分配-提取任意盈余公积（借）", R2);
  p.Line("利润分配-分配优先股利（借）", D1);
  p.Line("利润分配-分配普通股利（借）", D2);
  p.Line("盈余公积（贷）", R);
  p.Line("应付股利（贷）", D);
  p.Blank();

  p.Heading("结转利润分配");
  Figure A = p.Check(((R2 + R1) + D1) + D2);
  p.Line("利润分配-未分配利润（借）", A);
  p.Line("利润分配-提取法定盈余公积（贷）", R1);
  p.Line("利润分配-提取任意盈余公积（贷）", R2);
  p.Line("利润分配-分配优先股利（贷）", D1);
  p.Line("利润分配-分配普通股利（贷）", D2);
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
