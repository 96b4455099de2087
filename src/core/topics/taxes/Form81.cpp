// Form81: goods sent out for processing, the fee and freight paid, and the goods taken back.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm81(Press& p) {
  Figure materialCost = p.Read(1), processingFee = p.Read(2), vat = p.Read(3), freightPaid = p.Read(4),
         freightVat = p.Read(5);
  p.Heading("交付劳务物资");
  p.Debit("委托加工物资", materialCost);
  p.Credit("库存商品", materialCost);
  p.Blank();
  p.Heading("支付加工费");
  p.Debit("委托加工物资", processingFee);
  p.Debit("应交税费-应交增值税", vat);
  Figure payable = p.Check(vat + processingFee);
  p.Credit("应付账款", payable);
  p.Blank();
  p.Heading("支付运费");
  Figure freightNetOfVat = p.Check(freightPaid - freightVat);
  p.Debit("委托加工物资", freightNetOfVat);
  p.Debit("应交税费-应交增值税（进）", freightVat);
  p.Credit("银行存款", freightPaid);
  p.Blank();
  p.Heading("收回货物");
  // The goods come back at freight plus processing fee.
  Figure goodsTakenBack = p.Check(freightPaid + processingFee);
  p.Debit("库存商品", goodsTakenBack);
  p.Credit("委托加工物资", goodsTakenBack);
  p.Blank();
  p.Heading("支付加工费");
  Figure paid = p.Check(vat + processingFee);
  p.Debit("应付账款", paid);
  p.Credit("银行存款", paid);
}

constexpr Item kItems[] = {Field(1, "物资成本"), Field(2, "加工费"), Field(3, "增值税"), Field(4, "运费"),
                           Field(5, "运费增值税额")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm81{
    .id = "Form81",
    .columns = kColumns,
    .press = PressForm81,
};

}  // namespace varnello
