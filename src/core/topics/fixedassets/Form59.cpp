// Form59: rebuilding of a fixed asset, partly by contract and partly with own materials.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm59(Press& p) {
  p.Read(1);  // the contract price is shown on the window but enters no amount
  Figure Pp = p.Read(2), G = p.Read(3), GT = p.Read(4), M = p.Read(5), MT = p.Read(6), Dm = p.Read(7),
         Sp = p.Read(8);
  Figure X = p.Check(GT + G, "材料价税合计");  // materials bought, tax included
  p.Heading("购入工程物资");
  p.Line("工程物资（借）", X);
  p.Line("银行存款（贷）", X);
  p.Blank();
  p.Heading("改建领用");
  p.Line("在建工程（借）", X);
  p.Line("工程物资（贷）", X);
  p.Blank();
  p.Heading("预付承包工程款");
  p.Line("在建工程（借）", Pp);
  p.Line("银行存款（贷）", Pp);
  p.Blank();
  p.Heading("领用企业生产用材料");
  Figure Y = p.Check(MT + M);
  p.Line("在建工程（借）", Y);
  p.Line("原材料（贷）", M);
  p.Line("应交税费-应交增值税（进）（贷）", MT);
  p.Blank();
  p.Heading("拆除材料变价收入");
  p.Line("库存现金（借）", Dm);
  p.Line("在建工程（贷）", Dm);
  p.Blank();
  p.Heading("工程补付款");
  p.Line("在建工程（借）", Sp);
  p.Line("银行存款（贷）", Sp);
  p.Blank();
  Figure Z = p.Check((((X + Pp) + Y) - Dm) + Sp, "改扩建后原价");  // cost of the rebuilt asset
  p.Heading("改建固定资产");
  p.Line("固定资产（借）", Z);
  p.Line("在建工程（贷）", Z);
}

constexpr Item kItems[] = {Field(1, "工程承包费用"), Field(2, "预付工程款"),   Field(3, "购入工程物资"),
                           Field(4, "增值税"),       Field(5, "领用生产材料"), Field(6, "生产材料增值税"),
                           Field(7, "拆除收入"),     Field(8, "补付款")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm59{
    .id = "Form59",
    .columns = kColumns,
    .press = PressForm59,
};

}  // namespace varnello
