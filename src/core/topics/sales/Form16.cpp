// Form16: a sale of goods on which the seller also advances the freight for the buyer, told
// first as separate entries and then as one combined receivable.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm16(Press& p) {
  Figure salesPrice = p.Read(1), outputVat = p.Read(2), cost = p.Read(3), freight = p.Read(4);
  p.Heading("确认收入");
  Figure saleReceivable = p.Check(salesPrice + outputVat);
  p.Debit("应收票据/银行存款", saleReceivable);
  p.Credit("主营业务收入", salesPrice);
  p.Credit("应交税费-应交增值税（销）", outputVat);
  p.Blank();
  p.Debit("主营业务成本", cost);
  p.Credit("库存商品", cost);
  p.Blank();
  p.Heading("代垫运费");
  p.Debit("应收账款", freight);
  p.Credit("银行存款", freight);
  p.Blank();
  p.Heading("付运费");
  p.Debit("应付账款", freight);
  p.Credit("银行存款", freight);
  p.Blank();
  p.Heading("主营业务成本结转本年利润");
  p.Debit("本年利润", cost);
  p.Credit("主营业务成本", cost);
  p.Blank();
  // The alternative: freight added to the same receivable as the sale.
  p.Heading("或");
  p.Blank();
  Figure total = p.Check(saleReceivable + freight);
  p.Debit("应收账款", total);
  p.Credit("主营业务收入", salesPrice);
  p.Credit("应交税费-应交增值税（销）", outputVat);
  p.Credit("银行存款", freight);
  p.Blank();
  p.Debit("主营业务成本", cost);
  p.Credit("库存商品", cost);
  p.Blank();
  p.Heading("主营业务成本结转本年利润");
  p.Debit("本年利润", cost);
  p.Credit("主营业务成本", cost);
}

constexpr Item kItems[] = {Field(1, "商品总价"), Field(2, "应交增值税（销）"), Field(3, "成本总额"),
                           Field(4, "运费")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm16{
    .id = "Form16",
    .columns = kColumns,
    .press = PressForm16,
};

}  // namespace varnello
