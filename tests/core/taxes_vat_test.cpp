// VAT and export-refund windows: worked figures, guards, and the lines left standing by a fault.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/press_helper.h"

namespace varnello {
namespace {

using testing::Join;
using testing::LineOf;
using testing::Lines;
using testing::PressWindow;

void Check(const std::vector<testing::PressCase>& cases) {
  testing::CheckPresses(cases);
}

TEST(TaxesVat, EntriesAndFaultPoints) {
  Check({
      // Contribution: every amount is computed first, so a fault prints nothing at all.
      {"Form80",
       {{3, "125"}, {4, "0.25"}},
       {"接受投资物", "库存商品（借） 100 ", "应交税费-应交增值税（进） 25 ", "实收资本（贷） 0 ",
        "资本公积-资本溢价（贷） 125 "}},
      {"Form80", {{1, "200"}, {2, "0.4"}, {3, "125"}, {4, "0.25"}}, {"资本公积-资本溢价（贷） 45 "}, {}, 5},
      {"Form80", {{3, "125"}, {4, "-1"}}, {}, FaultKind::DivisionByZero},
      {"Form80", {{4, "-1"}}, {}, FaultKind::Overflow},  // 0/0
      // Processing: the goods come back at freight plus fee.
      {"Form81", {{1, "500"}, {2, "100"}, {3, "13"}, {4, "109"}, {5, "9"}}, {"银行存款（贷） 113 "}, {}, 21},
      {"Form81", {{2, "1e308"}, {3, "1e308"}}, {"应交税费-应交增值税（借） 1E+308 "}, FaultKind::Overflow, 7},
      {"Form81", {{4, "1e308"}, {5, "-1e308"}}, {"支付运费"}, FaultKind::Overflow, 10},
      {"Form82",
       {{1, "1000"}, {2, "100"}, {3, "187"}, {4, "600"}},
       {"库存商品（借） 1100 ", "应交税费-应交增值税（进）（借） 187 ", "其他货币资金-信用证存款（贷） 600 ",
        "银行存款（贷） 687 "}},
      {"Form82", {{1, "1e308"}, {2, "1e308"}}, {}, FaultKind::Overflow},
      {"Form82", {{1, "1e308"}, {3, "1e308"}}, {"其他货币资金-信用证存款（贷） 0 "}, FaultKind::Overflow, 3},
      {"Form83",
       {{1, "900"}, {2, "100"}, {3, "0.1"}},
       {"原材料（借） 900 ", "应交税费-应交增值税（进）（借） 100 ", "库存现金（贷） 900 ",
        "银行存款（贷） 100 "}},
      {"Form83", {{1, "1e300"}, {3, "1e300"}}, {}, FaultKind::Overflow},
      {"Form85",
       {{1, "80"}, {2, "100"}, {3, "13"}},
       {"捐赠", "营业外支出（借） 113 ", "其他业务收入（贷） 100 ", "应交税费-应交增值税（销）（贷） 13 ", "",
        "结转原材料", "其他业务成本（借） 80 ", "原材料（贷） 80 "}},
      {"Form85", {{2, "1e308"}, {3, "1e308"}}, {"捐赠"}, FaultKind::Overflow},
      {"Form86",
       {{1, "-30"}, {2, "1.5e3"}},
       {"本月上缴上月未交增值税", "应交税费-未交增值税（借）-30 ", "银行存款（贷）-30 ", "",
        "本月上缴上月应交增值税", "应交税费-未交增值税（借） 1500 ", "银行存款（贷） 1500 ", "",
        "转出本月未交增值税", "应交税费-应交增值税（借） 0 ", "应交税费-未交增值税（贷） 0 "}},
  });
  auto r = PressWindow("Form81", {{1, "500"}, {2, "100"}, {3, "13"}, {4, "109"}, {5, "9"}});
  EXPECT_EQ(r.lines[15], "库存商品（借） 209 ");
  EXPECT_EQ(r.lines[16], "委托加工物资（贷） 209 ");
}

TEST(TaxesVat, RebuildingFieldGuardsWholeOutput) {
  for (const char* b : {"", "0", "-100"}) {
    auto r = PressWindow("Form84", {{1, b}, {3, "60"}, {4, "100"}, {5, "0.13"}});
    EXPECT_TRUE(r.lines.empty()) << "B=" << b;
  }
  auto r = PressWindow("Form84", {{1, "100"}, {2, "0.25"}, {3, "60"}, {4, "100"}, {5, "0.13"}});
  ASSERT_EQ(r.lines.size(), 13u);
  EXPECT_EQ(
      Lines(r.lines.begin(), r.lines.begin() + 4),
      (Lines{"改造", "在建工程（借） 125 ", "原材料（贷） 100 ", "应交税费-应交增值税（进）（贷） 25 "}));
  EXPECT_EQ(r.lines[6], "应付职工薪酬（借） 113 ");
  EXPECT_EQ(r.lines[8], "应交税费-应交增值税（销）（贷） 13 ");
  EXPECT_EQ(r.lines[12], "库存商品（贷） 60 ");
  Check({
      {"Form84", {{1, "1e300"}, {2, "1e300"}}, {"改造"}, FaultKind::Overflow},
      {"Form84", {{1, "1"}, {4, "1e300"}, {5, "1e300"}}, {"分发福利"}, FaultKind::Overflow, 6},
  });
}

TEST(TaxesVat, SmallScaleTaxpayerCases) {
  const Lines purchase{"购买时", "原材料（借） 1010 ", "应付账款（贷） 10 ", "银行存款（贷） 1000 "};
  const Lines sale{
      "销售时", "银行存款（借） 125 ", "主营业务收入（贷） 100 ",       "应交税费-应交增值税（贷） 25 ",
      "",       "上交增值税时",        "应交税费-应交增值税（借） 25 ", "银行存款（贷） 25 "};
  const Lines rebuild{"改造车间", "在建工程（借） 40 ", "原材料（贷） 40 "};
  Check({
      {"Form89", {}, {"", ""}},
      {"Form89", {{1, "1000"}, {2, "10"}}, Join({purchase, {"", ""}})},
      {"Form89", {{3, "125"}, {4, "0.25"}}, Join({{""}, sale, {""}})},
      {"Form89", {{5, "40"}}, Join({{"", ""}, rebuild})},
      {"Form89",
       {{1, "1000"}, {2, "10"}, {3, "125"}, {4, "0.25"}, {5, "40"}},
       Join({purchase, {""}, sale, {""}, rebuild})},
      {"Form89", {{1, "1000"}, {2, "0"}, {3, "0"}, {4, "0.25"}, {5, "0"}}, {"", ""}},
      {"Form89",
       {{1, "1000"}, {2, "10"}, {3, "125"}, {4, "-1"}, {5, "40"}},
       Join({purchase, {"", "销售时"}}),
       FaultKind::DivisionByZero},
  });
}

TEST(TaxesVat, PurchaseForExport) {
  Check({
      {"Form87",
       {{1, "100"}, {2, "17"}, {3, "0.25"}, {4, "150"}},
       {"收购出口商品",
        "库存商品（借） 100 ",
        "应交税费-应交增值税（进）（借） 17 ",
        "银行存款（贷） 117 ",
        "",
        "收到出口货款",
        "银行存款（借） 150 ",
        "主营业务收入（贷） 150 ",
        "",
        "不予退税额",
        "主营业务成本（借）-8 ",
        "应交税费-应交增值税（进）（贷）-8 ",
        "",
        "应收退税额",
        "其他应收款-出口退税（借） 25 ",
        "应交税费-应交增值税（出口退税） 25 ",
        "",
        "收到退税",
        "银行存款（借） 25 ",
        "其他应收款-出口退税（贷） 25 "}},
      // The non-refundable VAT is computed after the export sale's blank line.
      {"Form87", {{1, "1e10"}, {3, "1e300"}}, {""}, FaultKind::Overflow, 9},
  });
}

// The optional lines of Form88 by the signs of Q and F = W + Q: the calculation (before its
// blank line), the offset entry and the closing entry.
TEST(TaxesVat, ExemptCreditRefundSignCases) {
  const Lines offset25{"应交税费-应交增值税（出口抵减内销产品）（借） 25 ",
                       "应交税费-应交增值税（出口退税）（贷） 25 "};
  struct RefundCase {
    std::map<int, std::string> in;
    Lines calculation, offset, closing;
  };
  const std::vector<RefundCase> cases{
      {{{1, "100"}, {2, "200"}, {5, "10"}, {7, "0.5"}, {8, "0.25"}},
       {"当月不得免征额 25 ", "当月应纳税额 115 ", "免抵退税额 25 ", "当期免抵退税额 25 "},
       offset25,
       {"结转本月未交增值税", "应交税费 - 应交增值税(转出未交)（借） 115 ",
        "应交税费-未交增值税（贷） 115 "}},
      {{{1, "100"}, {5, "30"}, {7, "0.5"}, {8, "0.25"}},
       {"当月不得免征额 25 ", "当月应纳税额-5 ", "免抵退税额 25 ", "当期免抵退税额 20 "},
       {"应交税费-应交增值税（出口抵减内销产品）（借） 20 ", "应交税费-应交增值税（出口退税）（贷） 20 "},
       {"出口退税", "银行存款（借） 5 ", "其他应收款-出口退税（贷） 5 "}},
      {{{1, "100"}, {5, "60"}, {7, "0.5"}, {8, "0.25"}},
       {"当月不得免征额 25 ", "当月应纳税额-35 ", "免抵退税额 25 ", "当期免抵退税额 25 "},
       {"其他应收款-出口退税（借） 25 ", "应交税费-应交增值税（出口退税）（贷） 25 ", "", "收到退税",
        "银行存款（借） 25 ", "其他应收款-出口退税（贷） 25 "},
       {}},
      // Q < 0 with F exactly 0: the calculation shows 0, no offset, refund or closing entry.
      {{{1, "100"}, {5, "50"}, {7, "0.5"}, {8, "0.25"}},
       {"当月不得免征额 25 ", "当月应纳税额-25 ", "免抵退税额 25 ", "当期免抵退税额 0 "},
       {},
       {}},
      {{},
       {"当月不得免征额 0 ", "当月应纳税额 0 ", "免抵退税额 0 ", "当期免抵退税额 0 "},
       {"应交税费-应交增值税（出口抵减内销产品）（借） 0 ", "应交税费-应交增值税（出口退税）（贷） 0 "},
       {}},
      // The carried-forward credit lowers Q; the typed output VAT does not enter it.
      {{{1, "100"}, {2, "200"}, {3, "999"}, {5, "10"}, {6, "15"}, {7, "0.5"}, {8, "0.25"}},
       {"当月不得免征额 25 ", "当月应纳税额 100 ", "免抵退税额 25 ", "当期免抵退税额 25 "},
       offset25,
       {"结转本月未交增值税", "应交税费 - 应交增值税(转出未交)（借） 100 ",
        "应交税费-未交增值税（贷） 100 "}},
  };
  for (const RefundCase& c : cases) {
    auto r = PressWindow("Form88", c.in);
    SCOPED_TRACE("case " + std::to_string(&c - cases.data()));
    EXPECT_EQ(r.fault, std::nullopt);
    ASSERT_GE(r.lines.size(), 5u);
    EXPECT_EQ(Lines(r.lines.begin(), r.lines.begin() + 5), Join({c.calculation, {""}}));
    auto heading = std::find(r.lines.begin(), r.lines.end(), "出口抵减内销产品应纳税额");
    ASSERT_NE(heading, r.lines.end());
    EXPECT_EQ(Lines(heading + 1, r.lines.end()), Join({c.offset, {""}, c.closing}));
  }
}

TEST(TaxesVat, ExemptCreditRefundEntriesAndFaults) {
  auto r = PressWindow("Form88",
                       {{1, "100"}, {2, "200"}, {3, "26"}, {4, "80"}, {5, "10"}, {7, "0.5"}, {8, "0.25"}});
  EXPECT_EQ(LineOf(r, "应付账款/银行存款（贷）"), "应付账款/银行存款（贷） 90 ");
  EXPECT_EQ(LineOf(r, "应收账款/银行存款（借）"), "应收账款/银行存款（借） 326 ");
  EXPECT_EQ(LineOf(r, "应交税费-应交增值税（进项税额转出）（贷）"),
            "应交税费-应交增值税（进项税额转出）（贷） 25 ");
  Check({
      {"Form88", {{1, "1e300"}, {7, "1e300"}}, {}, FaultKind::Overflow},  // Z, before any line
      // Q and W are computed after the lines before them have been printed.
      {"Form88", {{2, "1e300"}, {7, "1e10"}}, {"当月不得免征额 0 "}, FaultKind::Overflow},
      {"Form88",
       {{1, "1e300"}, {7, "1e10"}, {8, "1e10"}},
       {"当月不得免征额 0 ", "当月应纳税额 0 "},
       FaultKind::Overflow},
      {"Form88",
       {{1, "1e308"}, {2, "1e308"}, {7, "1"}, {8, "1"}},
       {"当期免抵退税额 1E+308 "},
       FaultKind::Overflow,
       4},  // F = W + Q, after line 4
      {"Form88",
       {{4, "1e308"}, {5, "1e308"}},
       {"应交税费-应交增值税（进）（借） 1E+308 "},
       FaultKind::Overflow,
       8},
  });
}

}  // namespace
}  // namespace varnello
