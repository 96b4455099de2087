// Purchases, packaging, rentals, stocktaking and losses: worked figures, strict guards, and which
// lines stay printed when a figure faults.
#include <gtest/gtest.h>

#include "core/press_helper.h"

namespace varnello {
namespace {

constexpr auto kOverflow = FaultKind::Overflow;

// One press: how many lines it leaves, some of them by index, and the fault that ended it.
struct Case {
  const char* what;
  const char* window;
  std::map<int, std::string> in;
  size_t count;
  std::vector<std::pair<size_t, std::string>> lines = {};
  std::optional<FaultKind> fault = std::nullopt;
};

void CheckAll(const std::vector<Case>& cases) {
  std::vector<testing::PressCase> presses;
  for (const Case& c : cases) presses.push_back({c.window, c.in, {}, c.fault, c.count, c.what, c.lines});
  testing::CheckPresses(presses);
}

// clang-format off
TEST(InventoryWindows, PurchasesAndRentals) {
  CheckAll({
      {"all empty", "Form28", {}, 0},
      {"in-house production alone", "Form28", {{4, "50"}}, 3,
       {{0, "自产原材料"}, {1, "原材料（借） 50 "}, {2, "生产成本（贷） 50 "}}},
      {"freight and entry charge in the cost", "Form28", {{1, "1000"}, {2, "130"}, {3, "50"}, {5, "20"}}, 32,
       {{2, "在途物资（借） 1070 "}, {4, "银行存款/应付票据（贷） 1200 "},
        {13, "银行存款/应付票据（贷） 1200 "}, {17, "对方付运费（包邮包进仓）"}, {19, "在途物资（借） 1000 "},
        {21, "银行存款/应付票据（贷） 1130 "}, {30, "银行存款/应付票据（贷） 1130 "}, {31, ""}}},
      {"zero price and production", "Form28", {{1, "0"}, {3, "50"}, {4, "0"}}, 0},
      {"both groups", "Form28", {{1, "0.5"}, {4, "2"}}, 35, {{31, ""}, {32, "自产原材料"}}},
      {"cost overflows after two headings", "Form28", {{1, "1"}, {3, "1e308"}, {5, "1e308"}}, 2,
       {{1, "未入库"}}, kOverflow},
      {"payment overflows", "Form28", {{1, "1e308"}, {2, "1e308"}}, 4, {}, kOverflow},

      {"discount amount", "Form68", {{1, "1000"}, {2, "130"}, {3, "20"}}, 8,
       {{2, "银行存款（贷） 1110 "}, {3, "财务费用（贷） 20 "}, {7, "本年利润（贷） 20 "}}},
      {"rate replaces the amount", "Form68", {{1, "1000"}, {2, "130"}, {3, "20"}, {4, "0.02"}}, 8,
       {{2, "银行存款（贷） 1107.4 "}, {3, "财务费用（贷） 22.6 "}, {6, "财务费用（借） 22.6 "}}},
      {"negative rate", "Form68", {{1, "1000"}, {2, "130"}, {3, "20"}, {4, "-0.01"}}, 0},
      {"discount overflows after the debits", "Form68", {{1, "1e300"}, {4, "1e10"}}, 2, {}, kOverflow},

      {"materials total", "Form73", {{1, "100"}, {2, "20"}, {3, "30"}, {4, "40"}, {5, "50"}, {6, "13"}}, 9,
       {{6, "增值税费用（借） 13 "}, {7, "原材料（贷） 240 "}, {8, "应交税金（贷） 13 "}}},
      {"materials total overflows", "Form73", {{1, "1e308"}, {2, "1e308"}}, 7, {}, kOverflow},
      {"goods and freight", "Form75", {{1, "1000"}, {2, "130"}, {3, "60"}}, 8,
       {{3, "银行存款/库存现金（贷） 1130 "}, {6, "应付账款（借） 60 "}}},
      {"goods and VAT overflow", "Form75", {{1, "1e308"}, {2, "1e308"}}, 3, {}, kOverflow},
      {"rent kept out of the deposit", "Form104", {{1, "300"}, {2, "500"}, {3, "80"}}, 12,
       {{9, "其他应付款-押金（借） 500 "}, {10, "其他业务收入（贷） 80 "}, {11, "库存现金（贷） 420 "}}},
      {"deposit less rent overflows", "Form104", {{2, "1e308"}, {3, "-1e308"}}, 11, {}, kOverflow},

      {"cost, margin, amortisation", "Form105", {{1, "30"}, {2, "50"}, {3, "10"}}, 24,
       {{1, "出租商品（借） 300 "}, {2, "商品进销差价（借） 200 "}, {3, "库存商品（贷） 500 "},
        {10, "其他业务支出（借） 25 "}, {11, "出租商品-摊销（贷） 25 "}}},
      {"cost overflows after the heading", "Form105", {{1, "1e200"}, {3, "1e200"}}, 1, {}, kOverflow},
      {"selling value overflows after the cost", "Form105", {{2, "1e200"}, {3, "1e200"}}, 2, {}, kOverflow},
  });
}

TEST(InventoryWindows, PackagingGroups) {
  CheckAll({
      {"all empty", "Form29", {}, 0},
      // No group ends with a blank line, so the second starts right after the first.
      {"issued and sent with goods", "Form29", {{1, "10"}, {2, "20"}}, 14,
       {{1, "生产成本（借） 10 "}, {6, "生产成本（贷） 10 "}, {7, "领用包装"}, {8, "销售费用（借） 20 "}}},
      {"no uses: no write-off", "Form29", {{3, "500"}, {4, "0"}}, 0},
      {"written off over four uses", "Form29", {{3, "500"}, {4, "4"}, {5, "30"}}, 19,
       {{1, "周转材料-包装物（在用）（借） 500 "}, {5, "销售费用（借） 125 "}, {9, "原材料-残料（借） 30 "},
        {13, "销售费用（借） 125 "}, {17, "周转材料-包装物（摊销）（借） 500 "}}},
      {"per-use charge overflows after its heading", "Form29", {{3, "1e300"}, {4, "1e-10"}}, 5,
       {{4, "每次摊销"}}, kOverflow},
      {"no rent: deposit group left out", "Form29", {{6, "5"}, {7, "7"}, {8, "100"}, {9, "0"}}, 0},
      {"deposit, issue and rent", "Form29", {{6, "5"}, {7, "7"}, {8, "100"}, {9, "40"}}, 12,
       {{1, "银行存款（借） 100 "}, {5, "其他业务成本（借） 5 "}, {6, "销售费用（借） 7 "},
        {7, "周转材料-包装物（在库）（贷） 12 "}, {10, "库存现金（借） 40 "}}},
      {"packaging total overflows", "Form29", {{6, "1e308"}, {7, "1e308"}, {9, "1"}}, 7, {}, kOverflow},
  });
}

TEST(InventoryWindows, StocktakingAndLosses) {
  CheckAll({
      {"all empty", "Form30", {}, 0},
      {"surplus alone", "Form30", {{1, "300"}}, 8,
       {{0, "存货盘盈"}, {3, "待处理财产损溢-待处理流动资产损溢（贷） 300 "}, {7, "库存商品（贷） 300 "}}},
      {"zero and negative loss", "Form30", {{1, "0"}, {2, "-1"}, {3, "100"}}, 0},
      {"surplus then shortage", "Form30", {{1, "1"}, {2, "1"}}, 38, {{8, "盘亏（一般纳税人）"}}},
      {"general and small-scale payer", "Form30",
       {{2, "1000"}, {3, "100"}, {4, "0.13"}, {5, "500"}, {6, "200"}}, 30,
       {{5, "待处理财产损溢-待处理流动资产损溢（借） 1017 "}, {6, "库存商品（贷） 900 "},
        {7, "应交税费-应交增值税（进）（贷） 117 "}, {10, "营业外支出-存货盘亏（借） 317 "}, {16, ""},
        {17, "盘亏（小规模纳税人）"}, {23, "应交税费-应交增值税（进）(贷) 1017 "},
        {26, "营业外支出-存货盘亏（借） 317 "}, {29, "待处理财产损溢-待处理流动资产损溢（贷） 1017 "}}},
      {"net loss overflows after the scrap entry", "Form30", {{2, "1e308"}, {3, "-1e308"}}, 5, {}, kOverflow},
      {"non-operating loss overflows after its heading", "Form30", {{2, "1e308"}, {5, "-1e308"}}, 10,
       {{9, "批准后"}}, kOverflow},

      {"all empty", "Form31", {}, 13, {{4, "待处理财产损溢（借） 0 "}}},
      {"shortage with VAT", "Form31", {{1, "10"}, {2, "50"}, {3, "0.13"}}, 13,
       {{4, "待处理财产损溢（借） 565 "}, {5, "原材料（贷） 500 "},
        {6, "应交税费-应交增值税（进）（贷） 65 "}, {9, "营业外支出-盘亏（借） 565 "}}},
      {"cost overflows after the scrap entry", "Form31", {{1, "1e200"}, {2, "1e200"}}, 4, {}, kOverflow},

      {"empty field", "Form32", {}, 8, {{2, "原材料（借） 0 "}, {7, "原材料（贷） 0 "}}},
      {"only Text5 is read", "Form32", {{5, "80"}, {1, "999"}}, 8,
       {{2, "原材料（借） 80 "}, {6, "待处理财产损溢-待处理流动资产损溢（借） 80 "}}},

      {"work in progress and products", "Form34",
       {{1, "1000"}, {2, "2000"}, {3, "400"}, {4, "800"}, {5, "100"}, {6, "200"}, {7, "500"}, {8, "0.13"}},
       14,
       {{1, "原材料-残料（借） 300 "}, {6, "待处理财产损溢-待处理流动财产损溢（借） 2817 "},
        {7, "生产成本（贷) 900 "}, {8, "库存商品（贷） 1800 "}, {9, "应交税费-应交增值税（进）（贷） 117 "},
        {11, "营业外支出-非常损失（借） 2317 "}, {13, "待处理财产损溢-待处理流动财产损溢（贷） 2817 "}}},
      {"scrap overflows first", "Form34", {{5, "1e308"}, {6, "1e308"}}, 1, {}, kOverflow},
      {"suspense overflows after its heading", "Form34", {{1, "1e308"}, {2, "1e308"}}, 6, {}, kOverflow},

      {"damaged products", "Form72",
       {{1, "10"}, {2, "100"}, {3, "60"}, {4, "50"}, {5, "300"}, {6, "0.13"}}, 9,
       {{5, "营业外支出-非常损失（借） 721.5 "}, {7, "库存商品（贷） 950 "},
        {8, "应交税金-应交增值税（进）（贷） 71.5 "}}},
      {"material cost overflows after its heading", "Form72", {{1, "1e200"}, {3, "1e200"}}, 5, {}, kOverflow},

      {"net loss prints negative", "Form110",
       {{1, "500"}, {2, "10000"}, {3, "4000"}, {4, "200"}, {5, "3000"}}, 15,
       {{0, "固定资产清理（借） 6000 "}, {13, "营业外支出（借）-2700 "}, {14, "固定资产清理（贷）-2700 "}}},
      {"net gain prints positive", "Form110", {{5, "100"}}, 15, {{13, "营业外支出（借） 100 "}}},
      {"book value overflows first", "Form110", {{2, "1e308"}, {3, "-1e308"}}, 0, {}, kOverflow},
      {"result overflows last", "Form110", {{5, "1e308"}, {1, "1e308"}}, 13, {}, kOverflow},
  });
}
// clang-format on

}  // namespace
}  // namespace varnello
