// Form110: a warehouse destroyed: write-off to disposal, salvage, clearing costs, insurance, and
// the net result to non-operating expense (a net loss prints negative).
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm110(Press& p) {
  Figure R = p.Read(1), B = p.Read(2), D = p.Read(3), C = p.Read(4), I = p.Read(5);
  p.Line("固定资产清理（借）", p.Check(B - D));
  p.Line("累计折旧（借）", D);
  p.Line("固定资产（贷）", B);
  p.Blank();
  p.Line("原材料（借）", R);
  p.Line("固定资产清理（贷）", R);
  p.Blank();
  p.Line("固定资产清理（借）", C);
  p.Line("银行存款（贷）", C);
  p.Blank();
  p.Line("其他应收款（借）", I);
  p.Line("固定资产清理（贷）", I);
  p.Blank();
  Figure Z = p.Check(((I + R) - (B - D)) - C);
  p.Line("营业外支出（借）", Z);
  p.Line("固定资产清理（贷）", Z);
}

constexpr Item kItems[] = {Field(1, "残料估值"), Field(2, "账面原值"), Field(3, "计提累计折旧"),
                           Field(4, "支付清理费"), Field(5, "保险公司赔款")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm110{
    .id = "Form110",
    .columns = kColumns,
    .press = PressForm110,
};

}  // namespace varnello
