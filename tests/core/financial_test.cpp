// Worked figures, guards and fault points of the trading-securities and prior-period windows.
#include <gtest/gtest.h>

#include "core/press_helper.h"

namespace varnello {
namespace {

using testing::LineOf;
using testing::PressWindow;

TEST(Form3, WorkedExample) {
  auto r = PressWindow("Form3", {{1, "1000"}, {2, "0.25"}, {3, "0.1"}, {4, "0.05"}});
  EXPECT_EQ(r.fault, std::nullopt);
  EXPECT_EQ(LineOf(r, "应交税费-应交所得税（借）"), "应交税费-应交所得税（借） 250 ");
  EXPECT_EQ(LineOf(r, "调整净利润"), "调整净利润 750 ");
  EXPECT_EQ(LineOf(r, "盈余公积（借）"), "盈余公积（借） 112.5 ");
  EXPECT_EQ(LineOf(r, "调整未分配利润"), "调整未分配利润 637.5 ");
  // No share count: no earnings-per-share line, but the blank line and final entry remain.
  EXPECT_EQ(LineOf(r, "调整基本每股收益上年金额"), "");
  ASSERT_EQ(r.lines.size(), 31u);
  EXPECT_EQ(r.lines[27], "所有者权益变动表项目的调整");
  EXPECT_EQ(r.lines[26], "");
}

TEST(Form3, EarningsPerShareOnlyForPositiveShareCount) {
  auto withShares = PressWindow("Form3", {{1, "1000"}, {2, "0.25"}, {5, "300"}});
  EXPECT_EQ(LineOf(withShares, "调整基本每股收益上年金额"), "调整基本每股收益上年金额 2.5 ");
  EXPECT_EQ(withShares.lines.size(), 32u);
  for (const char* n : {"0", "-5", ""}) {
    auto r = PressWindow("Form3", {{1, "1000"}, {5, n}});
    EXPECT_EQ(r.lines.size(), 31u) << n;
    EXPECT_EQ(r.fault, std::nullopt);
  }
}

TEST(Form3, OverflowKeepsEarlierEntries) {
  // R = (r2 + r1) * NET overflows: the first three entries (12 lines) stay.
  auto r = PressWindow("Form3", {{1, "1e300"}, {3, "1e300"}});
  EXPECT_EQ(r.fault, FaultKind::Overflow);
  ASSERT_EQ(r.lines.size(), 12u);
  EXPECT_EQ(r.lines.back(), "");
  // TAX overflows: only the first entry stays.
  auto t = PressWindow("Form3", {{1, "1e300"}, {2, "1e300"}});
  EXPECT_EQ(t.fault, FaultKind::Overflow);
  EXPECT_EQ(t.lines.size(), 4u);
}

TEST(Form2, ReservesAndFaults) {
  auto r = PressWindow("Form2", {{1, "25"}, {2, "75"}, {3, "0.1"}, {4, "0.05"}});
  EXPECT_EQ(r.lines, (std::vector<std::string>{"股价变动", "交易性金融资产-公允价值变动（借） 100 ",
                                               "利润分配-未分配利润（贷） 75 ", "递延所得税负债（贷） 25 ",
                                               "", "提取盈余公积", "利润分配-未分配利润（借） 11.25 ",
                                               "盈余公积（贷） 11.25 "}));
  auto y = PressWindow("Form2", {{2, "1e300"}, {3, "1e300"}});
  EXPECT_EQ(y.fault, FaultKind::Overflow);
  EXPECT_EQ(y.lines.size(), 5u);
}

TEST(Form5, TermTakesPartInNoAmount) {
  std::map<int, std::string> in{{1, "1000"}, {2, "900"}, {3, "0.1"}, {4, "0.08"}, {6, "200"}};
  auto a = PressWindow("Form5", in);
  in[5] = "7";
  auto b = PressWindow("Form5", in);
  EXPECT_EQ(a.lines, b.lines);
  EXPECT_EQ(LineOf(a, "资产减值损失（借）"), "资产减值损失（借） 200 ");  // 1100 - 900
  EXPECT_EQ(LineOf(a, "贷款摊余成本"), "贷款摊余成本 772 ");              // (900 - 200) + 72
  EXPECT_EQ(LineOf(a, "贷款-已减值"), "贷款-已减值 200 ");
  // Everything is computed before anything is printed.
  auto f = PressWindow("Form5", {{1, "1e300"}, {3, "1e300"}});
  EXPECT_EQ(f.fault, FaultKind::Overflow);
  EXPECT_TRUE(f.lines.empty());
}

TEST(Form6, EmptyFieldsAndFigures) {
  auto empty = PressWindow("Form6", {});
  ASSERT_EQ(empty.lines.size(), 21u);
  EXPECT_EQ(empty.lines[5], "入账价值 0 ");
  EXPECT_EQ(empty.lines[6], "");
  EXPECT_EQ(empty.lines[7], "");
  EXPECT_EQ(empty.lines[8], "");
  EXPECT_EQ(empty.lines[9], "短期持有股票");
  auto r = PressWindow("Form6", {{1, "10"}, {2, "0.5"}, {3, "1000"}, {4, "50"}});
  EXPECT_EQ(r.lines[1], "交易性金融资产-成本（借） 9550 ");
  EXPECT_EQ(r.lines[2], "投资收益（借） 500 ");
  EXPECT_EQ(r.lines[3], "银行存款（贷） 10050 ");
  EXPECT_EQ(r.lines[5], "入账价值 9550 ");
  auto f = PressWindow("Form6", {{1, "1e200"}, {3, "1e200"}});
  EXPECT_EQ(f.fault, FaultKind::Overflow);
  EXPECT_TRUE(f.lines.empty());
}

TEST(Form7, GainIsSumOfParts) {
  auto r = PressWindow("Form7", {{1, "120"}, {2, "100"}, {3, "150"}});
  EXPECT_EQ(LineOf(r, "投资收益（贷）"), "投资收益（贷） 30 ");
  EXPECT_EQ(LineOf(r, "资本公积-其他资本公积（借）"), "资本公积-其他资本公积（借） 20 ");
  EXPECT_EQ(r.lines.back(), "出售时确认的投资收益 50 ");
}

TEST(Form8, WorkedExampleAndHeadingBeforeFault) {
  auto r = PressWindow("Form8", {{1, "10"}, {2, "100"}, {3, "800"}, {4, "50"}, {5, "5"}});
  EXPECT_EQ(r.lines[1], "银行存款（借） 995 ");
  EXPECT_EQ(r.lines[2], "投资收益（借）-145 ");
  EXPECT_EQ(r.lines.back(), "该业务对半年度中期报表损益的影响 195 ");
  auto f = PressWindow("Form8", {{1, "1e300"}, {2, "1e300"}});
  EXPECT_EQ(f.fault, FaultKind::Overflow);
  EXPECT_EQ(f.lines, std::vector<std::string>{"出售时"});
}

TEST(Form9, NoHeadingsAndFault) {
  auto r = PressWindow("Form9", {{1, "1000"}, {2, "800"}, {3, "0.05"}});
  EXPECT_EQ(r.lines, (std::vector<std::string>{"本年末资产减值损失 200 ", "", "本年末账面价值 1000 ", "",
                                               "年末投资收益 50 "}));
  auto f = PressWindow("Form9", {{1, "1e300"}, {3, "1e300"}});
  EXPECT_EQ(f.fault, FaultKind::Overflow);
  EXPECT_EQ(f.lines.size(), 4u);
}

}  // namespace
}  // namespace varnello
