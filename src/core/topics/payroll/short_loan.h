// The entries of a short-term bank loan over its life: receipt, monthly interest accrual,
// quarterly interest payment, repayment of principal, and repayment with the whole interest.
#pragma once

#include "core/engine/press.h"

namespace varnello {

// The unit in which a short-term loan's term is typed.
enum class LoanTerm { Months, Quarters };

inline void PrintShortTermLoan(Press& p, Figure loan, Figure annualRate, Figure term, LoanTerm unit) {
  p.Heading("借入时");
  p.Line("银行存款（借）", loan);
  p.Line("短期借款（贷）", loan);
  p.Blank();
  p.Heading("每月计提");
  Figure monthlyInterest = p.Check((annualRate * loan) / 12);
  p.Line("财务费用（借）", monthlyInterest);
  p.Line("应付利息（贷）", monthlyInterest);
  p.Blank();
  p.Heading("每季度支付利息");
  Figure quarterlyInterest = p.Check(monthlyInterest * 3);
  p.Line("应付利息（借）", quarterlyInterest);
  p.Line("银行存款（贷）", quarterlyInterest);
  p.Blank();
  p.Heading("归还本金");
  p.Line("短期借款（借）", loan);
  p.Line("银行存款（贷）", loan);
  p.Blank();
  p.Heading("还本付息");
  // Interest of the whole term: a term in quarters is turned into months first.
  Figure termInterest =
      unit == LoanTerm::Months ? p.Check(monthlyInterest * term) : p.Check((monthlyInterest * term) * 3);
  Figure total = p.Check(termInterest + loan);
  p.Line("短期借款（借）", loan);
  p.Line("财务费用（借）", termInterest);
  p.Line("银行存款（贷）", total);
}

}  // namespace varnello
