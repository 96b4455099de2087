// Form17: a sale at a trade discount on credit, settled later less a cash discount.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm17(Press& p) {
  Figure quantity = p.Read(1), unitPrice = p.Read(2), unitCost = p.Read(3), tradeDiscount = p.Read(4),
         cashDiscountRate = p.Read(5), outputVat = p.Read(6);
  p.Heading("确认收入");
  // Net revenue after the trade discount.
  Figure netRevenue = p.Check((unitPrice * quantity) * (1 - tradeDiscount), "折扣后收入");
  Figure receivable = p.Check(netRevenue + outputVat, "应收账款");  // the VAT is taken as typed
  p.Debit("应收账款", receivable);
  p.Credit("主营业务收入", netRevenue);
  p.Credit("应交税费-应交增值税（销）", outputVat);
  p.Blank();
  Figure cost = p.Check(unitCost * quantity);
  p.Debit("主营业务成本", cost);
  p.Credit("库存商品", cost);
  p.Blank();
  p.Heading("收到货款");
  // Cash discount allowed on payment.
  Figure cashDiscount = p.Check(receivable * cashDiscountRate, "现金折扣");
  Figure received = p.Check(receivable - cashDiscount);
  p.Debit("银行存款", received);
  p.Debit("财务费用", cashDiscount);
  p.Credit("应收账款", receivable);
  p.Blank();
  p.Heading("结转财务费用");
  p.Debit("本年利润", cashDiscount);
  p.Credit("财务费用", cashDiscount);
}

constexpr Item kItems[] = {Field(1, "销售数量"), Field(2, "销售价格"), Field(3, "销售成本"),
                           Field(4, "折扣"),     Field(5, "折扣条件"), Field(6, "应交增值税")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm17{
    .id = "Form17",
    .columns = kColumns,
    .press = PressForm17,
};

}  // namespace varnello
