// Form70: goods sold on consignment by an agent who withholds a commission and the VAT on it.
#include "core/engine/topic.h"

namespace varnello {
namespace {

constexpr double kOutputVatRate = 0.13;      // on the sale
constexpr double kCommissionVatRate = 0.06;  // on the agent's commission

void PressForm70(Press& p) {
  Figure Q = p.Read(1), P = p.Read(2), U = p.Read(3), k = p.Read(4);
  p.Heading("发出商品");
  Figure K = p.Check(U * Q);
  p.Line("发出商品（借）", K);
  p.Line("库存商品（贷）", K);
  p.Blank();
  p.Heading("收到清单");
  Figure G = p.Check(P * Q);
  Figure H = p.Check(G * kOutputVatRate);
  Figure R = p.Check(G + H);
  p.Line("应收账款（借）", R);
  p.Line("主营业务收入（贷）", G);
  p.Line("应交税费-应交增值税（销）（贷）", H);
  p.Blank();
  p.Line("主营业务成本（借）", K);
  p.Line("发出商品（贷）", K);
  p.Blank();
  Figure M = p.Check(G * k);
  Figure J = p.Check(M * kCommissionVatRate);
  Figure W = p.Check(M + J);  // what the agent withholds
  p.Line("销售费用（借）", M);
  p.Line("应交税费-应交增值税（进）（借）", J);
  p.Line("应收账款（贷）", W);
  p.Blank();
  p.Heading("收到货款");
  Figure B = p.Check(R - W);
  p.Line("银行存款（借）", B);
  p.Line("应收账款（贷）", B);
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
