// Form47: purchase of a fixed asset that is installed with own materials and wages.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm47(Press& p) {
  Figure V = p.Read(1), T = p.Read(2), H = p.Read(3), h = p.Read(4), M = p.Read(5);
  p.Read(6);  // the materials' tax is shown on the window but enters no amount
  Figure W = p.Read(7), P = p.Read(8);
  Figure X = p.Check((T + V) + H, "应付总额");         // everything owed for the asset
  Figure VT = p.Check((h * H) + T, "可抵扣进项税额");  // deductible input tax
  Figure CIP = p.Check(X - VT, "在建工程成本");        // cost taken into construction in progress
  Figure B = p.Check(P + H, "银行支付");               // paid from the bank
  Figure AP = p.Check(X - B, "应付账款");              // left owing to the supplier
  p.Heading("购买安装");
  p.Line("在建工程（借）", CIP);
  p.Line("应交税费-应交增值税（进）（借）", VT);
  p.Line("银行存款（贷）", B);
  p.Line("应付账款（贷）", AP);
  p.Blank();
  Figure Y = p.Check(W + M);
  p.Heading("领用材料");
  p.Line("在建工程（借）", Y);
  p.Line("原材料（贷）", M);
  p.Line("应付职工薪酬（贷）", W);
  p.Blank();
  p.Heading("安装交付使用");
  Figure Z = p.Check(CIP + Y);
  p.Line("固定资产（借）", Z);
  p.Line("在建工程（贷）", Z);
}

constexpr Item kItems[] = {Field(1, "固定资产价格"),     Field(2, "增值税"),       Field(3, "安装运输费"),
                           Field(4, "安装运输增值税率"), Field(5, "安装领用材料"), Field(6, "材料增值税"),
                           Field(7, "安装工资"),         Field(8, "支付价款")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm47{
    .id = "Form47",
    .columns = kColumns,
    .press = PressForm47,
};

}  // namespace varnello
