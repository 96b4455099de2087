// Form9: a lasting fall of a bond's price.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm9(Press& p) {
  Figure A = p.Read(1), V = p.Read(2), i = p.Read(3);
  Figure W = p.Check(A - V);
  p.Line("本年末资产减值损失", W);
  p.Blank();
  p.Line("本年末账面价值", A);
  p.Blank();
  Figure I = p.Check(i * A);
  p.Line("年末投资收益", I);
}

constexpr Item kItems[] = {Field(1, "购入面值"), Field(2, "公允价值降至"), Field(3, "票面利率")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm9{
    .id = "Form9",
    .width = 9675,
    .height = 8670,
    .columns = kColumns,
    .press = PressForm9,
};

}  // namespace varnello
