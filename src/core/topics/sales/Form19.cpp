// Form19: administrative expenses paid with their input VAT and closed to the year's profit.
#include "core/topics/sales/postings.h"

namespace varnello {
namespace {

void PressForm19(Press& p) {
  postings::PressExpense(p, {.account = "管理费用", .closingHeading = "结转管理费用"});
}

constexpr auto kItems = postings::TwoFields("管理费用：包括公司经费、劳动保险费、董事会会费等", "管理费用",
                                            "应交税费-应交增值税（进）");
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm19{
    .id = "Form19",
    .columns = kColumns,
    .press = PressForm19,
};

}  // namespace varnello
