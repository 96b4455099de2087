// Form120: a new investor pays more than the share of capital granted; the excess is a premium.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm120(Press& p) {
  Figure existingCapital = p.Read(1), contributed = p.Read(2), share = p.Read(3);
  p.Heading("资本溢价");
  p.Debit("银行存款", contributed);
  Figure paidInCapital = p.Check(share * existingCapital);
  p.Credit("实收资本", paidInCapital);
  Figure capitalPremium = p.Check(contributed - paidInCapital);
  p.Credit("资本公积-资本溢价", capitalPremium);
}

constexpr Item kItems[] = {Field(1, "现有投资"), Field(2, "追加投资"), Field(3, "占有股份")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm120{
    .id = "Form120",
    .columns = kColumns,
    .press = PressForm120,
};

}  // namespace varnello
