// Form49: a fixed asset built by a contractor, with a supplementary payment and completion.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm49(Press& p) {
  Figure contractPayment = p.Read(1), contractVat = p.Read(2), supplementaryPayment = p.Read(3),
         supplementaryVat = p.Read(4);
  p.Heading("出包工程");
  p.Debit("在建工程", contractPayment);
  Figure contractPaid = p.Check(contractVat + contractPayment);
  p.Debit("应交税费-应交增值税（进）", contractVat);
  p.Credit("银行存款", contractPaid);
  p.Blank();
  p.Heading("补付工程款");
  p.Debit("在建工程", supplementaryPayment);
  Figure supplementaryPaid = p.Check(supplementaryVat + supplementaryPayment);
  p.Debit("应交税费-应交增值税（进）", supplementaryVat);
  p.Line("银行存款", supplementaryPaid);  // this bank line carries no side marker
  p.Blank();
  p.Heading("工程完工");
  Figure assetCost = p.Check(supplementaryPayment + contractPayment);
  p.Debit("固定资产", assetCost);
  p.Credit("在建工程", assetCost);
}

constexpr Item kItems[] = {Field(1, "固定资产款"), Field(2, "工程增值税额"), Field(3, "补付款"),
                           Field(4, "补付增值税")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm49{
    .id = "Form49",
    .columns = kColumns,
    .press = PressForm49,
};

}  // namespace varnello
