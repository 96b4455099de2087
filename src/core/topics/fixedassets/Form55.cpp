// Form55: a fixed asset under a finance lease, from installation to the end of the lease.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm55(Press& p) {
  Figure totalRent = p.Read(1), yearlyRent = p.Read(2), finalPayment = p.Read(3), leaseTaxes = p.Read(4),
         installationFee = p.Read(5);
  p.Heading("安装税费");
  Figure installationCost = p.Check(installationFee + leaseTaxes);
  p.Debit("固定资产-融资租入固定资产", installationCost);
  p.Credit("银行存款", installationCost);
  p.Blank();
  // The lease itself, printed without a heading of its own.
  Figure leasedAssetCost = p.Check(finalPayment + totalRent);
  p.Debit("固定资产-融资租入固定资产", leasedAssetCost);
  p.Credit("长期应付款-租赁费", leasedAssetCost);
  p.Blank();
  p.Heading("每年支付租赁费");
  p.Debit("长期应付款-租赁费", yearlyRent);
  p.Credit("银行存款", yearlyRent);
  p.Blank();
  p.Heading("租赁期满");
  p.Debit("长期应付款-租赁费", finalPayment);
  p.Credit("银行存款", finalPayment);
  p.Blank();
  Figure assetCost = p.Check(installationCost + leasedAssetCost);
  p.Heading("购入固定资产");
  p.Debit("固定资产-生产用固定资产", assetCost);
  p.Credit("固定资产-融资租入固定资产", assetCost);
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
