// Stocktaking surpluses and shortages, damaged products and a destroyed warehouse: worked figures,
// guards and fault points.
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

TEST(InventoryStocktaking, GuardsFiguresAndFaults) {
  const Case cases[] = {
      // Form30: surplus and shortage groups, each behind a strict guard.
      {"all empty", "Form30", {}, 0},
      {"surplus alone",
       "Form30",
       {{1, "300"}},
       8,
       {{0, "存货盘盈"}, {3, "待处理财产损溢-待处理流动资产损溢（贷） 300 "}, {7, "库存商品（贷） 300 "}}},
      {"zero and negative loss print nothing", "Form30", {{1, "0"}, {2, "-1"}, {3, "100"}}, 0},
      {"surplus then shortage",
       "Form30",
       {{1, "1"}, {2, "1"}},
       38,
       {{7, "库存商品（贷） 1 "}, {8, "盘亏（一般纳税人）"}}},
      {"net loss overflows after the scrap entry",
       "Form30",
       {{2, "1e308"}, {3, "-1e308"}},
       5,
       {{4, ""}},
       FaultKind::Overflow},
      {"VAT overflows", "Form30", {{2, "1e300"}, {4, "1e10"}}, 5, {}, FaultKind::Overflow},
      {"non-operating loss overflows after its heading",
       "Form30",
       {{2, "1e308"}, {5, "-1e308"}},
       10,
       {{9, "批准后"}},
       FaultKind::Overflow},

      // Form31: always prints; the scrap entry comes before the computed figures.
      {"all empty", "Form31", {}, 13, {{4, "待处理财产损溢（借） 0 "}, {9, "营业外支出-盘亏（借） 0 "}}},
      {"worked example",
       "Form31",
       {{1, "10"}, {2, "50"}, {3, "0.13"}},
       13,
       {{4, "待处理财产损溢（借） 565 "},
        {5, "原材料（贷） 500 "},
        {6, "应交税费-应交增值税（进）（贷） 65 "},
        {9, "营业外支出-盘亏（借） 565 "},
        {12, "待处理财产损溢（贷） 565 "}}},
      {"cost overflows after the scrap entry",
       "Form31",
       {{1, "1e200"}, {2, "1e200"}},
       4,
       {},
       FaultKind::Overflow},
      {"non-operating loss overflows",
       "Form31",
       {{1, "1"}, {2, "1e308"}, {4, "-1e308"}},
       9,
       {},
       FaultKind::Overflow},

      // Form32 reads only its one field, Text5.
      {"empty field", "Form32", {}, 8, {{2, "原材料（借） 0 "}, {7, "原材料（贷） 0 "}}},
      {"surplus in Text5",
       "Form32",
       {{5, "80"}, {1, "999"}},
       8,
       {{0, "原材料盘盈"},
        {2, "原材料（借） 80 "},
        {3, "待处理财产损溢-待处理流动资产损溢（贷） 80 "},
        {6, "待处理财产损溢-待处理流动资产损溢（借） 80 "}}},

      // Form34: scrap first, then the loss moved to suspense.
      {"scrap overflows before anything",
       "Form34",
       {{5, "1e308"}, {6, "1e308"}},
       1,
       {{0, "批准前"}},
       FaultKind::Overflow},
      {"suspense overflows after its heading",
       "Form34",
       {{1, "1e308"}, {2, "1e308"}},
       6,
       {{5, "批准后"}},
       FaultKind::Overflow},
      {"VAT overflows", "Form34", {{3, "1e300"}, {8, "1e10"}}, 6, {}, FaultKind::Overflow},
      {"net loss after insurance overflows",
       "Form34",
       {{1, "1e308"}, {7, "-1e308"}},
       11,
       {},
       FaultKind::Overflow},

      // Form72.
      {"worked example",
       "Form72",
       {{1, "10"}, {2, "100"}, {3, "60"}, {4, "50"}, {5, "300"}, {6, "0.13"}},
       9,
       {{5, "营业外支出-非常损失（借） 721.5 "},
        {7, "库存商品（贷） 950 "},
        {8, "应交税金-应交增值税（进）（贷） 71.5 "}}},
      {"material cost overflows after its heading",
       "Form72",
       {{1, "1e200"}, {3, "1e200"}},
       5,
       {{4, "获赔保险"}},
       FaultKind::Overflow},
      {"product cost overflows", "Form72", {{1, "1e200"}, {2, "1e200"}}, 5, {}, FaultKind::Overflow},

      // Form110: a net loss prints negative.
      {"worked example",
       "Form110",
       {{1, "500"}, {2, "10000"}, {3, "4000"}, {4, "200"}, {5, "3000"}},
       15,
       {{0, "固定资产清理（借） 6000 "}, {13, "营业外支出（借）-2700 "}, {14, "固定资产清理（贷）-2700 "}}},
      {"net gain prints positive", "Form110", {{5, "100"}}, 15, {{13, "营业外支出（借） 100 "}}},
      {"net book value overflows first",
       "Form110",
       {{2, "1e308"}, {3, "-1e308"}},
       0,
       {},
       FaultKind::Overflow},
      {"result overflows last", "Form110", {{5, "1e308"}, {1, "1e308"}}, 13, {{12, ""}}, FaultKind::Overflow},
  };
  for (const Case& c : cases) Check(c);
}

TEST(InventoryStocktaking, ShortageForBothKindsOfPayer) {
  auto r = PressWindow("Form30", {{2, "1000"}, {3, "100"}, {4, "0.13"}, {5, "500"}, {6, "200"}});
  EXPECT_EQ(r.fault, std::nullopt);
  EXPECT_EQ(r.lines, (Lines{"盘亏（一般纳税人）",
                            "批准前",
                            "库存商品（借） 100 ",
                            "库存商品（贷） 100 ",
                            "",
                            "待处理财产损溢-待处理流动资产损溢（借） 1017 ",
                            "库存商品（贷） 900 ",
                            "应交税费-应交增值税（进）（贷） 117 ",
                            "",
                            "批准后",
                            "营业外支出-存货盘亏（借） 317 ",
                            "其他应收款-保险公司（借） 500 ",
                            "其他应收款-责任人（借） 200 ",
                            "待处理财产损溢-待处理流动资产损溢（贷） 1017 ",
                            "",
                            "",
                            "",
                            "盘亏（小规模纳税人）",
                            "批准前",
                            "库存商品（借） 100 ",
                            "库存商品（贷） 100 ",
                            "",
                            "待处理财产损溢-待处理流动资产损溢（借） 1017 ",
                            "应交税费-应交增值税（进）(贷) 1017 ",
                            "",
                            "批准后",
                            "营业外支出-存货盘亏（借） 317 ",
                            "其他应收款-保险公司（借） 500 ",
                            "其他应收款-责任人（借） 200 ",
                            "待处理财产损溢-待处理流动资产损溢（贷） 1017 "}));
}

TEST(InventoryStocktaking, ProductLossCaptionsAndFigures) {
  auto r = PressWindow(
      "Form34",
      {{1, "1000"}, {2, "2000"}, {3, "400"}, {4, "800"}, {5, "100"}, {6, "200"}, {7, "500"}, {8, "0.13"}});
  EXPECT_EQ(
      r.lines,
      (Lines{"批准前", "原材料-残料（借） 300 ", "生产成本（贷） 100 ", "库存商品（贷） 200 ", "", "批准后",
             "待处理财产损溢-待处理流动财产损溢（借） 2817 ", "生产成本（贷) 900 ", "库存商品（贷） 1800 ",
             "应交税费-应交增值税（进）（贷） 117 ", "", "营业外支出-非常损失（借） 2317 ",
             "其他应收款-保险公司（借） 500 ", "待处理财产损溢-待处理流动财产损溢（贷） 2817 "}));
}

}  // namespace
}  // namespace varnello
