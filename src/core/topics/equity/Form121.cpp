// Form121: an issue of shares at a premium, the broker's commission taken from the proceeds and
// charged against the share premium.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm121(Press& p) {
  Figure N = p.Read(1), F = p.Read(2), P = p.Read(3), k = p.Read(4);
  // Every amount is checked before the first line, so an overflow prints nothing.
  Figure G = p.Check((P * N) * (1 - k));
  Figure H = p.Check(((P - F) * N) - ((P * N) * k));
  Figure capital = p.Check(F * N);
  p.Heading("发行股票");
  p.Line("银行存款（借）", G);
  p.Line("股本（贷）", capital);
  p.Line("资本公积-股本溢价（贷）", H);
}

constexpr Item kItems[] = {Field(1, "股票数量"), Field(2, "股票面值"), Field(3, "发行面值"),
                           Field(4, "佣金比例")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm121{
    .id = "Form121",
    .columns = kColumns,
    .press = PressForm121,
};

}  // namespace varnello
