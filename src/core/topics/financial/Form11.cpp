// Form11: goods bought out of town and paid from an out-of-town deposit, and the remittance
// that funds the deposit.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm11(Press& p) {
  Figure G = p.Read(1), V = p.Read(2), T = p.Read(3), E = p.Read(4);
  if (G > 0) {
    Figure C = p.Check(T + G, "货物成本");      // cost of the goods: freight included
    Figure P = p.Check(V + G + T, "支付金额");  // paid from the deposit
    p.Heading("商品未验收");
    p.Line("在途物资（借）", C);
    p.Line("应交税费-应交增值税（借）", V);
    p.Line("其他货币资金-外埠存款（贷）", P);
    p.Blank();
    p.Heading("验收入库");
    p.Line("库存商品（借）", C);
    p.Line("在途物资（贷）", C);
    p.Blank();
    p.Heading("收回款项");
    p.Line("银行存款（借）", P);
    p.Line("其他货币资金-外埠存款（贷）", P);
    p.Blank();
  }
  if (E > 0) {
    p.Heading("汇款");
    p.Line("其他货币资金-外埠存款（借）", E);
    p.Line("银行存款（贷）", E);
  }
}

constexpr Item kItems[] = {Section("购买原材料"), Field(1, "货款"),    Field(2, "增值税"),
                           Field(3, "运费"),      Section("外埠存款"), Field(4, "外埠存款")};
constexpr Column kColumns[] = {kItems};

}  // namespace

extern constexpr TopicDesc kForm11{
    .id = "Form11",
    .width = 9150,
    .height = 8250,
    .columns = kColumns,
    .press = PressForm11,
};

}  // namespace varnello
