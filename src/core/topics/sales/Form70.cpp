// Form70: goods sold on consignment by an agent who withholds a commission and the VAT on it.
#include "core/engine/topic.h"

namespace varnello {
namespace {

constexpr double kOutputVatRate = 0.13;      // on the sale
constexpr double kCommissionVatRate = 0.06;  // on the agent's commission

void PressForm70(Press& p) {
  Figure quantity = p.Read(1), unitPrice = p.Read(2), unitCost = p.Read(3), commissionRate = p.Read(4);
  p.Heading("发出商品");
  Figure cost = p.Check(unitCost * quantity);
  p.Line("发出商品（借）", cost);
  p.Line("库存商品（贷）", cost);
  p.Blank();
  p.Heading("收到清单");
  Figure revenue = p.Check(unitPrice * quantity);
  Figure outputVat = p.Check(revenue * kOutputVatRate);
  Figure receivable = p.Check(revenue + outputVat);
  p.Line("应收账款（借）", receivable);
  p.Line("主营业务收入（贷）", revenue);
  p.Line("应交税费-应交增值税（销）（贷）", outputVat);
  p.Blank();
  p.Line("主营业务成本（借）", cost);
  p.Line("发出商品（贷）", cost);
  p.Blank();
  Figure commission = p.Check(revenue * commissionRate);
  Figure commissionVat = p.Check(commission * kCommissionVatRate);
  Figure withheld = p.Check(commission + commissionVat);  // what the agent withholds
  p.Line("销售费用（借）", commission);
  p.Line("应交税费-应交增值税（进）（借）", commissionVat);
  p.Line("应收账款（贷）", withheld);
  p.Blank();
  p.Heading("收到货款");
  Figure received = p.Check(receivable - withheld);
  p.Line("银行存款（借）", received);
  p.Line("应收账款（贷）", received);
}

constexpr Item kItems[] = {Field(1, "销售商品数量"), Field(2, "销售单价"), Field(3, "销售成本"),
                           Field(4, "手续费比例")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm70{
    .id = "Form70",
    .columns = kColumns,
    .press = PressForm70,
};

}  // namespace varnello
