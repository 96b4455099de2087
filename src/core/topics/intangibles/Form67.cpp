// Form67: long-term deferred expenses, and those of a construction project.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm67(Press& p) {
  Figure deferredExpense = p.Read(1), deferralPeriods = p.Read(2), materialsUsed = p.Read(3), vat = p.Read(4),
         labourCost = p.Read(5), projectWages = p.Read(6), projectYears = p.Read(7);
  if (deferralPeriods > 0) {
    p.Heading("长期待摊费用");
    p.Debit("长期待摊费用", deferredExpense);
    p.Credit("银行存款", deferredExpense);
    p.Blank();
    Figure periodCharge = p.Div(deferredExpense, deferralPeriods);
    p.Debit("制造费用", periodCharge);
    p.Credit("长期待摊费用", periodCharge);
    p.Blank();
  }
  if (projectYears > 0) {
    // The project's entries begin with a journal line, without a heading.
    Figure materials = p.Check(vat + materialsUsed);
    p.Debit("长期待摊费用", materials);
    p.Credit("原材料", materialsUsed);
    p.Credit("应交税费-应交增值税", vat);
    p.Blank();
    p.Heading("提供劳务");
    p.Debit("长期待摊费用", labourCost);
    p.Credit("生产成本", labourCost);
    p.Blank();
    p.Heading("计提薪酬");
    p.Debit("长期待摊费用", projectWages);
    p.Credit("应付职工薪酬", projectWages);
    p.Blank();
    Figure projectTotal = p.Check(((vat + materialsUsed) + labourCost) + projectWages);
    Figure monthlyCharge = p.Div(projectTotal, projectYears * 12);
    p.Debit("管理费用", monthlyCharge);
    p.Credit("长期待摊费用", monthlyCharge);
  }
}

constexpr Item kItems[] = {Section("长期待摊费用"),     Field(1, "长期待摊费用"), Field(2, "待摊时间"),
                           Section("工程长期待摊费用"), Field(3, "领用生产材料"), Field(4, "增值税"),
                           Field(5, "劳务支出"),        Field(6, "工程人员薪酬"), Field(7, "时间（年）")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm67{
    .id = "Form67",
    .columns = kColumns,
    .press = PressForm67,
};

}  // namespace varnello
