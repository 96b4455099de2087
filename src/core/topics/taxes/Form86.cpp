// Form86: the monthly VAT settlement; every amount is printed as typed.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm86(Press& p) {
  Figure lastMonthUnpaid = p.Read(1), thisMonthDue = p.Read(2), thisMonthUnpaid = p.Read(3);
  p.Heading("本月上缴上月未交增值税");
  p.Debit("应交税费-未交增值税", lastMonthUnpaid);
  p.Credit("银行存款", lastMonthUnpaid);
  p.Blank();
  p.Heading("本月上缴上月应交增值税");
  p.Debit("应交税费-未交增值税", thisMonthDue);
  p.Credit("银行存款", thisMonthDue);
  p.Blank();
  p.Heading("转出本月未交增值税");
  p.Debit("应交税费-应交增值税", thisMonthUnpaid);
  p.Credit("应交税费-未交增值税", thisMonthUnpaid);
}

constexpr Item kItems[] = {Field(1, "上月未缴增值税"), Field(2, "本月应缴增值税"),
                           Field(3, "本月未缴增值税")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm86{
    .id = "Form86",
    .columns = kColumns,
    .press = PressForm86,
};

}  // namespace varnello
