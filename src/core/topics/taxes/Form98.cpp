// Form98: the taxes and surcharges charged to 税金及附加 and their payment, then the
// city-construction tax and education surcharge that the month's VAT and consumption tax give
// for the next month's entry.
#include "core/engine/topic.h"

namespace varnello {
namespace {

constexpr double kCityConstructionRate = 0.07;
constexpr double kEducationSurchargeRate = 0.03;

void PressForm98(Press& p) {
  Figure consumptionTax = p.Read(1), resourceTax = p.Read(2), cityConstructionTax = p.Read(3),
         educationSurcharge = p.Read(4), propertyTax = p.Read(5), vehicleTax = p.Read(6), landTax = p.Read(7),
         vat = p.Read(8), culturalTax = p.Read(9);
  p.Heading("计算税金及附加");
  // The month's VAT is only the basis of the derived surcharges, not part of the total.
  Figure total = p.Check(
      ((((((resourceTax + consumptionTax) + cityConstructionTax) + educationSurcharge) + propertyTax) +
        vehicleTax) +
       landTax) +
      culturalTax);
  p.Debit("税金及附加", total);
  p.Credit("应交税费-消费税", consumptionTax);
  p.Credit("应交税费-资源税", resourceTax);
  p.Credit("应交税费-城建税", cityConstructionTax);
  p.Credit("应交税费-教育费附加", educationSurcharge);
  p.Credit("应交税费-房产税", propertyTax);
  p.Credit("应交税费-车船税", vehicleTax);
  p.Credit("应交税费-土地税", landTax);
  p.Credit("应交税费-文化税", culturalTax);
  p.Blank();
  p.Heading("交纳税金及附加");
  p.Debit("应交税费-消费税", consumptionTax);
  p.Debit("应交税费-资源税", resourceTax);
  p.Debit("应交税费-城建税", cityConstructionTax);
  p.Debit("应交税费-教育费附加", educationSurcharge);
  p.Debit("应交税费-房产税", propertyTax);
  p.Debit("应交税费-车船税", vehicleTax);
  p.Debit("应交税费-土地税", landTax);
  p.Debit("应交税费-文化税", culturalTax);
  p.Credit("银行存款", total);
  Figure city = p.Check((vat + consumptionTax) * kCityConstructionRate);
  Figure education = p.Check((vat + consumptionTax) * kEducationSurchargeRate);
  p.Blank();
  p.Line("城市维护建设税", city);
  p.Line("教育费附加", education);
}

constexpr Item kColumn1[] = {Item{.field = 8, .caption = "增值税", .row = 7}};
constexpr Item kColumn2[] = {Field(1, "消费税"),     Field(2, "资源税"), Field(3, "城建税"),
                             Field(4, "教育费附加"), Field(5, "房产税"), Field(6, "车船税"),
                             Field(7, "土地税"),     Field(9, "文化税")};
constexpr Column kColumns[] = {kColumn1, kColumn2};

}  // namespace

extern constexpr TopicDesc kForm98{
    .id = "Form98",
    .columns = kColumns,
    .press = PressForm98,
};

}  // namespace varnello
