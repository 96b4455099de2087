// Form2: a rise in the price of held shares and the surplus reserves drawn from it.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm2(Press& p) {
  Figure T = p.Read(1), D = p.Read(2), r1 = p.Read(3), r2 = p.Read(4);
  Figure X = p.Check(D + T);
  p.Heading("股价变动");
  p.Line("交易性金融资产-公允价值变动（借）", X);
  p.Line("利润分配-未分配利润（贷）", D);
  p.Line("递延所得税负债（贷）", T);
  p.Blank();
  Figure Y = p.Check((r2 + r1) * D);
  p.Heading("提取盈余公积");
  p.Line("利润分配-未分配利润（借）", Y);
  p.Line("盈余公积（贷）", Y);
}

constexpr Item kItems[] = {Field(1, "所得税影响"), Field(2, "税后净利润差异"), Field(3, "法定盈余公积比例"),
                           Field(4, "任意盈余公积比例")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm2{
    .id = "Form2",
    .width = 9915,
    .height = 9360,
    .columns = kColumns,
    .press = PressForm2,
};

}  // namespace varnello
