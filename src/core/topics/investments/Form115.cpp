// Form115: money contributed for a share of the registered capital, the excess to capital reserve.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm115(Press& p) {
  Figure R = p.Read(1), M = p.Read(2), s = p.Read(3);
  p.Line("银行存款（借）", M);
  Figure K = p.Check(s * R);
  p.Line("实收资本（贷）", K);
  Figure X = p.Check(M - K);
  p.Line("资本公积（贷）", X);
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
