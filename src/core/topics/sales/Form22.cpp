// Form22: a sundry payable with its VAT, accrued and then paid.
#include "core/topics/sales/postings.h"

namespace varnello {
namespace {

void PressForm22(Press& p) {
  Figure payable = p.Read(1), inputVat = p.Read(2);
  p.Heading("计提付款");
  Figure total = p.Check(inputVat + payable);
  p.Debit("各种费用", total);
  p.Credit("其他应付款", payable);
  p.Credit("应交增值税（进）", inputVat);
  p.Blank();
  p.Heading("支付款项");
  p.Debit("其他应付款", payable);
  p.Debit("应交增值税（进）", inputVat);
  p.Credit("各种费用", total);
}

constexpr auto kItems = postings::TwoFields("其他应付款：应付租入固定资产和包装物的租金、暂付款项等",
                                            "其他应付款", "应交税费-应交增值税（进）");
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm22{
    .id = "Form22",
    .columns = kColumns,
    .press = PressForm22,
};

}  // namespace varnello
