// Form43: a lot of long-term bonds bought, its interest and amortisation, and its transfer.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm43(Press& p) {
  Figure quantity = p.Read(1), faceValue = p.Read(2), price = p.Read(3), fees = p.Read(4),
         couponRate = p.Read(5), years = p.Read(6), netProceeds = p.Read(7), yearsHeld = p.Read(8);
  p.Heading("购入债券");
  Figure purchasePrice = p.Check(price * quantity, "买价");
  Figure cost = p.Check(purchasePrice + fees, "成本");
  Figure totalFaceValue = p.Check(faceValue * quantity, "面值");
  // Positive for a premium, negative for a discount.
  Figure premium = p.Check(cost - totalFaceValue, "溢折价");
  p.Debit("长期债权投资-面值", totalFaceValue, SideMark::Half);
  if (premium > 0) p.Debit("长期债权投资-溢折价", premium);
  p.Credit("银行存款", cost);
  if (premium < 0) p.Credit("长期债权投资-溢折价", -premium);
  p.Blank();

  // Interest and amortisation exist only for a positive amortisation term; otherwise they stay
  // uncomputed: their lines print captions alone and they count as 0 below.
  FigureHolder interest, amortisation, investmentIncome;
  if (years > 0) {
    p.Heading("计提利息");
    interest = p.Check(totalFaceValue * couponRate);
    amortisation = p.Div(premium, years);
    investmentIncome = p.Check(interest.value() - amortisation.value());
    p.Debit("应收利息", interest);
    if (amortisation.value() < 0) p.Debit("长期债权投资", -amortisation.value());
    if (amortisation.value() > 0) p.Credit("长期债权投资", amortisation);
    p.Credit("投资收益", investmentIncome);
  }
  p.Blank();
  p.Heading("收到利息");
  p.Debit("银行存款", interest);
  p.Credit("投资收益", interest);
  p.Blank();

  // Premium or discount left at the transfer.
  Figure premiumLeft = p.Check(premium - (amortisation.value() * yearsHeld), "剩余溢折价");
  Figure gainOnTransfer = p.Check((netProceeds - totalFaceValue) - premiumLeft, "转让收益");
  // No transfer entry when either figure is zero. The bank receives the net proceeds.
  if (premiumLeft > 0 && gainOnTransfer < 0) {
    p.Debit("银行存款", netProceeds);
    p.Debit("投资收益", -gainOnTransfer);
    p.Credit("长期债券投资（面值）", totalFaceValue);
    p.Credit("长期债券投资（溢折价）", premiumLeft);
  } else if (premiumLeft > 0 && gainOnTransfer > 0) {
    p.Debit("银行存款", netProceeds);
    p.Credit("投资收益", gainOnTransfer);
    p.Credit("长期债券投资（面值）", totalFaceValue);
    p.Credit("长期债券投资（溢折价）", premiumLeft);
  } else if (premiumLeft < 0 && gainOnTransfer > 0) {
    p.Debit("银行存款", netProceeds);
    p.Debit("长期债券投资（溢折价）", -premiumLeft);
    p.Credit("投资收益", gainOnTransfer);
    p.Credit("长期债券投资（面值）", totalFaceValue);
  } else if (premiumLeft < 0 && gainOnTransfer < 0) {
    p.Debit("银行存款", netProceeds);
    p.Debit("长期债券投资（溢折价）", -premiumLeft);
    p.Debit("投资收益", -gainOnTransfer);
    p.Credit("长期债券投资（面值）", totalFaceValue);
  }
}

constexpr Item kItems[] = {Field(1, "债券数量"),   Field(2, "债券面值"),      Field(3, "购入价格"),
                           Field(4, "相关税费"),   Field(5, "票面利率"),      Field(6, "转让年限"),
                           Field(7, "转让净收入"), Field(8, "转让时间（年）")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm43{
    .id = "Form43",
    .columns = kColumns,
    .press = PressForm43,
};

}  // namespace varnello
