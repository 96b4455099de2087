// Form61: a land-use right and the building on it, both written off over the years of use.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm61(Press& p) {
  Figure N = p.Read(1), U = p.Read(2), B = p.Read(3);
  p.Heading("取得使用权");
  p.Line("无形资产（借）", U);
  p.Line("银行存款（贷）", U);
  p.Blank();
  p.Heading("固定资产交付使用");
  p.Line("固定资产（借）", B);
  p.Line("银行存款（贷）", B);
  p.Blank();
  if (N > 0) {
    p.Heading("摊销无形资产");
    Figure Mu = p.Div(U, N * 12);
    p.Line("管理费用（借）", Mu);
    Figure Mb = p.Div(B, N * 12);
    p.Line("制造费用（借）", Mb);
    p.Line("累计摊销（贷）", Mu);
    p.Line("累计折旧（贷）", Mb);
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
