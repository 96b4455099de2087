// Form30: inventory found in surplus, and inventory missing at a stocktaking, for a general VAT
// payer and for a small-scale VAT payer.
#include "core/engine/topic.h"

namespace varnello {
namespace {

// Scrap taken back into stock before approval.
void PrintScrap(Press& p, Figure R) {
  p.Heading("批准前");
  p.Line("库存商品（借）", R);
  p.Line("库存商品（贷）", R);
  p.Blank();
}

// After approval the suspense account is cleared against the compensations; the rest is a
// non-operating loss.
void PrintApproval(Press& p, Figure O, Figure I, Figure K, Figure S) {
  p.Line("营业外支出-存货盘亏（借）", O);
  p.Line("其他应收款-保险公司（借）", I);
  p.Line("其他应收款-责任人（借）", K);
  p.Line("待处理财产损溢-待处理流动资产损溢（贷）", S);
}

void PressForm30(Press& p) {
  Figure G = p.Read(1), L = p.Read(2), R = p.Read(3), t = p.Read(4), I = p.Read(5), K = p.Read(6);
  if (G > 0) {
    p.Heading("存货盘盈");
    p.Heading("批准前");
    p.Line("库存商品（借）", G);
    p.Line("待处理财产损溢-待处理流动资产损溢（贷）", G);
    p.Blank();
    p.Heading("批准后");
    p.Line("待处理财产损溢-待处理流动资产损溢（借）", G);
    p.Line("库存商品（贷）", G);
  }
  if (L > 0) {
    p.Heading("盘亏（一般纳税人）");
    PrintScrap(p, R);
    // Net loss, the input VAT transferred out on it, and their sum moved to suspense.
    Figure N = p.Check(L - R);
    Figure X = p.Check(N * t);
    Figure S = p.Check(N + X);
    p.Line("待处理财产损溢-待处理流动资产损溢（借）", S);
    p.Line("库存商品（贷）", N);
    p.Line("应交税费-应交增值税（进）（贷）", X);
    p.Blank();
    p.Heading("批准后");
    Figure O = p.Check((S - I) - K);
    PrintApproval(p, O, I, K, S);
    p.Blank();
    p.Blank();
    p.Blank();
    p.Heading("盘亏（小规模纳税人）");
    PrintScrap(p, R);
    p.Line("待处理财产损溢-待处理流动资产损溢（借）", S);
    p.Line("应交税费-应交增值税（进）(贷)", S);
    p.Blank();
    p.Heading("批准后");
    PrintApproval(p, O, I, K, S);
  }
}

constexpr Item kItems[] = {Section("存货盘盈"),  Field(1, "盘盈"),      Section("存货盘亏"),
                           Field(2, "总损失"),   Field(3, "残料价值"),  Field(4, "增值税税率"),
                           Field(5, "保险赔偿"), Field(6, "管理员赔偿")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm30{
    .id = "Form30",
    .columns = kColumns,
    .press = PressForm30,
};

}  // namespace varnello
