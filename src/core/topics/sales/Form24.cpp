// Form24: finance costs paid with their input VAT and closed to the year's profit.
#include "core/topics/sales/postings.h"

namespace varnello {
namespace {

void PressForm24(Press& p) {
  postings::PressExpense(p, {.account = "财务费用", .closingHeading = "结转财务费用"});
}

constexpr auto kItems = postings::TwoFields("财务费用：包括利息支出、汇兑损失、手续费等", "财务费用",
                                            "应交税费-应交增值税（进）");
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm24{
    .id = "Form24",
    .columns = kColumns,
    .press = PressForm24,
};

}  // namespace varnello
