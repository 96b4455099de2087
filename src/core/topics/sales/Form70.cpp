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
  p.Debit("发出商品", cost);
  p.Credit("库存商品", cost);
  p.Blank();
  p.Heading("收到清单");
  Figure revenue = p.Check(unitPrice * quantity);
  Figure outputVat = p.Check(revenue * kOutputVatRate);
  Figure receivable = p.Check(revenue + outputVat);
  p.Debit("应收账款", receivable);
  p.Credit("主营业务收入", revenue);
  p.Credit("应交税费-应交增值税（销）", outputVat);
  p.Blank();
  p.Debit("主营业务成本", cost);
  p.Credit("发出商品", cost);
  p.Blank();
  Figure commission = p.Check(revenue * commissionRate);
  Figure commissionVat = p.Check(commission * kCommissionVatRate);
  Figure withheld = p.Check(commission + commissionVat);  // what the agent withholds
  p.Debit("销售费用", commission);
  p.Debit("应交税费-应交增值税（进）", commissionVat);
  p.Credit("应收账款", withheld);
  p.Blank();
  p.Heading("收到货款");
  Figure received = p.Check(receivable - withheld);
  p.Debit("银行存款", received);
  p.Credit("应收账款", received);
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
