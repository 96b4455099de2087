// Form5: a loan carried at amortised cost, from lending to impairment.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm5(Press& p) {
  Figure principal = p.Read(1), futureCashFlow = p.Read(2), couponRate = p.Read(3), effectiveRate = p.Read(4);
  p.Read(5);  // the term is read but takes part in no amount
  Figure principalRepaid = p.Read(6);
  Figure principalWithInterest = p.Check(couponRate * principal + principal);
  Figure interestIncome = p.Check(couponRate * principal);
  Figure impairmentLoss = p.Check(principalWithInterest - futureCashFlow);
  Figure amortisedCost = p.Check((futureCashFlow - principalRepaid) + effectiveRate * futureCashFlow);
  Figure impairedInterest = p.Check(effectiveRate * futureCashFlow);
  p.Heading("本年发放贷款");
  p.Debit("贷款-本金", principal);
  p.Credit("吸收存款", principal);
  p.Blank();
  p.Heading("本年年末利息收入");
  p.Debit("应收利息", interestIncome);
  p.Credit("利息收入", interestIncome);
  p.Blank();
  p.Heading("明年年底，确认贷款利息");
  p.Debit("应收利息", interestIncome);
  p.Credit("利息收入", interestIncome);
  p.Blank();
  p.Heading("财务困难年份确认损失");
  p.Debit("资产减值损失", impairmentLoss);
  p.Credit("贷款减值损失", impairmentLoss);
  p.Blank();
  p.Heading("实际收到贷款");
  p.Debit("存放中央银行款项", principalRepaid);
  p.Line("贷款-已减值", principalRepaid);
  p.Blank();
  p.Heading("贷款减值准备");
  p.Debit("贷款减值准备", impairedInterest);
  p.Credit("利息收入", impairedInterest);
  p.Blank();
  p.Heading("摊余成本");
  p.Line("贷款摊余成本", amortisedCost);
}

constexpr Item kItems[] = {Field(1, "支付价款（总）"), Field(2, "未来现金流"), Field(3, "票面利率"),
                           Field(4, "实际利率"),       Field(5, "年限"),       Field(6, "已偿还本金")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm5{
    .id = "Form5",
    .width = 10935,
    .height = 9375,
    .columns = kColumns,
    .press = PressForm5,
};

}  // namespace varnello
