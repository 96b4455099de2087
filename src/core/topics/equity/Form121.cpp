// Form121: an issue of shares at a premium, the broker's commission taken from the proceeds and
// charged against the share premium.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm121(Press& p) {
  Figure shareCount = p.Read(1), parValue = p.Read(2), issuePrice = p.Read(3), commissionRate = p.Read(4);
  // Every amount is checked before the first line, so an overflow prints nothing.
  Figure netProceeds = p.Check((issuePrice * shareCount) * (1 - commissionRate));
  Figure sharePremium =
      p.Check(((issuePrice - parValue) * shareCount) - ((issuePrice * shareCount) * commissionRate));
  Figure capital = p.Check(parValue * shareCount);
  p.Heading("发行股票");
  p.Debit("银行存款", netProceeds);
  p.Credit("股本", capital);
  p.Credit("资本公积-股本溢价", sharePremium);
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
