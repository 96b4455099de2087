// Sales and receivables windows: worked figures, the bad-debt allowance's condition groups,
// empty fields and the lines that stay when a figure overflows.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/press_helper.h"

namespace varnello {
namespace {

using testing::LineOf;
using testing::Lines;
using testing::PressWindow;

TEST(Form16, SeparateAndCombinedEntries) {
  auto r = PressWindow("Form16", {{1, "1000"}, {2, "130"}, {3, "600"}, {4, "50"}});
  EXPECT_EQ(r.fault, std::nullopt);
  EXPECT_EQ(r.lines, (Lines{"确认收入",
                            "应收票据/银行存款（借） 1130 ",
                            "主营业务收入（贷） 1000 ",
                            "应交税费-应交增值税（销）（贷） 130 ",
                            "",
                            "主营业务成本（借） 600 ",
                            "库存商品（贷） 600 ",
                            "",
                            "代垫运费",
                            "应收账款（借） 50 ",
                            "银行存款（贷） 50 ",
                            "",
                            "付运费",
                            "应付账款（借） 50 ",
                            "银行存款（贷） 50 ",
                            "",
                            "主营业务成本结转本年利润",
                            "本年利润（借） 600 ",
                            "主营业务成本（贷） 600 ",
                            "",
                            "或",
                            "",
                            "应收账款（借） 1180 ",
                            "主营业务收入（贷） 1000 ",
                            "应交税费-应交增值税（销）（贷） 130 ",
                            "银行存款（贷） 50 ",
                            "",
                            "主营业务成本（借） 600 ",
                            "库存商品（贷） 600 ",
                            "",
                            "主营业务成本结转本年利润",
                            "本年利润（借） 600 ",
                            "主营业务成本（贷） 600 "}));
}

// Every window's full sequence with all fields empty: every amount is zero.
TEST(SalesWindows, EmptyFieldsPrintFullSequenceOfZeros) {
  const std::vector<std::pair<const char*, size_t>> windows{{"Form16", 33}, {"Form17", 16}, {"Form18", 28},
                                                            {"Form69", 29}, {"Form70", 19}, {"Form71", 8},
                                                            {"Form76", 12}};
  for (const auto& [window, count] : windows) {
    auto r = PressWindow(window, {});
    EXPECT_EQ(r.fault, std::nullopt) << window;
    EXPECT_EQ(r.lines.size(), count) << window;
    for (std::string_view line : r.lines) {
      // Journal lines end in an amount; with nothing typed it is zero, never "-0".
      if (line.ends_with(" ")) {
        EXPECT_TRUE(line.ends_with("） 0 ")) << window << ": " << line;
      }
    }
  }
}

struct Figures {
  const char* window;
  std::map<int, std::string> in;
  std::vector<std::pair<size_t, std::string>> at;  // line index -> exact text
};

TEST(SalesWindows, WorkedFigures) {
  const std::vector<Figures> cases{
      // Trade discount 10 %, cash discount 2 % of the receivable.
      {"Form17",
       {{1, "10"}, {2, "100"}, {3, "60"}, {4, "0.1"}, {5, "0.02"}, {6, "117"}},
       {{1, "应收账款（借） 1017 "},
        {2, "主营业务收入（贷） 900 "},
        {3, "应交税费-应交增值税（销）（贷） 117 "},
        {5, "主营业务成本（借） 600 "},
        {9, "银行存款（借） 996.66 "},
        {10, "财务费用（借） 20.34 "},
        {11, "应收账款（贷） 1017 "},
        {14, "本年利润（借） 20.34 "},
        {15, "财务费用（贷） 20.34 "}}},
      // No discounts: the net revenue is the list price and the whole receivable is paid.
      {"Form17",
       {{1, "4"}, {2, "25"}, {6, "13"}},
       {{1, "应收账款（借） 113 "},
        {2, "主营业务收入（贷） 100 "},
        {9, "银行存款（借） 113 "},
        {10, "财务费用（借） 0 "}}},
      // The revenue alone, S, is closed to profit; the VAT is no income.
      {"Form69",
       {{1, "1000"}, {2, "130"}, {3, "700"}},
       {{1, "应收账款（借） 1130 "},
        {5, "银行存款（借） 1130 "},
        {8, "主营业务成本/其他业务成本（借） 700 "},
        {13, "应交税费-应交增值税（销）（借） 130 "},
        {14, "银行存款（贷） 1130 "},
        {20, "主营业务收入/其他业务收入（借） 1000 "},
        {21, "本年利润（贷） 1000 "},
        {22, ""},
        {23, ""},
        {24, ""},
        {25, "购买退回"},
        {26, "应付账款（借） 1130 "},
        {27, "库存商品/原材料（贷） 1000 "},
        {28, "应交税费-应交增值税（进）（贷） 130 "}}},
      {"Form70",
       {{1, "10"}, {2, "100"}, {3, "60"}, {4, "0.05"}},
       {{1, "发出商品（借） 600 "},
        {5, "应收账款（借） 1130 "},
        {6, "主营业务收入（贷） 1000 "},
        {7, "应交税费-应交增值税（销）（贷） 130 "},
        {9, "主营业务成本（借） 600 "},
        {12, "销售费用（借） 50 "},
        {13, "应交税费-应交增值税（进）（借） 3 "},
        {14, "应收账款（贷） 53 "},
        {17, "银行存款（借） 1077 "},
        {18, "应收账款（贷） 1077 "}}},
      {"Form71",
       {{1, "2000"}, {2, "260"}, {3, "1500"}},
       {{1, "应收账款（借） 2260 "},
        {2, "其他业务收入（贷） 2000 "},
        {6, "其他业务成本（借） 1500 "},
        {7, "原材料（贷） 1500 "}}},
      // The balance received is T - A; an advance above T gives a negative balance.
      {"Form76",
       {{1, "1000"}, {2, "130"}, {3, "300"}},
       {{1, "银行存款（借） 300 "},
        {5, "预收账款（借） 1130 "},
        {10, "银行存款（借） 830 "},
        {11, "预收账款（贷） 830 "}}},
      {"Form76", {{1, "100"}, {3, "150"}}, {{10, "银行存款（借）-50 "}, {11, "预收账款（贷）-50 "}}},
  };
  for (const Figures& c : cases) {
    auto r = PressWindow(c.window, c.in);
    EXPECT_EQ(r.fault, std::nullopt) << c.window;
    for (const auto& [i, text] : c.at) {
      ASSERT_LT(i, r.lines.size()) << c.window;
      EXPECT_EQ(r.lines[i], text) << c.window << " line " << i;
    }
  }
}

// The bad-debt allowance: which of its condition groups print for which W and X.
TEST(Form18, ConditionGroups) {
  struct Case {
    std::map<int, std::string> in;  // A, L, W
    Lines headings;                 // entry headings in order, blank lines left out
    Lines combined;                 // the four lines after "或"
  };
  const std::vector<Case> cases{
      // W = 0 takes the write-off and the W <= 0 combined entry; X = 0 takes the top-up group.
      {{},
       {"年末计提", "确认坏账", "计提坏账准备", "转销坏账", "如果收回全部坏账", "或"},
       {"营业外支出-坏账损失（借） 0 ", "银行存款（借） 0 ", "坏账准备（借） 0 ", "应收账款（贷） 0 "}},
      // Collected again: W = -100, X = 0 - (0 + 100) = -100.
      {{{3, "-100"}},
       {"年末计提", "收回坏账", "同时", "计提坏账准备", "转销坏账", "如果收回全部坏账", "或"},
       {"营业外支出-坏账损失（借）-100 ", "银行存款（借） 100 ", "坏账准备（借） 0 ", "应收账款（贷） 0 "}},
      // X = 500 - (800 - 100) = -200: the allowance is reduced.
      {{{1, "500"}, {2, "800"}, {3, "100"}},
       {"年末计提", "确认坏账", "计提坏账准备", "转销坏账", "如果收回全部坏账", "或"},
       {"营业外支出-坏账损失（借）-200 ", "坏账准备（借） 800 ", "银行存款（贷） 100 ",
        "应收账款（贷） 500 "}},
      // X = 1000 - (800 - 100) = 300: a top-up.
      {{{1, "1000"}, {2, "800"}, {3, "100"}},
       {"年末计提", "确认坏账", "计提坏账准备", "转销坏账", "如果收回全部坏账", "或"},
       {"营业外支出-坏账损失（借） 300 ", "坏账准备（借） 800 ", "银行存款（贷） 100 ",
        "应收账款（贷） 1000 "}},
      // Just below zero still counts as a collection.
      {{{1, "10"}, {3, "-1e-9"}},
       {"年末计提", "收回坏账", "同时", "计提坏账准备", "转销坏账", "如果收回全部坏账", "或"},
       {"营业外支出-坏账损失（借） 9.999999999 ", "银行存款（借） 1E-09 ", "坏账准备（借） 0 ",
        "应收账款（贷） 10 "}},
  };
  for (const Case& c : cases) {
    auto r = PressWindow("Form18", c.in);
    ASSERT_EQ(r.fault, std::nullopt);
    Lines headings;
    for (std::string_view line : r.lines) {
      if (!line.empty() && !line.ends_with(" ")) headings.emplace_back(line);
    }
    EXPECT_EQ(headings, c.headings) << "W=" << (c.in.count(3) ? c.in.at(3) : "");
    ASSERT_GE(r.lines.size(), 4u);
    EXPECT_EQ(Lines(r.lines.end() - 4, r.lines.end()), c.combined);
  }
}

TEST(Form18, TopUpAndReductionAmounts) {
  // X >= 0: the top-up group has no blank line before the blank, "或", blank separator.
  auto up = PressWindow("Form18", {{1, "1000"}, {2, "800"}, {3, "100"}});
  EXPECT_EQ(LineOf(up, "信用减值损失（借）"), "信用减值损失（借） 300 ");
  ASSERT_EQ(up.lines.size(), 28u);
  EXPECT_EQ(up.lines[20], "应收账款（贷） 300 ");
  EXPECT_EQ(up.lines[21], "");
  EXPECT_EQ(up.lines[22], "或");
  // X < 0: the reduction group ends with its own blank line, so two blanks precede "或".
  auto down = PressWindow("Form18", {{1, "500"}, {2, "800"}, {3, "100"}});
  ASSERT_EQ(down.lines.size(), 29u);
  EXPECT_EQ(down.lines[9], "坏账准备（借） 200 ");
  EXPECT_EQ(down.lines[10], "管理费用（贷） 200 ");
  EXPECT_EQ(down.lines[20], "应收账款（贷） 200 ");
  EXPECT_EQ(down.lines[21], "");
  EXPECT_EQ(down.lines[22], "");
  EXPECT_EQ(down.lines[23], "或");
  EXPECT_EQ(LineOf(down, "信用减值损失（借）"), "");
  // Collection: the collected amount is printed positive on four lines.
  auto back = PressWindow("Form18", {{3, "-100"}});
  Lines collected(back.lines.begin() + 4, back.lines.begin() + 11);
  EXPECT_EQ(collected, (Lines{"收回坏账", "银行存款（借） 100 ", "应收账款（贷） 100 ", "同时",
                              "应收账款（借） 100 ", "坏账准备（贷） 100 ", ""}));
}

struct FaultCase {
  const char* window;
  std::map<int, std::string> in;
  size_t kept;       // lines printed before the faulting figure
  std::string last;  // the last of them
};

TEST(SalesWindows, OverflowKeepsLinesBeforeTheFaultingFigure) {
  const std::vector<FaultCase> cases{
      {"Form16", {{1, "1e308"}, {2, "1e308"}}, 1, "确认收入"},
      {"Form16", {{1, "1e308"}, {4, "1e308"}}, 22, ""},  // only the combined receivable overflows
      {"Form17", {{1, "1e200"}, {2, "1e200"}}, 1, "确认收入"},
      {"Form17", {{1, "1e200"}, {3, "1e200"}, {2, "1"}}, 5, ""},          // cost K
      {"Form17", {{1, "1"}, {2, "1e300"}, {5, "1e300"}}, 9, "收到货款"},  // cash discount D
      {"Form18", {{1, "1e308"}, {3, "1e308"}}, 8, ""},                    // X after the write-off group
      {"Form18", {{1, "-1e308"}, {2, "1e308"}}, 8, ""},
      {"Form69", {{1, "1e308"}, {2, "1e308"}}, 1, "确认收入"},
      {"Form70", {{1, "1e200"}, {3, "1e200"}}, 1, "发出商品"},
      {"Form70", {{1, "1e200"}, {2, "1e200"}}, 5, "收到清单"},
      {"Form70", {{1, "1"}, {2, "1e300"}, {4, "1e300"}}, 12, ""},  // commission M
      {"Form71", {{1, "1e308"}, {2, "1e308"}}, 1, "确认收入"},
      {"Form76", {{1, "1e308"}, {2, "1e308"}}, 5, "发出货物"},
      {"Form76", {{1, "1e308"}, {3, "-1e308"}}, 10, "收到余款"},
  };
  for (const FaultCase& c : cases) {
    auto r = PressWindow(c.window, c.in);
    EXPECT_EQ(r.fault, FaultKind::Overflow) << c.window << " kept " << c.kept;
    ASSERT_EQ(r.lines.size(), c.kept) << c.window;
    EXPECT_EQ(r.lines.back(), c.last) << c.window;
  }
}

}  // namespace
}  // namespace varnello
