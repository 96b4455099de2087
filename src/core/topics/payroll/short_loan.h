// The entries of a short-term bank loan over its life: receipt, monthly interest accrual,
// quarterly interest payment, repayment of principal, and repayment with the whole interest.
#pragma once

#include "core/engine/press.h"

namespace varnello {

// The unit in which a short-term loan's term is typed.
enum class LoanTerm { Months, Quarters };

inline void PrintShortTermLoan(Press& p, Figure L, Figure i, Figure term, LoanTerm unit) {
  p.Heading("借入时");
  p.Line("银行存款（借）", L);
  p.Line("短期借款（贷）", L);
  p.Blank();
  p.Heading("每月计提");
  Figure M = p.Check((i * L) / 12);
  p.Line("财务费用（借）", M);
  p.Line("应付利息（贷）", M);
  p.Blank();
  p.Heading("每季度支付利息");
  Figure quarter = p.Check(M * 3);
  p.Line("应付利息（借）", quarter);
  p.Line("银行存款（贷）", quarter);
  p.Blank();
  p.Heading("归还本金");
  p.Line("短期借款（借）", L);
  p.Line("银行存款（贷）", L);
  p.Blank();
  p.Heading("还本付息");
  // Interest of the whole term: a term in quarters is turned into months first.
  Figure J = unit == LoanTerm::Months ? p.Check(M * term) : p.Check((M * term) * 3);
  Figure total = p.Check(J + L);
  p.Line("短期借款（借）", L);
  p.Line("财务费用（借）", J);
  p.Line("银行存款（贷）", total);
}

}  // namespace varnello
