// Form92: sale of goods subject to consumption tax, and the tax charged on it.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm92(Press& p) {
  Figure price = p.Read(1), outputVat = p.Read(2), consumptionTaxRate = p.Read(3);
  p.Heading("销售应税产品");
  Figure received = p.Check(outputVat + price);
  p.Debit("银行存款", received);
  p.Credit("主营业务收入", price);
  p.Line("应交税费-应交增值税（销）", outputVat);
  p.Blank();
  p.Heading("计算消费税");
  Figure consumptionTax = p.Check(consumptionTaxRate * price);
  p.Debit("税金及附加", consumptionTax);
  p.Credit("应交税费-应交消费税", consumptionTax);
}

constexpr Item kItems[] = {Field(1, "价款"), Field(2, "增值税"), Field(3, "消费税率")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm92{
    .id = "Form92",
    .columns = kColumns,
    .press = PressForm92,
};

}  // namespace varnello
