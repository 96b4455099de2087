// Form46: purchase of a fixed asset that needs no installation, paid at once or by instalments.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm46(Press& p) {
  Figure assetPrice = p.Read(1), relatedTaxes = p.Read(2), insurance = p.Read(3), downPayment = p.Read(4),
         instalments = p.Read(5);
  Figure totalPrice = p.Check(relatedTaxes + assetPrice);
  p.Heading("购置固定资产（无需安装不抵扣）");
  p.Debit("固定资产", totalPrice);
  p.Credit("银行存款", totalPrice);
  p.Blank();
  p.Heading("购置固定资产（无需安装可抵扣）");
  p.Debit("固定资产", assetPrice);
  p.Debit("应交税费-应交增值税", relatedTaxes);
  p.Credit("银行存款", totalPrice);
  p.Blank();
  p.Heading("支付保险费");
  p.Debit("管理费用-财产保险费", insurance);
  p.Credit("银行存款", insurance);
  p.Blank();
  p.Heading("若分期付款");
  p.Debit("固定资产", totalPrice);
  p.Credit("银行存款", downPayment);
  Figure unpaid = p.Check(totalPrice - downPayment, "未付款");  // left owing after the down payment
  p.Credit("长期应付款", unpaid);
  p.Blank();
  p.Heading("支付保险费");
  p.Debit("管理费用-财产保险费", insurance);
  p.Credit("银行存款", insurance);
  p.Blank();
  if (instalments > 0) {
    p.Heading("分期付款");
    Figure instalment = p.Div(unpaid, instalments, "每期付款额");  // one instalment
    p.Debit("长期应付款", instalment);
    p.Credit("银行存款", instalment);
  }
}

constexpr Item kItems[] = {Field(1, "固定资产原价"), Field(2, "相关税费"), Field(3, "保险费"),
                           Field(4, "首付款"), Field(5, "支付次数")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm46{
    .id = "Form46",
    .columns = kColumns,
    .press = PressForm46,
};

}  // namespace varnello
