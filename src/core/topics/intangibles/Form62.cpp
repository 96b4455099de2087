// Form62: a patent developed in-house and registered.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm62(Press& p) {
  Figure developmentCost = p.Read(1), materials = p.Read(2), wages = p.Read(3), otherCosts = p.Read(4),
         registrationFee = p.Read(5), legalFees = p.Read(6), capitalisedSpending = p.Read(7);
  // The total development cost is printed as typed; it is not reconciled with its parts.
  p.Heading("研发费用");
  p.Debit("研发支出", developmentCost);
  p.Credit("原材料", materials);
  p.Credit("应付职工薪酬", wages);
  p.Credit("银行存款", otherCosts);
  p.Blank();
  p.Heading("申请成功");
  Figure cost = p.Check((legalFees + registrationFee) + capitalisedSpending);
  p.Debit("无形资产", cost);
  Figure fees = p.Check(legalFees + registrationFee);
  p.Credit("银行存款", fees);
  p.Credit("研发支出", capitalisedSpending);
}

constexpr Item kItems[] = {Field(1, "开发费用"),  Field(2, "研发材料费"), Field(3, "人员工资"),
                           Field(4, "其他费用"),  Field(5, "专利登记费"), Field(6, "律师费用"),
                           Field(7, "资本化支出")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm62{
    .id = "Form62",
    .columns = kColumns,
    .press = PressForm62,
};

}  // namespace varnello
