// Form64: an intangible rented out as a franchise, rented out with amortisation, and scrapped.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm64(Press& p) {
  Figure F = p.Read(1), b = p.Read(2), S = p.Read(3), C = p.Read(4), X = p.Read(5), B = p.Read(6),
         Y = p.Read(7), A = p.Read(8), M = p.Read(9);
  if (F > 0) {
    p.Heading("收取加盟费");
    p.Line("银行存款（借）", F);
    p.Line("其他业务收入（贷）", F);
    p.Blank();
    p.Heading("计提营业税金");
    Figure tax = p.Check(b * F);
    p.Line("其他业务成本（借）", tax);
    p.Line("应交税金-应交营业税（贷）", tax);
    p.Blank();
    p.Heading("人员费用");
    p.Line("其他业务成本（借）", S);
    p.Line("库存现金（贷）", S);
    p.Blank();
  }
  if (Y > 0) {
    p.Heading("收取费用");
    p.Line("银行存款（借）", C);
    p.Line("其他业务收入（贷）", C);
    p.Blank();
    p.Heading("计提营业税金");
    p.Line("其他业务成本（借）", X);
    p.Line("应交税金-应交营业税（贷）", X);
    p.Blank();
    p.Heading("每月摊销");
    Figure Q = p.Check(p.Div(B, Y) / 12);
    p.Line("其他业务成本（借）", Q);
    p.Line("累计摊销（贷）", Q);
  }
  if (A > 0) {
    p.Heading("无形资产报废");
    Figure loss = p.Check(A - M);
    p.Line("营业外支出-报废损失（借）", loss);
    p.Line("累计摊销（借）", M);
    p.Line("无形资产（贷）", A);
  }
}

// The scrapping group stands in the left column, the two renting groups in the right one.
constexpr Item kColumn1[] = {Section("无形资产报废"), Field(8, "无形资产余额"), Field(9, "累计摊销")};
constexpr Item kColumn2[] = {
    Section("出租无形资产（加盟）"), Field(1, "出租费用"), Field(2, "营业税税率"), Field(3, "人员费用"),
    Section("出租无形资产（摊销）"), Field(4, "收取费用"), Field(5, "营业税额"),   Field(6, "账面价值"),
    Field(7, "摊销期限（年）")};
constexpr Column kColumns[] = {kColumn1, kColumn2};

}  // namespace

extern constexpr TopicDesc kForm64{
    .id = "Form64",
    .columns = kColumns,
    .press = PressForm64,
};

}  // namespace varnello
