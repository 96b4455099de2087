// Form59: rebuilding of a fixed asset, partly by contract and partly with own materials.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm59(Press& p) {
  p.Read(1);  // the contract price is shown on the window but enters no amount
  Figure prepayment = p.Read(2), projectMaterials = p.Read(3), materialsVat = p.Read(4),
         productionMaterials = p.Read(5), productionMaterialsVat = p.Read(6), demolitionProceeds = p.Read(7),
         supplementaryPayment = p.Read(8);
  Figure materialsWithTax =
      p.Check(materialsVat + projectMaterials, "材料价税合计");  // materials bought, tax included
  p.Heading("购入工程物资");
  p.Debit("工程物资", materialsWithTax);
  p.Credit("银行存款", materialsWithTax);
  p.Blank();
  p.Heading("改建领用");
  p.Debit("在建工程", materialsWithTax);
  p.Credit("工程物资", materialsWithTax);
  p.Blank();
  p.Heading("预付承包工程款");
  p.Debit("在建工程", prepayment);
  p.Credit("银行存款", prepayment);
  p.Blank();
  p.Heading("领用企业生产用材料");
  Figure materialsUsed = p.Check(productionMaterialsVat + productionMaterials);
  p.Debit("在建工程", materialsUsed);
  p.Credit("原材料", productionMaterials);
  p.Credit("应交税费-应交增值税（进）", productionMaterialsVat);
  p.Blank();
  p.Heading("拆除材料变价收入");
  p.Debit("库存现金", demolitionProceeds);
  p.Credit("在建工程", demolitionProceeds);
  p.Blank();
  p.Heading("工程补付款");
  p.Debit("在建工程", supplementaryPayment);
  p.Credit("银行存款", supplementaryPayment);
  p.Blank();
  Figure rebuiltCost =
      p.Check((((materialsWithTax + prepayment) + materialsUsed) - demolitionProceeds) + supplementaryPayment,
              "改扩建后原价");  // cost of the rebuilt asset
  p.Heading("改建固定资产");
  p.Debit("固定资产", rebuiltCost);
  p.Credit("在建工程", rebuiltCost);
}

constexpr Item kItems[] = {Field(1, "工程承包费用"), Field(2, "预付工程款"),   Field(3, "购入工程物资"),
                           Field(4, "增值税"),       Field(5, "领用生产材料"), Field(6, "生产材料增值税"),
                           Field(7, "拆除收入"),     Field(8, "补付款")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm59{
    .id = "Form59",
    .columns = kColumns,
    .press = PressForm59,
};

}  // namespace varnello
