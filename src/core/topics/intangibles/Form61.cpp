// Form61: a land-use right and the building on it, both written off over the years of use.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm61(Press& p) {
  Figure usefulYears = p.Read(1), landUseRight = p.Read(2), buildingPrice = p.Read(3);
  p.Heading("取得使用权");
  p.Line("无形资产（借）", landUseRight);
  p.Line("银行存款（贷）", landUseRight);
  p.Blank();
  p.Heading("固定资产交付使用");
  p.Line("固定资产（借）", buildingPrice);
  p.Line("银行存款（贷）", buildingPrice);
  p.Blank();
  if (usefulYears > 0) {
    p.Heading("摊销无形资产");
    Figure monthlyAmortisation = p.Div(landUseRight, usefulYears * 12);
    p.Line("管理费用（借）", monthlyAmortisation);
    Figure monthlyDepreciation = p.Div(buildingPrice, usefulYears * 12);
    p.Line("制造费用（借）", monthlyDepreciation);
    p.Line("累计摊销（贷）", monthlyAmortisation);
    p.Line("累计折旧（贷）", monthlyDepreciation);
  }
}

constexpr Item kItems[] = {Field(1, "使用年限"), Field(2, "无形资产使用权"), Field(3, "固定资产价格")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm61{
    .id = "Form61",
    .columns = kColumns,
    .press = PressForm61,
};

}  // namespace varnello
