// Form8: effect of a share sale on the half-year profit and loss.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm8(Press& p) {
  Figure price = p.Read(1), n = p.Read(2), C = p.Read(3), G = p.Read(4), f = p.Read(5);
  p.Heading("出售时");
  Figure N = p.Check(n * price - f);
  Figure H = p.Check(G + C);
  Figure L = p.Check(H - N);
  p.Line("银行存款（借）", N);
  p.Line("投资收益（借）", L);
  p.Line("可供出售金融资产-成本（贷）", C);
  p.Line("公允价值变动（贷）", G);
  p.Blank();
  p.Line("资本公积（借）", G);
  p.Line("投资收益（贷）", G);
  p.Blank();
  Figure E = p.Check(G - L);
  p.Line("该业务对半年度中期报表损益的影响", E);
}

constexpr Item kItems[] = {Field(1, "出售价格"), Field(2, "股票数量"), Field(3, "股票成本（总）"),
                           Field(4, "公允价值变动"), Field(5, "手续费")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm8{
    .id = "Form8",
    .width = 10410,
    .height = 9420,
    .columns = kColumns,
    .press = PressForm8,
};

}  // namespace varnello
