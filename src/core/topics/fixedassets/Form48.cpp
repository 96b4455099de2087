// Form48: a fixed asset built by the enterprise from bought materials, own products and wages.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm48(Press& p) {
  Figure projectMaterials = p.Read(1), materialsVat = p.Read(2), productCost = p.Read(3), wages = p.Read(4),
         installationFee = p.Read(5), installationVat = p.Read(6);
  p.Heading("购入工程物资");
  p.Debit("工程物资", projectMaterials);
  p.Debit("应交税费-应交增值税（进）", materialsVat);
  Figure paid = p.Check(materialsVat + projectMaterials);
  p.Credit("银行存款", paid);
  p.Blank();
  p.Heading("领用全部物资");
  p.Debit("在建工程", projectMaterials);
  p.Credit("工程物资", projectMaterials);
  p.Blank();
  p.Heading("生产实际成本");
  p.Debit("在建工程", productCost);
  p.Credit("库存商品", productCost);
  p.Blank();
  p.Heading("分配薪酬");
  p.Debit("在建工程", wages);
  p.Credit("应付职工薪酬", wages);
  p.Blank();
  Figure installationPaid = p.Check(installationVat + installationFee);
  p.Heading("支付安装费");
  p.Debit("在建工程", installationFee);
  p.Debit("应交税费-应交增值税（进）", installationVat);
  p.Credit("银行存款", installationPaid);
  p.Blank();
  p.Heading("转入固定资产成本");
  Figure assetCost = p.Check(((productCost + projectMaterials) + wages) + installationFee);
  p.Debit("固定资产", assetCost);
  p.Credit("在建工程", assetCost);
}

constexpr Item kItems[] = {Field(1, "工程物资"), Field(2, "工程增值税"), Field(3, "生产实际成本"),
                           Field(4, "工人工资"), Field(5, "安装费"),     Field(6, "安装增值税")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm48{
    .id = "Form48",
    .columns = kColumns,
    .press = PressForm48,
};

}  // namespace varnello
