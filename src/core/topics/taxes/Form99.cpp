// Form99: individual income tax withheld from wages, and the enterprise income tax charged and
// paid. Each case prints only when its guard field is positive.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm99(Press& p) {
  Figure wages = p.Read(1), incomeTaxWithheld = p.Read(2), profit = p.Read(3), interestIncome = p.Read(4),
         taxRate = p.Read(5);
  if (incomeTaxWithheld > 0) {
    p.Heading("计提并发放工资");
    p.Debit("应付职工薪酬", wages);
    p.Credit("应交税费-应交个税", incomeTaxWithheld);
    Figure net = p.Check(wages - incomeTaxWithheld);
    p.Credit("银行存款", net);
  }
  if (taxRate > 0) {
    p.Heading("计提时");
    Figure incomeTax = p.Check((profit - interestIncome) * taxRate);  // interest income is not taxed
    p.Debit("所得税费用", incomeTax);
    p.Credit("应交税费-应交所得税", incomeTax);
    p.Blank();
    p.Heading("上交时");
    p.Debit("应交税费-应交所得税", incomeTax);
    p.Credit("银行存款", incomeTax);
  }
}

constexpr Item kItems[] = {Section("个人所得税"), Field(1, "应付工资"), Field(2, "个税"),
                           Section("企业所得税"), Field(3, "利润总额"), Field(4, "利息收入"),
                           Field(5, "所得税税率")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm99{
    .id = "Form99",
    .columns = kColumns,
    .press = PressForm99,
};

}  // namespace varnello
