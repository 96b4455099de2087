// Form95: imported taxable goods booked with the taxes as paid, followed by the consumption tax
// and import VAT worked out on the composite price.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm95(Press& p) {
  Figure dutiablePrice = p.Read(1), customsDuty = p.Read(2), consumptionTaxRate = p.Read(3),
         vatRate = p.Read(4), consumptionTaxPaid = p.Read(5), vatPaid = p.Read(6);
  Figure goods = p.Check((customsDuty + dutiablePrice) + consumptionTaxPaid);
  p.Debit("库存商品", goods);
  p.Debit("应交税费-应交增值税（进）", vatPaid);
  Figure paid = p.Check(((customsDuty + dutiablePrice) + consumptionTaxPaid) + vatPaid);
  p.Credit("银行存款", paid);
  p.Blank();
  // A rate of 1 leaves no composite price: the division by 1 - consumptionTaxRate faults here.
  Figure consumptionTax =
      p.Check(p.Div(customsDuty + dutiablePrice, 1 - consumptionTaxRate) * consumptionTaxRate);
  p.Line("应交消费税税额", consumptionTax);
  Figure vat = p.Check(((customsDuty + dutiablePrice) + consumptionTax) * vatRate);
  p.Line("应交增值税税额", vat);
}

constexpr Item kItems[] = {Field(1, "关税完税价"), Field(2, "关税"),       Field(3, "消费税税率"),
                           Field(4, "增值税税率"), Field(5, "消费税税额"), Field(6, "增值税税额")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm95{
    .id = "Form95",
    .columns = kColumns,
    .press = PressForm95,
};

}  // namespace varnello
