// Form23: manufacturing overheads paid with their input VAT.
#include "core/topics/sales/postings.h"

namespace varnello {
namespace {

void PressForm23(Press& p) {
  postings::PressExpense(p, {.account = "制造费用"});
}

constexpr auto kItems = postings::TwoFields("制造费用：包括间接材料费、折旧费、低值易耗品等", "制造费用",
                                            "应交税费-应交增值税（进）");
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm23{
    .id = "Form23",
    .columns = kColumns,
    .press = PressForm23,
};

}  // namespace varnello
