// Purchases, materials, packaging and rentals: worked figures, guards and fault points.
#include <gtest/gtest.h>

#include "core/press_helper.h"

namespace varnello {
namespace {

using testing::PressWindow;
using Lines = std::vector<std::string>;

// One press: how many lines it leaves, a few of them by index, and the fault that ended it.
struct Case {
  const char* what;
  const char* window;
  std::map<int, std::string> in;
  size_t count;
  std::vector<std::pair<size_t, std::string>> lines = {};
  std::optional<FaultKind> fault = std::nullopt;
};

void Check(const Case& c) {
  SCOPED_TRACE(std::string(c.window) + ": " + c.what);
  auto r = PressWindow(c.window, c.in);
  EXPECT_EQ(r.fault, c.fault);
  ASSERT_EQ(r.lines.size(), c.count);
  for (const auto& [index, line] : c.lines) EXPECT_EQ(r.lines[index], line) << "line " << index;
}

TEST(InventoryPurchases, GuardsFiguresAndFaults) {
  const Case cases[] = {
      // Form28: two independent groups, each behind a strict guard.
      {"all empty", "Form28", {}, 0},
      {"only in-house production",
       "Form28",
       {{4, "50"}},
       3,
       {{0, "自产原材料"}, {1, "原材料（借） 50 "}, {2, "生产成本（贷） 50 "}}},
      {"freight and entry charge in the cost",
       "Form28",
       {{1, "1000"}, {2, "130"}, {3, "50"}, {5, "20"}},
       32,
       {{2, "在途物资（借） 1070 "},
        {4, "银行存款/应付票据（贷） 1200 "},
        {13, "银行存款/应付票据（贷） 1200 "},
        {17, "对方付运费（包邮包进仓）"},
        {19, "在途物资（借） 1000 "},
        {21, "银行存款/应付票据（贷） 1130 "},
        {30, "银行存款/应付票据（贷） 1130 "},
        {31, ""}}},
      {"zero price, cost fields ignored", "Form28", {{1, "0"}, {3, "50"}, {4, "0"}}, 0},
      {"negative price and production", "Form28", {{1, "-1"}, {4, "-1"}}, 0},
      {"both groups", "Form28", {{1, "0.5"}, {4, "2"}}, 35, {{31, ""}, {32, "自产原材料"}}},
      {"cost overflows after the two headings",
       "Form28",
       {{1, "1"}, {3, "1e308"}, {5, "1e308"}},
       2,
       {{1, "未入库"}},
       FaultKind::Overflow},
      {"payment overflows after the cost lines",
       "Form28",
       {{1, "1e308"}, {2, "1e308"}},
       4,
       {{3, "应交税金-应交增值税（进）（借） 1E+308 "}},
       FaultKind::Overflow},

      // Form68: the rate decides which discount applies.
      {"discount amount",
       "Form68",
       {{1, "1000"}, {2, "130"}, {3, "20"}},
       8,
       {{2, "银行存款（贷） 1110 "}, {3, "财务费用（贷） 20 "}, {7, "本年利润（贷） 20 "}}},
      {"discount rate ignores the amount",
       "Form68",
       {{1, "1000"}, {2, "130"}, {3, "20"}, {4, "0.02"}},
       8,
       {{2, "银行存款（贷） 1107.4 "}, {3, "财务费用（贷） 22.6 "}, {6, "财务费用（借） 22.6 "}}},
      {"negative rate", "Form68", {{1, "1000"}, {2, "130"}, {3, "20"}, {4, "-0.01"}}, 0},
      {"all empty settles with no discount",
       "Form68",
       {},
       8,
       {{0, "应付账款（借） 0 "}, {5, "结转财务费用"}}},
      {"discount overflows after the debit lines",
       "Form68",
       {{1, "1e300"}, {4, "1e10"}},
       2,
       {},
       FaultKind::Overflow},
      {"payment overflows", "Form68", {{1, "1e308"}, {2, "1e308"}}, 2, {}, FaultKind::Overflow},

      // Form73, Form75, Form104: fixed entries; the one sum faults before its own line.
      {"materials total overflows", "Form73", {{1, "1e308"}, {2, "1e308"}}, 7, {}, FaultKind::Overflow},
      {"goods and VAT overflow", "Form75", {{1, "1e308"}, {2, "1e308"}}, 3, {}, FaultKind::Overflow},
      {"deposit less rent overflows", "Form104", {{2, "1e308"}, {3, "-1e308"}}, 11, {}, FaultKind::Overflow},
      {"all empty", "Form104", {}, 12, {{11, "库存现金（贷） 0 "}}},

      // Form105: quantities times prices, a twelfth of the cost.
      {"cost, margin, amortisation",
       "Form105",
       {{1, "30"}, {2, "50"}, {3, "10"}},
       24,
       {{1, "出租商品（借） 300 "},
        {2, "商品进销差价（借） 200 "},
        {3, "库存商品（贷） 500 "},
        {10, "其他业务支出（借） 25 "},
        {11, "出租商品-摊销（贷） 25 "}}},
      {"a month's share keeps its fraction",
       "Form105",
       {{1, "1"}, {3, "1"}},
       24,
       {{10, "其他业务支出（借） 0.0833333333333333 "}}},
      {"cost overflows after the heading",
       "Form105",
       {{1, "1e200"}, {3, "1e200"}},
       1,
       {},
       FaultKind::Overflow},
      {"selling value overflows after the cost line",
       "Form105",
       {{2, "1e200"}, {3, "1e200"}},
       2,
       {{1, "出租商品（借） 0 "}},
       FaultKind::Overflow},
  };
  for (const Case& c : cases) Check(c);
}

TEST(InventoryPurchases, PackagingGroups) {
  const Case cases[] = {
      {"all empty", "Form29", {}, 0},
      {"issued to production",
       "Form29",
       {{1, "10"}},
       7,
       {{1, "生产成本（借） 10 "}, {6, "生产成本（贷） 10 "}}},
      // No group ends with a blank line, so the second starts right after the first.
      {"issued and sent with goods",
       "Form29",
       {{1, "10"}, {2, "20"}},
       14,
       {{6, "生产成本（贷） 10 "}, {7, "领用包装"}, {8, "销售费用（借） 20 "}}},
      {"no uses: no write-off and no division", "Form29", {{3, "500"}, {4, "0"}}, 0},
      {"negative uses", "Form29", {{3, "500"}, {4, "-4"}}, 0},
      {"no rent: deposit group left out", "Form29", {{6, "5"}, {7, "7"}, {8, "100"}, {9, "0"}}, 0},
      {"rent alone prints the deposit group", "Form29", {{9, "0.01"}}, 12, {{1, "银行存款（借） 0 "}}},
      {"deposit, issue and rent",
       "Form29",
       {{6, "5"}, {7, "7"}, {8, "100"}, {9, "40"}},
       12,
       {{1, "银行存款（借） 100 "},
        {5, "销售费用（借） 5 "},
        {6, "其他业务成本（贷） 7 "},
        {7, "周转材料-包装物（在库）（贷） 12 "},
        {10, "库存现金（借） 40 "}}},
      {"per-use charge overflows after its heading",
       "Form29",
       {{3, "1e300"}, {4, "1e-10"}},
       5,
       {{4, "每次摊销"}},
       FaultKind::Overflow},
      {"packaging total overflows",
       "Form29",
       {{6, "1e308"}, {7, "1e308"}, {9, "1"}},
       7,
       {},
       FaultKind::Overflow},
  };
  for (const Case& c : cases) Check(c);

  auto r = PressWindow("Form29", {{3, "500"}, {4, "4"}, {5, "30"}});
  EXPECT_EQ(r.lines,
            (Lines{"领用包装物时", "周转材料-包装物（在用）（借） 500 ", "周转材料-包装物（在库）（贷） 500 ",
                   "", "每次摊销", "销售费用（借） 125 ", "周转材料-包装物（摊销）（贷） 125 ", "", "报废时",
                   "原材料-残料（借） 30 ", "销售费用（贷） 30 ", "", "走后一次摊销", "销售费用（借） 125 ",
                   "周转材料-包装物（摊销）（贷） 125 ", "", "同时转销包装物",
                   "周转材料-包装物（摊销）（借） 500 ", "周转材料-包装物（在用）（贷） 500 "}));
}

TEST(InventoryPurchases, FixedEntries) {
  auto issued = PressWindow("Form73", {{1, "100"}, {2, "20"}, {3, "30"}, {4, "40"}, {5, "50"}, {6, "13"}});
  EXPECT_EQ(issued.lines, (Lines{"领用原材料", "生产成本（借） 100 ", "制造费用（借） 20 ",
                                 "管理费用（借） 30 ", "销售费用（借） 40 ", "在建工程（借） 50 ",
                                 "增值税费用（借） 13 ", "原材料（贷） 240 ", "应交税金（贷） 13 "}));
  auto goods = PressWindow("Form75", {{1, "1000"}, {2, "130"}, {3, "60"}});
  EXPECT_EQ(goods.lines, (Lines{"购进货物", "库存商品（借） 1000 ", "应交税费-应交增值税（借） 130 ",
                                "银行存款/库存现金（贷） 1130 ", "", "付运费", "应付账款（借） 60 ",
                                "银行存款/库存现金（贷） 60 "}));
  auto lent = PressWindow("Form104", {{1, "300"}, {2, "500"}, {3, "80"}});
  EXPECT_EQ(lent.lines,
            (Lines{"出借其他", "其他业务成本（借） 300 ", "周转材料-包装物（贷） 300 ", "", "收取押金",
                   "库存现金（借） 500 ", "其他应付款-押金（贷） 500 ", "", "收取租金，退还押金",
                   "其他应付款-押金（借） 500 ", "其他业务收入（贷） 80 ", "库存现金（贷） 420 "}));
  auto rented = PressWindow("Form105", {{1, "30"}, {2, "50"}, {3, "10"}, {4, "70"}, {5, "90"}, {6, "11"}});
  EXPECT_EQ(rented.lines, (Lines{"出租商品",
                                 "出租商品（借） 300 ",
                                 "商品进销差价（借） 200 ",
                                 "库存商品（贷） 500 ",
                                 "",
                                 "收到租金",
                                 "库存现金/银行存款（借） 70 ",
                                 "其他业务收入（贷） 70 ",
                                 "",
                                 "月末摊销",
                                 "其他业务支出（借） 25 ",
                                 "出租商品-摊销（贷） 25 ",
                                 "",
                                 "收取押金",
                                 "库存现金/银行存款（借） 90 ",
                                 "其他应付款（贷） 90 ",
                                 "",
                                 "退还押金",
                                 "其他应付款（借） 90 ",
                                 "库存现金/银行存款（贷） 90 ",
                                 "",
                                 "报废",
                                 "其他业务支出（借） 11 ",
                                 "出租商品（贷） 11 "}));
}

}  // namespace
}  // namespace varnello
