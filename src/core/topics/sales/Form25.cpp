// Form25: other expenses paid with their input VAT.
#include "core/topics/sales/postings.h"

namespace varnello {
namespace {

void PressForm25(Press& p) {
  postings::PressExpense(p, {.account = "其他费用"});
}

constexpr auto kItems =
    postings::TwoFields("其他费用：包括车间管理人员工资,辅料消耗,生产设备折旧费,设备维修费等", "其他费用",
                        "应交税费-应交增值税（进）");
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm25{
    .id = "Form25",
    .columns = kColumns,
    .press = PressForm25,
};

}  // namespace varnello
