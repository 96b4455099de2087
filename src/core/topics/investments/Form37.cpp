// Form37: a bond held for trading, from purchase through fair-value changes to its sale.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm37(Press& p) {
  Figure pricePaid = p.Read(1), interestDue = p.Read(2), fees = p.Read(3), faceValue = p.Read(4),
         couponRate = p.Read(5), paymentsPerYear = p.Read(6), currentFairValue = p.Read(7), years = p.Read(8),
         salePrice = p.Read(9), priorFairValue = p.Read(10);
  p.Heading("购入债券");
  p.Debit("交易性金融资产-债券成本", faceValue);
  p.Debit("应收利息", interestDue);
  p.Debit("投资收益", fees);
  p.Credit("银行存款", pricePaid);
  p.Blank();

  p.Heading("收到利息");
  if (paymentsPerYear > 0) {
    Figure couponPayment = p.Div(couponRate * faceValue, paymentsPerYear, "每期利息");
    p.Debit("银行存款", couponPayment);
    p.Credit("应收利息", couponPayment);
  }
  p.Blank();

  p.Heading("公允价值变动");
  Figure fairValueChange = p.Check(currentFairValue - priorFairValue);
  if (fairValueChange > 0) {
    p.Debit("交易性金融资产-公允价值变动", fairValueChange);
    p.Credit("公允价值变动损益", fairValueChange);
  }
  if (fairValueChange < 0) {
    p.Debit("公允价值变动损益", -fairValueChange);
    p.Credit("交易性金融资产-公允价值变动", -fairValueChange);
  }
  p.Blank();

  // The fair-value change booked before the sale, and the gain on the sale. Each sign case of
  // the pair puts debits first, then the cost, then credits.
  Figure fairValueChangeBooked = p.Check(priorFairValue - faceValue);
  Figure gainOnSale = p.Check(salePrice - priorFairValue);
  p.Heading("出售债券");
  p.Debit("银行存款", salePrice);
  if (fairValueChangeBooked < 0) p.Debit("交易性金融资产-公允价值变动", -fairValueChangeBooked);
  if (gainOnSale < 0) p.Debit("投资收益", -gainOnSale);
  p.Credit("交易性金融资产-债券成本", faceValue);
  if (fairValueChangeBooked > 0) p.Credit("交易性金融资产-公允价值变动", fairValueChangeBooked);
  if (gainOnSale > 0) p.Credit("投资收益", gainOnSale);
  p.Blank();

  p.Heading("债券总利息");
  Figure totalInterest = p.Check((years * faceValue) * couponRate);
  p.Line("债券总利息", totalInterest);
}

constexpr Item kItems[] = {Field(1, "支付债价合计"),      Field(2, "未领取利息"), Field(3, "交易费用"),
                           Field(4, "债券面值/初期公允"), Field(5, "票面年利率"), Field(6, "年付息次数"),
                           Field(7, "当期公允价值"),      Field(8, "总年限"),     Field(9, "债券售价"),
                           Field(10, "前期公允价值")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm37{
    .id = "Form37",
    .columns = kColumns,
    .press = PressForm37,
};

}  // namespace varnello
