// Form21: selling expenses paid with their input VAT and closed to the year's profit.
#include "core/topics/sales/postings.h"

namespace varnello {
namespace {

void PressForm21(Press& p) {
  postings::PressExpense(p, {.account = "销售费用", .closingHeading = "结转销售费用"});
}

constexpr auto kItems = postings::TwoFields(
    "销售费用：包括销售商品过程中发生的保险费、包装费、展览费和广告费、商品维修费、运费等", "销售费用",
    "应交税费-应交增值税（进）");
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm21{
    .id = "Form21",
    .columns = kColumns,
    .press = PressForm21,
};

}  // namespace varnello
