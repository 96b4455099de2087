// Form76: a sale paid partly in advance: the advance, the delivery, and the balance received.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm76(Press& p) {
  Figure salesPrice = p.Read(1), outputVat = p.Read(2), advance = p.Read(3);
  p.Heading("收到预付款");
  p.Debit("银行存款", advance);
  p.Credit("预收账款", advance);
  p.Blank();
  p.Heading("发出货物");
  Figure receivable = p.Check(salesPrice + outputVat);
  p.Debit("预收账款", receivable);
  p.Credit("主营业务收入", salesPrice);
  p.Credit("应交税费-应交增值税（销）", outputVat);
  p.Blank();
  p.Heading("收到余款");
  Figure balance = p.Check(receivable - advance);
  p.Debit("银行存款", balance);
  p.Credit("预收账款", balance);
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
