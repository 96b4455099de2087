// Form122: the investor's share of an increase in an investee's capital reserve.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm122(Press& p) {
  Figure capitalReserveIncrease = p.Read(1), shareRatio = p.Read(2);
  p.Heading("增加资本公积");
  Figure share = p.Check(shareRatio * capitalReserveIncrease);
  p.Debit("长期股权投资", share);
  p.Line("资本公积", share);
}

constexpr Item kItems[] = {Field(1, "增加资本公积"), Field(2, "股份比例")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm122{
    .id = "Form122",
    .columns = kColumns,
    .press = PressForm122,
};

}  // namespace varnello
