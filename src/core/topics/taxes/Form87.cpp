// Form87: goods bought for export: purchase, export sale, the input VAT not refunded, the refund
// receivable and its receipt.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm87(Press& p) {
  Figure price = p.Read(1), inputVat = p.Read(2), refundRate = p.Read(3), exportSales = p.Read(4);
  p.Heading("收购出口商品");
  p.Line("库存商品（借）", price);
  p.Line("应交税费-应交增值税（进）（借）", inputVat);
  Figure paid = p.Check(inputVat + price);
  p.Line("银行存款（贷）", paid);
  p.Blank();
  p.Heading("收到出口货款");
  p.Line("银行存款（借）", exportSales);
  p.Line("主营业务收入（贷）", exportSales);
  p.Blank();
  Figure notRefunded = p.Check(inputVat - refundRate * price);  // input VAT beyond the refund
  p.Heading("不予退税额");
  p.Line("主营业务成本（借）", notRefunded);
  p.Line("应交税费-应交增值税（进）（贷）", notRefunded);
  p.Blank();
  p.Heading("应收退税额");
  Figure refundReceivable = p.Check(refundRate * price);
  p.Line("其他应收款-出口退税（借）", refundReceivable);
  p.Line("应交税费-应交增值税（出口退税）", refundReceivable);
  p.Blank();
  p.Heading("收到退税");
  p.Line("银行存款（借）", refundReceivable);
  p.Line("其他应收款-出口退税（贷）", refundReceivable);
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
