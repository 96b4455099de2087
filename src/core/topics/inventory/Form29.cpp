// Form29: packaging issued to production, sent out with the goods, written off over several uses,
// and rented or lent out against a deposit.
#include "core/engine/topic.h"

namespace varnello {
namespace {

void PressForm29(Press& p) {
  Figure issuedToProduction = p.Read(1), sentWithGoods = p.Read(2), packagingCost = p.Read(3),
         uses = p.Read(4), scrapValue = p.Read(5);
  Figure rentedOutCost = p.Read(6), lentOutCost = p.Read(7), deposit = p.Read(8), rent = p.Read(9);
  if (issuedToProduction > 0) {
    p.Heading("领用包装");
    p.Debit("生产成本", issuedToProduction);
    p.Credit("周转材料-包装物", issuedToProduction);
    p.Blank();
    p.Heading("结转成本");
    p.Debit("库存商品", issuedToProduction);
    p.Credit("生产成本", issuedToProduction);
  }
  if (sentWithGoods > 0) {
    p.Heading("领用包装");
    p.Debit("销售费用", sentWithGoods);
    p.Credit("周转材料-包装物", sentWithGoods);
    p.Blank();
    p.Heading("结转成本");
    p.Debit("库存商品", sentWithGoods);
    p.Credit("销售费用", sentWithGoods);
  }
  // The number of uses guards the only division.
  if (uses > 0) {
    p.Heading("领用包装物时");
    p.Debit("周转材料-包装物（在用）", packagingCost);
    p.Credit("周转材料-包装物（在库）", packagingCost);
    p.Blank();
    p.Heading("每次摊销");
    Figure amortisationPerUse = p.Div(packagingCost, uses);
    p.Debit("销售费用", amortisationPerUse);
    p.Credit("周转材料-包装物（摊销）", amortisationPerUse);
    p.Blank();
    p.Heading("报废时");
    p.Debit("原材料-残料", scrapValue);
    p.Credit("销售费用", scrapValue);
    p.Blank();
    p.Heading("走后一次摊销");
    p.Debit("销售费用", amortisationPerUse);
    p.Credit("周转材料-包装物（摊销）", amortisationPerUse);
    p.Blank();
    p.Heading("同时转销包装物");
    p.Debit("周转材料-包装物（摊销）", packagingCost);
    p.Credit("周转材料-包装物（在用）", packagingCost);
  }
  // Deposit, issue and rent print only when a rent is entered.
  if (rent > 0) {
    p.Heading("收取押金");
    p.Debit("银行存款", deposit);
    p.Credit("其他应付款-存入保证金", deposit);
    p.Blank();
    // Rented packaging is a cost of the rent (其他业务成本), lent packaging a selling expense.
    p.Heading("出租出借时");
    p.Debit("其他业务成本", rentedOutCost);
    p.Debit("销售费用", lentOutCost);
    p.Credit("周转材料-包装物（在库）", p.Check(lentOutCost + rentedOutCost));
    p.Blank();
    p.Heading("收取租金");
    p.Debit("库存现金", rent);
    p.Credit("其他业务收入", rent);
  }
}

constexpr Item kColumn1[] = {Section("包装押金或出租"), Field(6, "出租成本"), Field(7, "出借成本"),
                             Field(8, "押金"), Field(9, "最终租金")};
constexpr Item kColumn2[] = {Section("领用包装"),  Field(1, "包装成本"),  Section("包装随物"),
                             Field(2, "包装成本"), Section("分次转销法"), Field(3, "包装成本"),
                             Field(4, "使用次数"), Field(5, "残值")};
constexpr Column kColumns[] = {kColumn1, kColumn2};

}  // namespace

extern constexpr TopicDesc kForm29{
    .id = "Form29",
    .columns = kColumns,
    .press = PressForm29,
};

}  // namespace varnello
