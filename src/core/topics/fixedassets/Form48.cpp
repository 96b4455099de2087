// Form48: a fixed asset built by the enterprise from bought materials, own products and wages.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm48(Press& p) {
  Figure G = p.Read(1), GT = p.Read(2), C = p.Read(3), W = p.Read(4), I = p.Read(5), IT = p.Read(6);
  p.Heading("购入工程物资");
  p.Line("工程物资（借）", G);
  p.Line("应交税费-应交增值税（进）（借）", GT);
  Figure paid = p.Check(GT + G);
  p.Line("银行存款（贷）", paid);
  p.Blank();
  p.Heading("领用全部物资");
  p.Line("在建工程（借）", G);
  p.Line("工程物资（贷）", G);
  p.Blank();
  p.Heading("生产实际成本");
  p.Line("在建工程（借）", C);
  p.Line("库存商品（贷）", C);
  p.Blank();
  p.Heading("分配薪酬");
  p.Line("在建工程（借）", W);
  p.Line("应付职工薪酬（贷）", W);
  p.Blank();
  Figure Y = p.Check(IT + I);
  p.Heading("支付安装费");
  p.Line("在建工程（借）", I);
  p.Line("应交税费-应交增值税（进）（借）", IT);
  p.Line("银行存款（贷）", Y);
  p.Blank();
  p.Heading("转入固定资产成本");
  Figure Z = p.Check(((C + G) + W) + I);
  p.Line("固定资产（借）", Z);
  p.Line("在建工程（贷）", Z);
}

constexpr Item kItems[] = {Field(1, "工程物资"), Field(2, "工程增值税"), Field(3, "生产实际成本"),
                           Field(4, "工人工资"), Field(5, "安装费"),     Field(6, "安装增值税")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm48{
    .id = "Form48",
    .columns = kColumns,
    .press = PressForm48,
};

}  // namespace varnello
