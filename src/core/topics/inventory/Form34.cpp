// Form34: loss of work in progress and finished products, with scrap salvaged and insurance.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm34(Press& p) {
  Figure W = p.Read(1), P = p.Read(2), Mw = p.Read(3), Mp = p.Read(4), Rw = p.Read(5), Rp = p.Read(6);
  Figure I = p.Read(7), t = p.Read(8);
  p.Heading("批准前");
  p.Line("原材料-残料（借）", p.Check(Rp + Rw));
  p.Line("生产成本（贷）", Rw);
  p.Line("库存商品（贷）", Rp);
  p.Blank();
  p.Heading("批准后");
  // Input VAT is transferred out on the material cost net of scrap; the net loss and that VAT
  // go to suspense together.
  Figure X = p.Check(((Mp + Mw) - (Rp + Rw)) * t);
  Figure A = p.Check((W - Rw) + (P - Rp));
  Figure S = p.Check(A + X);
  p.Line("待处理财产损溢-待处理流动财产损溢（借）", S);
  p.Line("生产成本（贷)", p.Check(W - Rw));
  p.Line("库存商品（贷）", p.Check(P - Rp));
  p.Line("应交税费-应交增值税（进）（贷）", X);
  p.Blank();
  Figure O = p.Check(S - I);
  p.Line("营业外支出-非常损失（借）", O);
  p.Line("其他应收款-保险公司（借）", I);
  p.Line("待处理财产损溢-待处理流动财产损溢（贷）", S);
}

constexpr Item kItems[] = {Field(1, "在产品损失"), Field(2, "产品损失"),   Field(3, "在产品材料成本"),
                           Field(4, "产品成本"),   Field(5, "在产品残料"), Field(6, "产品残料"),
                           Field(7, "保险赔偿"),   Field(8, "增值税税率")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm34{
    .id = "Form34",
    .columns = kColumns,
    .press = PressForm34,
};

}  // namespace varnello
