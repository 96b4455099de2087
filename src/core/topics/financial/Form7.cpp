// Form7: sale of an available-for-sale financial asset.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm7(Press& p) {
  Figure V = p.Read(1), B = p.Read(2), S = p.Read(3);
  Figure G1 = p.Check(S - V);
  Figure G2 = p.Check(V - B);
  Figure G = p.Check(G2 + G1);
  p.Heading("出售金融资产");
  p.Line("银行存款（借）", S);
  p.Line("可供出售金融资产（贷）", V);
  p.Line("投资收益（贷）", G1);
  p.Blank();
  p.Heading("投资收益");
  p.Line("资本公积-其他资本公积（借）", G2);
  p.Line("投资收益（贷）", G2);
  p.Blank();
  p.Line("出售时确认的投资收益", G);
}

constexpr Item kItems[] = {Field(1, "公允价值"), Field(2, "账面价值"), Field(3, "出售价值")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm7{
    .id = "Form7",
    .width = 10590,
    .height = 9660,
    .columns = kColumns,
    .press = PressForm7,
};

}  // namespace varnello
