// Form55: a fixed asset under a finance lease, from installation to the end of the lease.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm55(Press& p) {
  Figure totalRent = p.Read(1), yearlyRent = p.Read(2), finalPayment = p.Read(3), leaseTaxes = p.Read(4),
         installationFee = p.Read(5);
  p.Heading("安装税费");
  Figure installationCost = p.Check(installationFee + leaseTaxes);
  p.Line("固定资产-融资租入固定资产（借）", installationCost);
  p.Line("银行存款（贷）", installationCost);
  p.Blank();
  // The lease itself, printed without a heading of its own.
  Figure leasedAssetCost = p.Check(finalPayment + totalRent);
  p.Line("固定资产-融资租入固定资产（借）", leasedAssetCost);
  p.Line("长期应付款-租赁费（贷）", leasedAssetCost);
  p.Blank();
  p.Heading("每年支付租赁费");
  p.Line("长期应付款-租赁费（借）", yearlyRent);
  p.Line("银行存款（贷）", yearlyRent);
  p.Blank();
  p.Heading("租赁期满");
  p.Line("长期应付款-租赁费（借）", finalPayment);
  p.Line("银行存款（贷）", finalPayment);
  p.Blank();
  Figure assetCost = p.Check(installationCost + leasedAssetCost);
  p.Heading("购入固定资产");
  p.Line("固定资产-生产用固定资产（借）", assetCost);
  p.Line("固定资产-融资租入固定资产（贷）", assetCost);
}

constexpr Item kItems[] = {Field(1, "租金总额"), Field(2, "每年支付"), Field(3, "到期支付"),
                           Field(4, "租赁税费"), Field(5, "安装费")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm55{
    .id = "Form55",
    .columns = kColumns,
    .press = PressForm55,
};

}  // namespace varnello
