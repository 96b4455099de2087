// Form26: production costs paid with their input VAT.
#include "core/topics/sales/postings.h"

namespace varnello {
namespace {

void PressForm26(Press& p) {
  postings::PressExpense(p, {.account = "生产成本"});
}

constexpr auto kItems = postings::TwoFields("生产成本：包括直接材料费、直接人工、制造费用等", "生产成本",
                                            "应交税费-应交增值税（进）");
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm26{
    .id = "Form26",
    .columns = kColumns,
    .press = PressForm26,
};

}  // namespace varnello
