// Form117: additional money contributed, and reserves converted into paid-in capital.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm117(Press& p) {
  Figure money = p.Read(1), surplusReserve = p.Read(2), capitalReserve = p.Read(3);
  if (money > 0) {
    p.Heading("收到投资");
    p.Debit("银行存款", money);
    p.Credit("实收资本", money);
  }
  p.Blank();
  // The capital reserve entry comes before the surplus reserve entry.
  if (capitalReserve > 0) {
    p.Heading("资本公积");
    p.Debit("资本公积", capitalReserve);
    p.Credit("实收资本", capitalReserve);
  }
  p.Blank();
  if (surplusReserve > 0) {
    p.Heading("盈余公积");
    p.Debit("盈余公积", surplusReserve);
    p.Credit("实收资本", surplusReserve);
  }
}

constexpr Item kItems[] = {Section("追加投资"),  Field(1, "资金投资"),      Section("投资转盈余公积"),
                           Field(2, "盈余公积"), Section("投资转资本公积"), Field(3, "资本公积")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm117{
    .id = "Form117",
    .columns = kColumns,
    .press = PressForm117,
};

}  // namespace varnello
