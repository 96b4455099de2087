// Form61: a land-use right and the building on it, both written off over the years of use.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm61(Press& p) {
  Figure usefulYears = p.Read(1), landUseRight = p.Read(2), buildingPrice = p.Read(3);
  p.Heading("取得使用权");
  p.Debit("无形资产", landUseRight);
  p.Credit("银行存款", landUseRight);
  p.Blank();
  p.Heading("固定资产交付使用");
  p.Debit("固定资产", buildingPrice);
  p.Credit("银行存款", buildingPrice);
  p.Blank();
  if (usefulYears > 0) {
    p.Heading("摊销无形资产");
    Figure monthlyAmortisation = p.Div(landUseRight, usefulYears * 12);
    p.Debit("管理费用", monthlyAmortisation);
    Figure monthlyDepreciation = p.Div(buildingPrice, usefulYears * 12);
    p.Debit("制造费用", monthlyDepreciation);
    p.Credit("累计摊销", monthlyAmortisation);
    p.Credit("累计折旧", monthlyDepreciation);
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
