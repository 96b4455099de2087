// Form102: a short-term bank loan with its term in months.
#include "core/engine/topic.h"
#include "core/topics/payroll/short_loan.h"

namespace varnello {
namespace {

void PressForm102(Press& p) {
  Figure loan = p.Read(1), annualRate = p.Read(2), termMonths = p.Read(3);
  PrintShortTermLoan(p, loan, annualRate, termMonths, LoanTerm::Months);
}

constexpr Item kItems[] = {Field(1, "银行借款"), Field(2, "年利率"), Field(3, "期限（月）")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm102{
    .id = "Form102",
    .columns = kColumns,
    .press = PressForm102,
};

}  // namespace varnello
