// Form40: a fixed asset taken out of service and invested in another enterprise.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm40(Press& p) {
  Figure O = p.Read(1), Dp = p.Read(2), Ev = p.Read(3), F = p.Read(4);
  p.Heading("固定资产转入清理");
  Figure N = p.Check(O - Dp, "账面净值");  // net book value
  p.Line("固定资产清理（借）", N);
  p.Line("累计折旧（借）", Dp);
  p.Line("固定资产（贷）", O);
  p.Blank();
  p.Heading("办理转移权");
  Figure I = p.Check(F + Ev, "投资成本");  // cost of the investment
  Figure X = p.Check((N + F) - I);         // loss; negative when the appraisal exceeds the net value
  p.Line("长期股权投资（借）", I);
  p.Line("营业外支出（借）", X);
  p.Line("银行存款（贷）", F);
  p.Line("固定资产清理（贷）", N);
}

constexpr Item kItems[] = {Field(1, "固定资产账面原价"), Field(2, "已提折旧"), Field(3, "固定资产评估价值"),
                           Field(4, "相关税费")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm40{
    .id = "Form40",
    .columns = kColumns,
    .press = PressForm40,
};

}  // namespace varnello
