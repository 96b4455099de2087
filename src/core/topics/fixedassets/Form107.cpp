// Form107: a fixed asset leased long-term: yearly rent, monthly depreciation, end of lease.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm107(Press& p) {
  Figure leasePayments = p.Read(1), leaseTerm = p.Read(2), residualValue = p.Read(3);
  p.Heading("租赁开始");
  p.Debit("固定资产", leasePayments);
  p.Credit("长期应付款", leasePayments);
  p.Blank();
  p.Heading("支付租金");
  // Not guarded: an empty or zero term ends the press here as a division by zero.
  Figure yearlyRent = p.Div(leasePayments, leaseTerm, "每年租金");
  p.Debit("长期应付款", yearlyRent);
  p.Credit("银行存款", yearlyRent);
  p.Blank();
  p.Heading("每月计提折旧");
  Figure monthlyDepreciation = p.Div(leasePayments - residualValue, leaseTerm * 12, "每月折旧");
  p.Debit("制造费用", monthlyDepreciation);
  p.Credit("累计折旧", monthlyDepreciation);
  p.Blank();
  p.Heading("租赁期满");
  p.Debit("固定资产", leasePayments);
  p.Credit("固定资产", leasePayments);
}

constexpr Item kItems[] = {Field(1, "付款总额"), Field(2, "租期"), Field(3, "净残值")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm107{
    .id = "Form107",
    .columns = kColumns,
    .press = PressForm107,
};

}  // namespace varnello
