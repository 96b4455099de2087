// Form103: a short-term loan with its term in quarters, and a long-term loan with yearly interest.
#include "core/engine/topic.h"
#include "core/topics/payroll/short_loan.h"

namespace varnello {
namespace {

void PressForm103(Press& p) {
  Figure shortTermLoan = p.Read(1), shortTermRate = p.Read(2), termQuarters = p.Read(3),
         longTermLoan = p.Read(4), longTermRate = p.Read(5), termYears = p.Read(6);
  if (shortTermLoan > 0)
    PrintShortTermLoan(p, shortTermLoan, shortTermRate, termQuarters, LoanTerm::Quarters);
  if (longTermLoan > 0) {
    p.Heading("取得借款");
    p.Debit("银行存款", longTermLoan);
    p.Credit("长期借款", longTermLoan);
    p.Blank();
    p.Heading("年末计息");
    Figure yearlyInterest = p.Check(longTermRate * longTermLoan);
    p.Debit("财务费用-利息费", yearlyInterest);
    p.Credit("应付利息", yearlyInterest);
    p.Blank();
    p.Heading("偿还利息");
    Figure interestPaid = p.Check((longTermRate * longTermLoan) * termYears);
    p.Debit("应付利息", interestPaid);
    p.Credit("银行存款", interestPaid);
    p.Blank();
    // The final repayment carries one year's interest, and its captions have no side marker.
    p.Heading("最后一年还本付息");
    p.Line("长期借款", longTermLoan);
    p.Line("应付利息", yearlyInterest);
    Figure total = p.Check(longTermLoan + yearlyInterest);
    p.Line("银行存款", total);
  }
}

// The short-term case stands in the right column, the long-term case in the left one.
constexpr Item kColumn1[] = {Section("长期借款"), Field(4, "银行借款"), Field(5, "年利率"),
                             Field(6, "期限（年）")};
constexpr Item kColumn2[] = {Section("短期长期借款"), Field(1, "银行借款"), Field(2, "年利率"),
                             Field(3, "期限（季）")};
constexpr Column kColumns[] = {kColumn1, kColumn2};

}  // namespace

extern constexpr TopicDesc kForm103{
    .id = "Form103",
    .columns = kColumns,
    .press = PressForm103,
};

}  // namespace varnello
