// Form16: a sale of goods on which the seller also advances the freight for the buyer, told
// first as separate entries and then as one combined receivable.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm16(Press& p) {
  Figure S = p.Read(1), V = p.Read(2), C = p.Read(3), F = p.Read(4);
  p.Heading("确认收入");
  Figure SV = p.Check(S + V);
  p.Line("应收票据/银行存款（借）", SV);
  p.Line("主营业务收入（贷）", S);
  p.Line("应交税费-应交增值税（销）（贷）", V);
  p.Blank();
  p.Line("主营业务成本（借）", C);
  p.Line("库存商品（贷）", C);
  p.Blank();
  p.Heading("代垫运费");
  p.Line("应收账款（借）", F);
  p.Line("银行存款（贷）", F);
  p.Blank();
  p.Heading("付运费");
  p.Line("应付账款（借）", F);
  p.Line("银行存款（贷）", F);
  p.Blank();
  p.Heading("主营业务成本结转本年利润");
  p.Line("本年利润（借）", C);
  p.Line("主营业务成本（贷）", C);
  p.Blank();
  // The alternative: freight added to the same receivable as the sale.
  p.Heading("或");
  p.Blank();
  Figure total = p.Check(SV + F);
  p.Line("应收账款（借）", total);
  p.Line("主营业务收入（贷）", S);
  p.Line("应交税费-应交增值税（销）（贷）", V);
  p.Line("银行存款（贷）", F);
  p.Blank();
  p.Line("主营业务成本（借）", C);
  p.Line("库存商品（贷）", C);
  p.Blank();
  p.Heading("主营业务成本结转本年利润");
  p.Line("本年利润（借）", C);
  p.Line("主营业务成本（贷）", C);
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
