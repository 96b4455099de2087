// Form47: purchase of a fixed asset that is installed with own materials and wages.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm47(Press& p) {
  double V = p.Read(1), T = p.Read(2), H = p.Read(3), h = p.Read(4), M = p.Read(5);
  p.Read(6);  // the materials' tax is shown on the window but enters no amount
  double W = p.Read(7), P = p.Read(8);
  double X = p.Check((T + V) + H);   // everything owed for the asset
  double VT = p.Check((h * H) + T);  // deductible input tax
  double CIP = p.Check(X - VT);      // cost taken into construction in progress
  double B = p.Check(P + H);         // paid from the bank
  double AP = p.Check(X - B);        // left owing to the supplier
  p.Heading("购买安装");
  p.Line("在建工程（借）", CIP);
  p.Line("应交税费-应交增值税（进）（借）", VT);
  p.Line("银行存款（贷）", B);
  p.Line("应付账款（贷）", AP);
  p.Blank();
  double Y = p.Check(W + M);
  p.Heading("领用材料");
  p.Line("在建工程（借）", Y);
  p.Line("原材料（贷）", M);
  p.Line("应付职工薪酬（贷）", W);
  p.Blank();
  p.Heading("安装交付使用");
  double Z = p.Check(CIP + Y);
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
