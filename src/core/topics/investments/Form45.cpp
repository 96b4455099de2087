// Form45: a share investment under the equity method: purchase, share of the investee's profit,
// dividends, and the resulting carrying amount.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm45(Press& p) {
  Figure P = p.Read(1), s = p.Read(2), E = p.Read(3), Dv = p.Read(4);
  p.Heading("购买股票");
  p.Line("长期股权投资（借）", P);
  p.Line("银行存款（贷）", P);
  p.Blank();
  p.Heading("收到收益");
  Figure G = p.Check(E * s);
  p.Line("长期股权投资（借）", G);
  p.Line("投资收益（贷）", G);
  p.Blank();
  p.Heading("收到股利");
  Figure R = p.Check(Dv * s);
  p.Line("应收股利（借）", R);
  p.Line("长期股权投资（贷）", R);
  p.Blank();
  p.Heading("股票投资成本");
  Figure K = p.Check((P + G) - R);
  p.Line("股票投资成本", K);
}

constexpr Item kItems[] = {Field(1, "实际支付股价"), Field(2, "股票份额"), Field(3, "经营获利"),
                           Field(4, "发放股利")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm45{
    .id = "Form45",
    .columns = kColumns,
    .press = PressForm45,
};

}  // namespace varnello
