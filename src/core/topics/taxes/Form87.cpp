// Form87: goods bought for export: purchase, export sale, the input VAT not refunded, the refund
// receivable and its receipt.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm87(Press& p) {
  Figure price = p.Read(1), inputVat = p.Read(2), refundRate = p.Read(3), exportSales = p.Read(4);
  p.Heading("收购出口商品");
  p.Debit("库存商品", price);
  p.Debit("应交税费-应交增值税（进）", inputVat);
  Figure paid = p.Check(inputVat + price);
  p.Credit("银行存款", paid);
  p.Blank();
  p.Heading("收到出口货款");
  p.Debit("银行存款", exportSales);
  p.Credit("主营业务收入", exportSales);
  p.Blank();
  Figure notRefunded = p.Check(inputVat - refundRate * price);  // input VAT beyond the refund
  p.Heading("不予退税额");
  p.Debit("主营业务成本", notRefunded);
  p.Credit("应交税费-应交增值税（进）", notRefunded);
  p.Blank();
  p.Heading("应收退税额");
  Figure refundReceivable = p.Check(refundRate * price);
  p.Debit("其他应收款-出口退税", refundReceivable);
  p.Line("应交税费-应交增值税（出口退税）", refundReceivable);
  p.Blank();
  p.Heading("收到退税");
  p.Debit("银行存款", refundReceivable);
  p.Credit("其他应收款-出口退税", refundReceivable);
}

constexpr Item kItems[] = {Field(1, "商品价款"), Field(2, "增值税"), Field(3, "退税率"),
                           Field(4, "销货款折合价")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm87{
    .id = "Form87",
    .columns = kColumns,
    .press = PressForm87,
};

}  // namespace varnello
