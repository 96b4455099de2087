// Form76: a sale paid partly in advance: the advance, the delivery, and the balance received.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm76(Press& p) {
  Figure salesPrice = p.Read(1), outputVat = p.Read(2), advance = p.Read(3);
  p.Heading("收到预付款");
  p.Line("银行存款（借）", advance);
  p.Line("预收账款（贷）", advance);
  p.Blank();
  p.Heading("发出货物");
  Figure receivable = p.Check(salesPrice + outputVat);
  p.Line("预收账款（借）", receivable);
  p.Line("主营业务收入（贷）", salesPrice);
  p.Line("应交税费-应交增值税（销）（贷）", outputVat);
  p.Blank();
  p.Heading("收到余款");
  Figure balance = p.Check(receivable - advance);
  p.Line("银行存款（借）", balance);
  p.Line("预收账款（贷）", balance);
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
