// Form67: long-term deferred expenses, and those of a construction project.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm67(Press& p) {
  Figure deferredExpense = p.Read(1), deferralPeriods = p.Read(2), materialsUsed = p.Read(3), vat = p.Read(4),
         labourCost = p.Read(5), projectWages = p.Read(6), projectYears = p.Read(7);
  if (deferralPeriods > 0) {
    p.Heading("长期待摊费用");
    p.Line("长期待摊费用（借）", deferredExpense);
    p.Line("银行存款（贷）", deferredExpense);
    p.Blank();
    Figure periodCharge = p.Div(deferredExpense, deferralPeriods);
    p.Line("制造费用（借）", periodCharge);
    p.Line("长期待摊费用（贷）", periodCharge);
    p.Blank();
  }
  if (projectYears > 0) {
    // The project's entries begin with a journal line, without a heading.
    Figure materials = p.Check(vat + materialsUsed);
    p.Line("长期待摊费用（借）", materials);
    p.Line("原材料（贷）", materialsUsed);
    p.Line("应交税费-应交增值税（贷）", vat);
    p.Blank();
    p.Heading("提供劳务");
    p.Line("长期待摊费用（借）", labourCost);
    p.Line("生产成本（贷）", labourCost);
    p.Blank();
    p.Heading("计提薪酬");
    p.Line("长期待摊费用（借）", projectWages);
    p.Line("应付职工薪酬（贷）", projectWages);
    p.Blank();
    Figure projectTotal = p.Check(((vat + materialsUsed) + labourCost) + projectWages);
    Figure monthlyCharge = p.Div(projectTotal, projectYears * 12);
    p.Line("管理费用（借）", monthlyCharge);
    p.Line("长期待摊费用（贷）", monthlyCharge);
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
