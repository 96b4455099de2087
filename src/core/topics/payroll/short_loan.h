// The entries of a short-term bank loan over its life: receipt, monthly interest accrual,
// quarterly interest payment, repayment of principal, and repayment with the whole interest.
#pragma once

#include "core/engine/press.h"

namespace varnello {

// The unit in which a short-term loan's term is typed.
enum class LoanTerm { Months, Quarters };

inline void PrintShortTermLoan(Press& p, Figure loan, Figure annualRate, Figure term, LoanTerm unit) {
  p.Heading("借入时");
  p.Debit("银行存款", loan);
  p.Credit("短期借款", loan);
  p.Blank();
  p.Heading("每月计提");
  Figure monthlyInterest = p.Check((annualRate * loan) / 12);
  p.Debit("财务费用", monthlyInterest);
  p.Credit("应付利息", monthlyInterest);
  p.Blank();
  p.Heading("每季度支付利息");
  Figure quarterlyInterest = p.Check(monthlyInterest * 3);
  p.Debit("应付利息", quarterlyInterest);
  p.Credit("银行存款", quarterlyInterest);
  p.Blank();
  p.Heading("归还本金");
  p.Debit("短期借款", loan);
  p.Credit("银行存款", loan);
  p.Blank();
  p.Heading("还本付息");
  // Interest of the whole term: a term in quarters is turned into months first.
  Figure termInterest =
      unit == LoanTerm::Months ? p.Check(monthlyInterest * term) : p.Check((monthlyInterest * term) * 3);
  Figure total = p.Check(termInterest + loan);
  p.Debit("短期借款", loan);
  p.Debit("财务费用", termInterest);
  p.Credit("银行存款", total);
}

}  // namespace varnello
