// Form88: export refund by the exempt-credit-refund method. Prints the month's calculation, then
// the entries; which offset, refund and closing entries print depends on the signs of the tax
// payable and of the exempt credit (the exempt-credit-refund amount plus the tax payable).
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm88(Press& p) {
  Figure exportRevenue = p.Read(1), domesticRevenue = p.Read(2), outputVat = p.Read(3),
         materialPrice = p.Read(4), inputVat = p.Read(5), inputVatCarriedForward = p.Read(6),
         levyRate = p.Read(7), refundRate = p.Read(8);
  // Each figure is computed just before the line that first shows it, so a fault leaves the
  // calculation lines printed so far.
  Figure notExemptedTax = p.Check((levyRate - refundRate) * exportRevenue, "不得免征和抵扣税额");
  p.Line("当月不得免征额", notExemptedTax);
  Figure taxPayable = p.Check(
      ((levyRate * domesticRevenue) - (inputVat - notExemptedTax)) - inputVatCarriedForward, "应纳税额");
  p.Line("当月应纳税额", taxPayable);
  Figure exemptCreditRefund = p.Check(refundRate * exportRevenue, "免抵退税额");
  p.Line("免抵退税额", exemptCreditRefund);
  if (taxPayable >= 0) p.Line("当期免抵退税额", exemptCreditRefund);
  Figure exemptCredit = p.Check(exemptCreditRefund + taxPayable);
  if (taxPayable < 0 && exemptCredit >= 0) p.Line("当期免抵退税额", exemptCredit);
  if (taxPayable < 0 && exemptCredit < 0) p.Line("当期免抵退税额", exemptCreditRefund);
  p.Blank();

  p.Heading("购进原材料时");
  p.Debit("原材料", materialPrice);
  p.Debit("应交税费-应交增值税（进）", inputVat);
  Figure bought = p.Check(inputVat + materialPrice);
  p.Credit("应付账款/银行存款", bought);
  p.Blank();
  p.Heading("销售时");
  Figure receivable = p.Check((domesticRevenue + exportRevenue) + outputVat);
  p.Debit("应收账款/银行存款", receivable);
  p.Credit("主营业务收入-出口", exportRevenue);
  p.Credit("主营业务收入-内销", domesticRevenue);
  p.Credit("应交税费-应交增值税（销）", outputVat);
  p.Blank();

  p.Heading("不予免抵税额");
  p.Debit("主营业务成本-出口", notExemptedTax);
  p.Credit("应交税费-应交增值税（进项税额转出）", notExemptedTax);
  p.Blank();

  p.Heading("出口抵减内销产品应纳税额");
  if (taxPayable >= 0) {
    p.Debit("应交税费-应交增值税（出口抵减内销产品）", exemptCreditRefund);
    p.Credit("应交税费-应交增值税（出口退税）", exemptCreditRefund);
  }
  // An exempt credit of exactly 0 with a negative tax payable prints none of the offset or refund
  // entries.
  if (taxPayable < 0 && exemptCredit > 0) {
    p.Debit("应交税费-应交增值税（出口抵减内销产品）", exemptCredit);
    p.Credit("应交税费-应交增值税（出口退税）", exemptCredit);
  }
  if (taxPayable < 0 && exemptCredit < 0) {
    p.Debit("其他应收款-出口退税", exemptCreditRefund);
    p.Credit("应交税费-应交增值税（出口退税）", exemptCreditRefund);
    p.Blank();
    p.Heading("收到退税");
    p.Debit("银行存款", exemptCreditRefund);
    p.Credit("其他应收款-出口退税", exemptCreditRefund);
  }
  p.Blank();

  if (taxPayable > 0) {
    p.Heading("结转本月未交增值税");
    p.Debit("应交税费 - 应交增值税(转出未交)", taxPayable);
    p.Credit("应交税费-未交增值税", taxPayable);
  }
  if (taxPayable < 0 && exemptCredit > 0) {
    p.Heading("出口退税");
    p.Debit("银行存款", -taxPayable);
    p.Credit("其他应收款-出口退税", -taxPayable);
  }
}

constexpr Item kItems[] = {Field(1, "出口收入"),       Field(2, "内销收入"), Field(3, "销项税额"),
                           Field(4, "购进原材料价格"), Field(5, "进项税额"), Field(6, "留抵进项税"),
                           Field(7, "征税率"),         Field(8, "退税率")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm88{
    .id = "Form88",
    .columns = kColumns,
    .press = PressForm88,
};

}  // namespace varnello
