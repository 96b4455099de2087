// Form112: non-operating income received together with the tax due on it.
#include "core/topics/sales/postings.h"

namespace varnello {
namespace {

void PressForm112(Press& p) {
  Figure income = p.Read(1), tax = p.Read(2);
  Figure received = p.Check(tax + income);
  p.Debit("银行存款", received);
  p.Credit("应交税费", tax);
  p.Credit("营业外收入", income);
}

constexpr auto kItems = postings::TwoFields("营业外收入：企业转让固定资产、处置无形资产、确认的政府补助利得",
                                            "营业外收入", "应交税费");
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm112{
    .id = "Form112",
    .columns = kColumns,
    .press = PressForm112,
};

}  // namespace varnello
