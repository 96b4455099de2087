// Form63: an intangible amortised monthly, then transferred.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm63(Press& p) {
  Figure A = p.Read(1), Y = p.Read(2), P = p.Read(3), F = p.Read(4), X = p.Read(5), m = p.Read(6);
  // Without a positive amortisation period there is no monthly charge; it then counts as 0.
  FigureHolder G;
  if (Y > 0) {
    p.Heading("摊销无形资产");
    G = p.Check(p.Div(A, Y) / 12);
    p.Line("制造费用-技术转让费", G);
    p.Line("累计摊销", G);
  }
  p.Blank();
  Figure Z = p.Check(G.value() * m);
  p.Line("已摊销额", Z);
  Figure K = p.Check(A - Z);
  p.Line("账面价值", K);
  Figure H = p.Check(((P - K) - X) - F);
  p.Line("转让收益", H);
  p.Blank();
  Figure received = p.Check(P - F);
  p.Line("银行存款（借）", received);
  p.Line("累计摊销（借）", Z);
  if (H < 0) p.Line("营业外收入（借）", -H);
  p.Line("无形资产（贷）", A);
  p.Line("应交税费（贷）", X);
  if (H > 0) p.Line("营业外收入（贷）", H);
}

constexpr Item kItems[] = {Field(1, "无形资产价值"), Field(2, "专利年限"), Field(3, "转让价格"),
                           Field(4, "转让费用"),     Field(5, "税金"),     Field(6, "使用时间（月）")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm63{
    .id = "Form63",
    .columns = kColumns,
    .press = PressForm63,
};

}  // namespace varnello
