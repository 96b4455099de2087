// Form17: a sale at a trade discount on credit, settled later less a cash discount.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm17(Press& p) {
  Figure Q = p.Read(1), P = p.Read(2), U = p.Read(3), d = p.Read(4), r = p.Read(5), V = p.Read(6);
  p.Heading("确认收入");
  Figure N = p.Check((P * Q) * (1 - d), "折扣后收入");  // net revenue after the trade discount
  Figure R = p.Check(N + V, "应收账款");                // receivable; the VAT is taken as typed
  p.Line("应收账款（借）", R);
  p.Line("主营业务收入（贷）", N);
  p.Line("应交税费-应交增值税（销）（贷）", V);
  p.Blank();
  Figure K = p.Check(U * Q);
  p.Line("主营业务成本（借）", K);
  p.Line("库存商品（贷）", K);
  p.Blank();
  p.Heading("收到货款");
  Figure D = p.Check(R * r, "现金折扣");  // cash discount allowed on payment
  Figure B = p.Check(R - D);
  p.Line("银行存款（借）", B);
  p.Line("财务费用（借）", D);
  p.Line("应收账款（贷）", R);
  p.Blank();
  p.Heading("结转财务费用");
  p.Line("本年利润（借）", D);
  p.Line("财务费用（贷）", D);
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
