// Form124: a cash dividend declared partly out of profit distribution and partly out of surplus
// reserve, and its payment. The parts are printed as typed; nothing checks that they add up.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm124(Press& p) {
  Figure dividendPayable = p.Read(1), fromProfit = p.Read(2), fromReserve = p.Read(3);
  p.Heading("发放现金股利");
  p.Debit("利润分配", fromProfit);
  p.Debit("盈余公积", fromReserve);
  p.Credit("应付股利", dividendPayable);
  p.Blank();
  p.Heading("支付股利");
  p.Debit("应付股利", dividendPayable);
  p.Credit("银行存款", dividendPayable);
}

constexpr Item kItems[] = {Field(1, "应付股利"), Field(2, "可调用股利"), Field(3, "盈余公积")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm124{
    .id = "Form124",
    .columns = kColumns,
    .press = PressForm124,
};

}  // namespace varnello
