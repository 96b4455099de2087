// Form22: a sundry payable with its VAT, accrued and then paid.
#include "core/topics/sales/postings.h"

namespace varnello {
namespace {

void PressForm22(Press& p) {
  Figure payable = p.Read(1), inputVat = p.Read(2);
  p.Heading("计提付款");
  Figure total = p.Check(inputVat + payable);
  p.Line("各种费用（借）", total);
  p.Line("其他应付款（贷）", payable);
  p.Line("应交增值税（进）（贷）", inputVat);
  p.Blank();
  p.Heading("支付款项");
  p.Line("其他应付款（借）", payable);
  p.Line("应交增值税（进）（借）", inputVat);
  p.Line("各种费用（贷）", total);
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
