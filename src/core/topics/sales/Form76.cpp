// Form76: a sale paid partly in advance: the advance, the delivery, and the balance received.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm76(Press& p) {
  Figure S = p.Read(1), V = p.Read(2), A = p.Read(3);
  p.Heading("收到预付款");
  p.Line("银行存款（借）", A);
  p.Line("预收账款（贷）", A);
  p.Blank();
  p.Heading("发出货物");
  Figure T = p.Check(S + V);
  p.Line("预收账款（借）", T);
  p.Line("主营业务收入（贷）", S);
  p.Line("应交税费-应交增值税（销）（贷）", V);
  p.Blank();
  p.Heading("收到余款");
  Figure rest = p.Check(T - A);
  p.Line("银行存款（借）", rest);
  p.Line("预收账款（贷）", rest);
}

constexpr Item kItems[] = {Field(1, "售价"), Field(2, "增值税"), Field(3, "预收款")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm76{
    .id = "Form76",
    .columns = kColumns,
    .press = PressForm76,
};

}  // namespace varnello
