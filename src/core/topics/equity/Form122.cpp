// Form122: the investor's share of an increase in an investee's capital reserve.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm122(Press& p) {
  Figure A = p.Read(1), s = p.Read(2);
  p.Heading("增加资本公积");
  Figure share = p.Check(s * A);
  p.Line("长期股权投资（借）", share);
  p.Line("资本公积", share);
}

const TopicRegistration reg{{
    .name = "Form122",
    .columns = {{Field(1, "增加资本公积"), Field(2, "股份比例")}},
    .press = PressForm122,
}};

}  // namespace
}  // namespace varnello
