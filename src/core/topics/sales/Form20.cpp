// Form20: an amount advanced on another's behalf, with its VAT, and its later collection.
#include "core/topics/sales/postings.h"

namespace varnello {
namespace {

void PressForm20(Press& p) {
  Figure advanced = p.Read(1), vat = p.Read(2);
  p.Heading("垫付款项");
  p.Debit("其他应收款", advanced);
  p.Debit("应交税费-应交增值税", vat);
  Figure total = p.Check(vat + advanced);
  p.Credit("银行存款", total);
  p.Blank();
  p.Heading("收回款项");
  p.Debit("银行存款", total);
  p.Credit("其他应收款", advanced);
  p.Credit("应交税费-应交增值税", vat);
}

constexpr auto kItems = postings::TwoFields("其他应收款：收取保险公司赔款、职工垫款备用金租金、押金等",
                                            "其他应收款", "应交税费-应交增值税（销）");
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm20{
    .id = "Form20",
    .columns = kColumns,
    .press = PressForm20,
};

}  // namespace varnello
