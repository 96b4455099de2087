// Form69: a sale of goods, materials or packaging that the buyer later returns, with the
// buyer's side of the return at the end.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm69(Press& p) {
  Figure salesPrice = p.Read(1), outputVat = p.Read(2), cost = p.Read(3);
  p.Heading("确认收入");
  Figure receivable = p.Check(salesPrice + outputVat);
  p.Line("应收账款（借）", receivable);
  p.Line("主营业务收入/其他业务收入（贷）", salesPrice);
  p.Line("应交税费-应交增值税（销）（贷）", outputVat);
  p.Blank();
  p.Line("银行存款（借）", receivable);
  p.Line("应收账款（贷）", receivable);
  p.Blank();
  p.Line("主营业务成本/其他业务成本（借）", cost);
  p.Line("库存商品/原材料（贷）", cost);
  p.Blank();
  p.Heading("销售退回");
  p.Line("主营业务收入/其他业务收入（借）", salesPrice);
  p.Line("应交税费-应交增值税（销）（借）", outputVat);
  p.Line("银行存款（贷）", receivable);
  p.Blank();
  p.Line("库存商品/原材料（借）", cost);
  p.Line("主营业务成本/其他业务成本（贷）", cost);
  p.Blank();
  p.Heading("结转业务收入");
  p.Line("主营业务收入/其他业务收入（借）", salesPrice);
  p.Line("本年利润（贷）", salesPrice);  // the revenue alone: the VAT is no income
  p.Blank();
  p.Blank();
  p.Blank();
  p.Heading("购买退回");
  p.Line("应付账款（借）", receivable);
  p.Line("库存商品/原材料（贷）", salesPrice);
  p.Line("应交税费-应交增值税（进）（贷）", outputVat);
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
