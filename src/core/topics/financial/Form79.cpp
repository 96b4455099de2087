// Form79: discounting a note at a monthly rate, a loan that falls overdue, and a note kept on
// deposit and discounted. The three groups follow one another without blank lines.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm79(Press& p) {
  Figure faceValue = p.Read(1), monthlyDiscountRate = p.Read(2), discountDays = p.Read(3),
         overdueLoan = p.Read(4), depositedFaceValue = p.Read(5), annualRate = p.Read(6);
  Figure depositDays = p.Read(7), discountRate = p.Read(8), depositedTermDays = p.Read(9);
  Figure discount = p.Check(((monthlyDiscountRate * faceValue) * discountDays) / 30,
                            "贴现息");  // discount: the monthly rate applies per 30 days
  Figure proceeds = p.Check(faceValue - discount);
  if (faceValue > 0 && monthlyDiscountRate > 0 && discountDays > 0) {
    p.Heading("票据贴现");
    p.Debit("银行存款", proceeds);
    p.Debit("财务费用", discount);
    p.Credit("应收票据", faceValue);
  }
  if (overdueLoan > 0) {
    p.Heading("逾期贷款");
    p.Debit("应收账款", overdueLoan);
    p.Credit("短期借款", overdueLoan);
  }
  Figure maturityValue = p.Check(((annualRate * depositedTermDays) / 360 + 1) * depositedFaceValue,
                                 "到期值");  // value of the second note at maturity
  Figure depositedDiscount = p.Check(((maturityValue * discountRate) * depositDays) / 360);
  Figure depositedProceeds = p.Check(maturityValue - depositedDiscount);
  Figure depositedGain = p.Check(depositedProceeds - depositedFaceValue);
  // The note's term is not tested: an empty term still discounts the face amount.
  if (depositedFaceValue > 0 && annualRate > 0 && depositDays > 0 && discountRate > 0) {
    p.Heading("票据存取贴现");
    p.Debit("银行存款", depositedProceeds);
    p.Credit("应收票据", depositedFaceValue);
    p.Credit("财务费用", depositedGain);
  }
}

constexpr Item kItems[] = {Section("票据贴现"),        Field(1, "票面金额"),   Field(2, "月贴现率"),
                           Field(3, "贴现期限（天）"), Section("逾期贷款"),    Field(4, "短期借款"),
                           Section("票据存取贴现"),    Field(5, "票据面额"),   Field(6, "年利率"),
                           Field(9, "贴现期限(天)"),   Field(7, "存期（天）"), Field(8, "贴现利率")};
constexpr Column kColumns[] = {kItems};
// Fields in the order a user fills them in, which is not by field number here.
constexpr int kFillOrder[] = {1, 2, 3, 4, 5, 6, 9, 7, 8};

}  // namespace

extern constexpr TopicDesc kForm79{
    .id = "Form79",
    .width = 10200,
    .height = 11895,
    .columns = kColumns,
    .press = PressForm79,
    .fillOrder = kFillOrder,
};

}  // namespace varnello
