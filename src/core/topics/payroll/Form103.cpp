// Form103: a short-term loan with its term in quarters, and a long-term loan with yearly interest.
#include "core/engine/topic.h"
#include "core/topics/payroll/short_loan.h"

namespace varnello {
namespace {

void PressForm103(Press& p) {
  Figure L1 = p.Read(1), i1 = p.Read(2), q = p.Read(3), L2 = p.Read(4), i2 = p.Read(5), y = p.Read(6);
  if (L1 > 0) PrintShortTermLoan(p, L1, i1, q, LoanTerm::Quarters);
  if (L2 > 0) {
    p.Heading("取得借款");
    p.Line("银行存款（借）", L2);
    p.Line("长期借款（贷）", L2);
    p.Blank();
    p.Heading("年末计息");
    Figure A = p.Check(i2 * L2);
    p.Line("财务费用-利息费（借）", A);
    p.Line("应付利息（贷）", A);
    p.Blank();
    p.Heading("偿还利息");
    Figure B = p.Check((i2 * L2) * y);
    p.Line("应付利息（借）", B);
    p.Line("银行存款（贷）", B);
    p.Blank();
    // The final repayment carries one year's interest, and its captions have no side marker.
    p.Heading("最后一年还本付息");
    p.Line("长期借款", L2);
    p.Line("应付利息", A);
    Figure total = p.Check(L2 + A);
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
