// Form105: goods rented out: transfer at cost, rent, monthly amortisation, deposit and scrapping.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm105(Press& p) {
  Figure c = p.Read(1), s = p.Read(2), n = p.Read(3), R = p.Read(4), D = p.Read(5), X = p.Read(6);
  p.Heading("出租商品");
  Figure K = p.Check(n * c);
  p.Line("出租商品（借）", K);
  Figure L = p.Check(n * s);
  p.Line("商品进销差价（借）", p.Check(L - K));
  p.Line("库存商品（贷）", L);
  p.Blank();
  p.Heading("收到租金");
  p.Line("库存现金/银行存款（借）", R);
  p.Line("其他业务收入（贷）", R);
  p.Blank();
  p.Heading("月末摊销");
  // One month's share of the cost of the rented goods.
  Figure Y = p.Check(K / 12);
  p.Line("其他业务支出（借）", Y);
  p.Line("出租商品-摊销（贷）", Y);
  p.Blank();
  p.Heading("收取押金");
  p.Line("库存现金/银行存款（借）", D);
  p.Line("其他应付款（贷）", D);
  p.Blank();
  p.Heading("退还押金");
  p.Line("其他应付款（借）", D);
  p.Line("库存现金/银行存款（贷）", D);
  p.Blank();
  p.Heading("报废");
  p.Line("其他业务支出（借）", X);
  p.Line("出租商品（贷）", X);
}

constexpr Item kItems[] = {Field(1, "出租品进价"), Field(2, "出租品售价"), Field(3, "出租品数量"),
                           Field(4, "租金"),       Field(5, "押金"),       Field(6, "报废款")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm105{
    .id = "Form105",
    .columns = kColumns,
    .press = PressForm105,
};

}  // namespace varnello
