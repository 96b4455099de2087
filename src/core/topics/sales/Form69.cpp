// Form69: a sale of goods, materials or packaging that the buyer later returns, with the
// buyer's side of the return at the end.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm69(Press& p) {
  Figure salesPrice = p.Read(1), outputVat = p.Read(2), cost = p.Read(3);
  p.Heading("确认收入");
  Figure receivable = p.Check(salesPrice + outputVat);
  p.Debit("应收账款", receivable);
  p.Credit("主营业务收入/其他业务收入", salesPrice);
  p.Credit("应交税费-应交增值税（销）", outputVat);
  p.Blank();
  p.Debit("银行存款", receivable);
  p.Credit("应收账款", receivable);
  p.Blank();
  p.Debit("主营业务成本/其他业务成本", cost);
  p.Credit("库存商品/原材料", cost);
  p.Blank();
  p.Heading("销售退回");
  p.Debit("主营业务收入/其他业务收入", salesPrice);
  p.Debit("应交税费-应交增值税（销）", outputVat);
  p.Credit("银行存款", receivable);
  p.Blank();
  p.Debit("库存商品/原材料", cost);
  p.Credit("主营业务成本/其他业务成本", cost);
  p.Blank();
  p.Heading("结转业务收入");
  p.Debit("主营业务收入/其他业务收入", salesPrice);
  p.Credit("本年利润", salesPrice);  // the revenue alone: the VAT is no income
  p.Blank();
  p.Blank();
  p.Blank();
  p.Heading("购买退回");
  p.Debit("应付账款", receivable);
  p.Credit("库存商品/原材料", salesPrice);
  p.Credit("应交税费-应交增值税（进）", outputVat);
}

constexpr Item kItems[] = {Field(1, "商品总价（原材料、包装物）"), Field(2, "应交增值税（销）"),
                           Field(3, "成本总额")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm69{
    .id = "Form69",
    .columns = kColumns,
    .press = PressForm69,
};

}  // namespace varnello
