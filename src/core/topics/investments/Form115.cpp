// Form115: money contributed for a share of the registered capital, the excess to capital reserve.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm115(Press& p) {
  Figure registeredCapital = p.Read(1), contributed = p.Read(2), share = p.Read(3);
  p.Debit("银行存款", contributed);
  Figure paidInCapital = p.Check(share * registeredCapital);
  p.Credit("实收资本", paidInCapital);
  Figure capitalReserve = p.Check(contributed - paidInCapital);
  p.Credit("资本公积", capitalReserve);
}

constexpr Item kItems[] = {Field(1, "注册资本"), Field(2, "投入资本"), Field(3, "投入占比")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm115{
    .id = "Form115",
    .columns = kColumns,
    .press = PressForm115,
};

}  // namespace varnello
