// Form32: raw materials found in surplus at a stocktaking, before and after approval.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm32(Press& p) {
  Figure surplus = p.Read(5);  // the window's only field is Text5
  p.Heading("原材料盘盈");
  p.Heading("批准前");
  p.Debit("原材料", surplus);
  p.Credit("待处理财产损溢-待处理流动资产损溢", surplus);
  p.Blank();
  p.Heading("批准后");
  p.Debit("待处理财产损溢-待处理流动资产损溢", surplus);
  p.Credit("原材料", surplus);
}

constexpr Item kItems[] = {Field(5, "原材料盘盈")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm32{
    .id = "Form32",
    .columns = kColumns,
    .press = PressForm32,
};

}  // namespace varnello
