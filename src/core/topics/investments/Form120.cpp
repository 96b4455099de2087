// Form120: a new investor pays more than the share of capital granted; the excess is a premium.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm120(Press& p) {
  Figure existingCapital = p.Read(1), contributed = p.Read(2), share = p.Read(3);
  p.Heading("资本溢价");
  p.Line("银行存款（借）", contributed);
  Figure paidInCapital = p.Check(share * existingCapital);
  p.Line("实收资本（贷）", paidInCapital);
  Figure capitalPremium = p.Check(contributed - paidInCapital);
  p.Line("资本公积-资本溢价（贷）", capitalPremium);
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
