// Form6: purchase of shares held for trading, and the dividends on them.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm6(Press& p) {
  Figure price = p.Read(1), d = p.Read(2), q = p.Read(3), f = p.Read(4);
  Figure G = p.Check(q * price, "买价");
  Figure V = p.Check(q * d);
  Figure B = p.Check(q * price + f);
  Figure S = p.Check(G - V + f);
  Figure K = p.Check(B - V);
  p.Heading("购入股票");
  p.Line("交易性金融资产-成本（借）", K);
  p.Line("投资收益（借）", V);
  p.Line("银行存款（贷）", B);
  p.Blank();
  p.Line("入账价值", S);
  p.Blank();
  p.Blank();
  p.Blank();
  p.Heading("短期持有股票");
  p.Heading("购入");
  p.Line("短期投资-股票投资（借）", B);
  p.Line("银行贷款（贷）", B);
  p.Blank();
  p.Heading("分配股利");
  p.Line("应收股利（借）", V);
  p.Line("投资收益-股票投资（贷）", V);
  p.Blank();
  p.Heading("收到股利");
  p.Line("银行存款（借）", V);
  p.Line("应收股利（贷）", V);
}

constexpr Item kItems[] = {Field(1, "每股价格"), Field(2, "每股股利"), Field(3, "数额"),
                           Field(4, "手续费等")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm6{
    .id = "Form6",
    .width = 10320,
    .height = 9360,
    .columns = kColumns,
    .press = PressForm6,
};

}  // namespace varnello
