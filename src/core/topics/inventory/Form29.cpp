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
    p.Line("生产成本（借）", issuedToProduction);
    p.Line("周转材料-包装物（贷）", issuedToProduction);
    p.Blank();
    p.Heading("结转成本");
    p.Line("库存商品（借）", issuedToProduction);
    p.Line("生产成本（贷）", issuedToProduction);
  }
  if (sentWithGoods > 0) {
    p.Heading("领用包装");
    p.Line("销售费用（借）", sentWithGoods);
    p.Line("周转材料-包装物（贷）", sentWithGoods);
    p.Blank();
    p.Heading("结转成本");
    p.Line("库存商品（借）", sentWithGoods);
    p.Line("销售费用（贷）", sentWithGoods);
  }
  // The number of uses guards the only division.
  if (uses > 0) {
    p.Heading("领用包装物时");
    p.Line("周转材料-包装物（在用）（借）", packagingCost);
    p.Line("周转材料-包装物（在库）（贷）", packagingCost);
    p.Blank();
    p.Heading("每次摊销");
    Figure amortisationPerUse = p.Div(packagingCost, uses);
    p.Line("销售费用（借）", amortisationPerUse);
    p.Line("周转材料-包装物（摊销）（贷）", amortisationPerUse);
    p.Blank();
    p.Heading("报废时");
    p.Line("原材料-残料（借）", scrapValue);
    p.Line("销售费用（贷）", scrapValue);
    p.Blank();
    p.Heading("走后一次摊销");
    p.Line("销售费用（借）", amortisationPerUse);
    p.Line("周转材料-包装物（摊销）（贷）", amortisationPerUse);
    p.Blank();
    p.Heading("同时转销包装物");
    p.Line("周转材料-包装物（摊销）（借）", packagingCost);
    p.Line("周转材料-包装物（在用）（贷）", packagingCost);
  }
  // Deposit, issue and rent print only when a rent is entered.
  if (rent > 0) {
    p.Heading("收取押金");
    p.Line("银行存款（借）", deposit);
    p.Line("其他应付款-存入保证金（贷）", deposit);
    p.Blank();
    // Rented packaging is a cost of the rent (其他业务成本), lent packaging a selling expense.
    p.Heading("出租出借时");
    p.Line("其他业务成本（借）", rentedOutCost);
    p.Line("销售费用（借）", lentOutCost);
    p.Line("周转材料-包装物（在库）（贷）", p.Check(lentOutCost + rentedOutCost));
    p.Blank();
    p.Heading("收取租金");
    p.Line("库存现金（借）", rent);
    p.Line("其他业务收入（贷）", rent);
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
