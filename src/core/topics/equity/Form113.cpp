// Form113: the year-end close of every income and expense account into the current-year profit
// account, the close of income tax, the transfer of the net profit (or loss) to undistributed
// profit, and the derived total and operating profit. Its fourth button leads on to the window
// that distributes the profit.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm113(Press& p) {
  Figure I1 = p.Read(1), I2 = p.Read(2), I3 = p.Read(3), I4 = p.Read(4), I5 = p.Read(5);
  Figure E1 = p.Read(6), E2 = p.Read(7), E3 = p.Read(8), E4 = p.Read(9), E5 = p.Read(10), E6 = p.Read(11),
         E7 = p.Read(12), E8 = p.Read(13);
  Figure X = p.Read(14);

  // Both totals are checked before anything is printed.
  Figure T = p.Check((((I2 + I1) + I3) + I4) + I5);
  Figure C = p.Check(((((((E2 + E1) + E3) + E4) + E5) + E6) + E7) + E8);

  p.Heading("结转收入");
  p.Line("主营业务收入（借）", I1);
  p.Line("其他业务收入（借）", I2);
  p.Line("公允价值变动损益（借）", I3);
  p.Line("投资收益（借）", I4);
  p.Line("营业外收入（借）", I5);
  p.Line("本年利润（贷）", T);
  p.Blank();

  p.Heading("结转支出");
  p.Line("本年利润（借）", C);
  p.Line("主营业务成本（贷）", E1);
  p.Line("其他业务成本（贷）", E2);
  p.Line("营业税金及附加（贷）", E3);
  p.Line("销售费用（贷）", E4);
  p.Line("管理费用（贷）", E5);
  p.Line("财务费用（贷）", E6);
  p.Line("资产减值损失（贷）", E7);
  p.Line("营业外支出（贷）", E8);
  p.Blank();

  p.Heading("结转所得税");
  p.Line("本年利润（借）", X);
  p.Line("所得税费用（贷）", X);
  p.Blank();

  p.Heading("结转本年利润");
  Figure P = p.Check((T - C) - X);
  if (P >= 0) {  // a zero result is closed as a profit
    p.Line("本年利润（借）", P);
    p.Line("利润分配-未分配利润（贷）", P);
  } else {
    // A loss: the same two captions in reverse order, with the loss as a positive figure.
    Figure loss = p.Check(-P);
    p.Line("利润分配-未分配利润（贷）", loss);
    p.Line("本年利润（借）", loss);
  }
  p.Blank();

  Figure beforeTax = p.Check(P + X);
  p.Line("利润总额", beforeTax);
  // Operating profit: non-operating expense added back, non-operating income taken out.
  Figure operating = p.Check(((P + X) + E8) - I5);
  p.Line("营业利润", operating);
}

constexpr Item kColumn1[] = {Field(1, "主营业务收入（贷）"), Field(2, "其他业务收入（贷）"),
                             Field(3, "公允价值变动损益（贷）"), Field(4, "投资收益（贷）"),
                             Field(5, "营业外收入（贷）")};
constexpr Item kColumn2[] = {
    Field(6, "主营业务成本（贷）"),  Field(7, "其他业务成本（贷）"), Field(8, "营业税金及附加（贷）"),
    Field(9, "销售费用（借）"),      Field(10, "管理费用（借）"),    Field(11, "财务费用（借）"),
    Field(12, "资产减值损失（借）"), Field(13, "营业外支出（借）"),  Field(14, "所得税费用（借）")};
constexpr Column kColumns[] = {kColumn1, kColumn2};
constexpr ExtraButton kExtraButtons[] = {{"Command4", "结转本年利润", "Form114"}};

}  // namespace

extern constexpr TopicDesc kForm113{
    .id = "Form113",
    .columns = kColumns,
    .press = PressForm113,
    .extraButtons = kExtraButtons,
};

}  // namespace varnello
