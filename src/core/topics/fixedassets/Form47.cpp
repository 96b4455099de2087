// Form47: purchase of a fixed asset that is installed with own materials and wages.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm47(Press& p) {
  Figure assetPrice = p.Read(1), vat = p.Read(2), installationFreight = p.Read(3),
         installationVatRate = p.Read(4), materialsUsed = p.Read(5);
  p.Read(6);  // the materials' tax is shown on the window but enters no amount
  Figure installationWages = p.Read(7), amountPaid = p.Read(8);
  Figure totalOwed =
      p.Check((vat + assetPrice) + installationFreight, "应付总额");  // everything owed for the asset
  Figure deductibleInputTax =
      p.Check((installationVatRate * installationFreight) + vat, "可抵扣进项税额");  // deductible input tax
  Figure constructionCost =
      p.Check(totalOwed - deductibleInputTax, "在建工程成本");  // cost taken into construction in progress
  Figure bankPaid = p.Check(amountPaid + installationFreight, "银行支付");  // paid from the bank
  Figure accountsPayable = p.Check(totalOwed - bankPaid, "应付账款");       // left owing to the supplier
  p.Heading("购买安装");
  p.Debit("在建工程", constructionCost);
  p.Debit("应交税费-应交增值税（进）", deductibleInputTax);
  p.Credit("银行存款", bankPaid);
  p.Credit("应付账款", accountsPayable);
  p.Blank();
  Figure installationCost = p.Check(installationWages + materialsUsed);
  p.Heading("领用材料");
  p.Debit("在建工程", installationCost);
  p.Credit("原材料", materialsUsed);
  p.Credit("应付职工薪酬", installationWages);
  p.Blank();
  p.Heading("安装交付使用");
  Figure assetCost = p.Check(constructionCost + installationCost);
  p.Debit("固定资产", assetCost);
  p.Credit("在建工程", assetCost);
}

constexpr Item kItems[] = {Field(1, "固定资产价格"),     Field(2, "增值税"),       Field(3, "安装运输费"),
                           Field(4, "安装运输增值税率"), Field(5, "安装领用材料"), Field(6, "材料增值税"),
                           Field(7, "安装工资"),         Field(8, "支付价款")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm47{
    .id = "Form47",
    .columns = kColumns,
    .press = PressForm47,
};

}  // namespace varnello
