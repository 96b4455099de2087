// Form39: an equity investment, a patent and a bank deposit contributed for paid-in capital,
// and the transfer of those assets.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm39(Press& p) {
  Figure S = p.Read(1), L = p.Read(2), P = p.Read(3), B = p.Read(4), Lb = p.Read(5), Pb = p.Read(6);
  p.Heading("出资");
  p.Line("长期股权投资（借）", L);
  p.Line("无形资产（借）", P);
  p.Line("银行存款（借）", B);
  Figure X = p.Check(((P + L) + B) - S);  // contributed beyond the capital granted
  p.Line("实收资本（贷）", S);
  p.Line("资本公积（贷）", X);
  p.Blank();

  p.Heading("转移资产");
  Figure T = p.Check((P + L) + B);
  Figure U = p.Check(P + L);
  Figure V = p.Check(Pb + Lb);
  Figure G = p.Check(U - V, "转让收益");  // gain on the transfer
  p.Line("长期股权投资（借）", T);
  // A loss on the transfer (book values beyond the values contributed) is a non-operating expense.
  if (G < 0) p.Line("营业外支出（借）", -G);
  p.Line("长期股权投资（贷）", Lb);
  p.Line("无形资产（贷）", Pb);
  if (G >= 0) p.Line("营业外收入（贷）", G);
  p.Line("银行存款（贷）", B);
}

constexpr Item kItems[] = {Field(1, "取得股权总额"), Field(2, "长期股权投资"), Field(3, "专利技术"),
                           Field(4, "占用银行存款"), Field(5, "投资账面余额"), Field(6, "无形资产账面价值")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm39{
    .id = "Form39",
    .columns = kColumns,
    .press = PressForm39,
};

}  // namespace varnello
