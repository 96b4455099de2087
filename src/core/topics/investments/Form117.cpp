// Form117: additional money contributed, and reserves converted into paid-in capital.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm117(Press& p) {
  Figure M = p.Read(1), Sv = p.Read(2), Cr = p.Read(3);
  if (M > 0) {
    p.Heading("收到投资");
    p.Line("银行存款（借）", M);
    p.Line("实收资本（贷）", M);
  }
  p.Blank();
  // The capital reserve entry comes before the surplus reserve entry.
  if (Cr > 0) {
    p.Heading("资本公积");
    p.Line("资本公积（借）", Cr);
    p.Line("实收资本（贷）", Cr);
  }
  p.Blank();
  if (Sv > 0) {
    p.Heading("盈余公积");
    p.Line("盈余公积（借）", Sv);
    p.Line("实收资本（贷）", Sv);
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
