// Form113: the year-end close of every income and expense account into the current-year profit
// account, the close of income tax, the transfer of the net profit (or loss) to undistributed
// profit, and the derived total and operating profit. Its fourth button leads on to the window
// that distributes the profit.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm113(Press& p) {
  Figure mainRevenue = p.Read(1), otherRevenue = p.Read(2), fairValueGain = p.Read(3),
         investmentIncome = p.Read(4), nonOperatingIncome = p.Read(5);
  Figure mainCost = p.Read(6), otherCost = p.Read(7), businessTaxes = p.Read(8), sellingExpenses = p.Read(9),
         adminExpenses = p.Read(10), financeExpenses = p.Read(11), impairmentLoss = p.Read(12),
         nonOperatingExpense = p.Read(13);
  Figure incomeTax = p.Read(14);

  // Both totals are checked before anything is printed.
  Figure totalIncome =
      p.Check((((otherRevenue + mainRevenue) + fairValueGain) + investmentIncome) + nonOperatingIncome);
  Figure totalExpense = p.Check(
      ((((((otherCost + mainCost) + businessTaxes) + sellingExpenses) + adminExpenses) + financeExpenses) +
       impairmentLoss) +
      nonOperatingExpense);

  p.Heading("结转收入");
  p.Debit("主营业务收入", mainRevenue);
  p.Debit("其他业务收入", otherRevenue);
  p.Debit("公允价值变动损益", fairValueGain);
  p.Debit("投资收益", investmentIncome);
  p.Debit("营业外收入", nonOperatingIncome);
  p.Credit("本年利润", totalIncome);
  p.Blank();

  p.Heading("结转支出");
  p.Debit("本年利润", totalExpense);
  p.Credit("主营业务成本", mainCost);
  p.Credit("其他业务成本", otherCost);
  p.Credit("营业税金及附加", businessTaxes);
  p.Credit("销售费用", sellingExpenses);
  p.Credit("管理费用", adminExpenses);
  p.Credit("财务费用", financeExpenses);
  p.Credit("资产减值损失", impairmentLoss);
  p.Credit("营业外支出", nonOperatingExpense);
  p.Blank();

  p.Heading("结转所得税");
  p.Debit("本年利润", incomeTax);
  p.Credit("所得税费用", incomeTax);
  p.Blank();

  p.Heading("结转本年利润");
  Figure netProfit = p.Check((totalIncome - totalExpense) - incomeTax);
  if (netProfit >= 0) {  // a zero result is closed as a profit
    p.Debit("本年利润", netProfit);
    p.Credit("利润分配-未分配利润", netProfit);
  } else {
    // A loss: the same two captions in reverse order, with the loss as a positive figure.
    Figure loss = p.Check(-netProfit);
    p.Credit("利润分配-未分配利润", loss);
    p.Debit("本年利润", loss);
  }
  p.Blank();

  Figure beforeTax = p.Check(netProfit + incomeTax);
  p.Line("利润总额", beforeTax);
  // Operating profit: non-operating expense added back, non-operating income taken out.
  Figure operating = p.Check(((netProfit + incomeTax) + nonOperatingExpense) - nonOperatingIncome);
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
