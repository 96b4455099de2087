// Form11: goods bought out of town and paid from an out-of-town deposit, and the remittance
// that funds the deposit.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm11(Press& p) {
  Figure goodsPrice = p.Read(1), vat = p.Read(2), freight = p.Read(3), outOfTownDeposit = p.Read(4);
  if (goodsPrice > 0) {
    Figure goodsCost = p.Check(freight + goodsPrice, "货物成本");  // cost of the goods: freight included
    Figure amountPaid = p.Check(vat + goodsPrice + freight, "支付金额");  // paid from the deposit
    p.Heading("商品未验收");
    p.Debit("在途物资", goodsCost);
    p.Debit("应交税费-应交增值税", vat);
    p.Credit("其他货币资金-外埠存款", amountPaid);
    p.Blank();
    p.Heading("验收入库");
    p.Debit("库存商品", goodsCost);
    p.Credit("在途物资", goodsCost);
    p.Blank();
    p.Heading("收回款项");
    p.Debit("银行存款", amountPaid);
    p.Credit("其他货币资金-外埠存款", amountPaid);
    p.Blank();
  }
  if (outOfTownDeposit > 0) {
    p.Heading("汇款");
    p.Debit("其他货币资金-外埠存款", outOfTownDeposit);
    p.Credit("银行存款", outOfTownDeposit);
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
