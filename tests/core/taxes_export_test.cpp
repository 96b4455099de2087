// Export windows: the purchase-for-export entries and the sign cases of the exempt-credit refund.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/press_helper.h"

namespace varnello {
namespace {

using testing::LineOf;
using testing::PressWindow;
using Lines = std::vector<std::string>;

TEST(TaxesExport, PurchaseForExport) {
  auto r = PressWindow("Form87", {{1, "100"}, {2, "17"}, {3, "0.25"}, {4, "150"}});
  EXPECT_EQ(r.lines, (Lines{"收购出口商品",
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
                            "其他应收款-出口退税（贷） 25 "}));
  // The refund product overflows after the export sale's blank line, before "不予退税额".
  auto f = PressWindow("Form87", {{1, "1e10"}, {3, "1e300"}});
  EXPECT_EQ(f.fault, FaultKind::Overflow);
  ASSERT_EQ(f.lines.size(), 9u);
  EXPECT_EQ(f.lines.back(), "");
}

// Which of the optional lines print, by the signs of Q and F = W + Q.
struct RefundCase {
  const char* what;
  std::map<int, std::string> in;
  Lines calculation;  // lines 1 to 4 of the calculation, blank line excluded
  Lines offset;       // between "出口抵减内销产品应纳税额" and its closing blank line
  Lines closing;      // after that blank line
};

TEST(TaxesExport, ExemptCreditRefundSignCases) {
  const std::vector<RefundCase> cases{
      {"tax payable",
       {{1, "100"}, {2, "200"}, {5, "10"}, {7, "0.5"}, {8, "0.25"}},
       {"当月不得免征额 25 ", "当月应纳税额 115 ", "免抵退税额 25 ", "当期免抵退税额 25 "},
       {"应交税费-应交增值税（出口抵减内销产品）（借） 25 ", "应交税费-应交增值税（出口退税）（贷） 25 "},
       {"结转本月未交增值税", "应交税费 - 应交增值税(转出未交)（借） 115 ",
        "应交税费-未交增值税（贷） 115 "}},
      {"partial refund",
       {{1, "100"}, {5, "30"}, {7, "0.5"}, {8, "0.25"}},
       {"当月不得免征额 25 ", "当月应纳税额-5 ", "免抵退税额 25 ", "当期免抵退税额 20 "},
       {"应交税费-应交增值税（出口抵减内销产品）（借） 20 ", "应交税费-应交增值税（出口退税）（贷） 20 "},
       {"出口退税", "银行存款（借） 5 ", "其他应收款-出口退税（贷） 5 "}},
      {"full refund",
       {{1, "100"}, {5, "60"}, {7, "0.5"}, {8, "0.25"}},
       {"当月不得免征额 25 ", "当月应纳税额-35 ", "免抵退税额 25 ", "当期免抵退税额 25 "},
       {"其他应收款-出口退税（借） 25 ", "应交税费-应交增值税（出口退税）（贷） 25 ", "", "收到退税",
        "银行存款（借） 25 ", "其他应收款-出口退税（贷） 25 "},
       {}},
      {"F exactly zero",
       {{1, "100"}, {5, "50"}, {7, "0.5"}, {8, "0.25"}},
       {"当月不得免征额 25 ", "当月应纳税额-25 ", "免抵退税额 25 ", "当期免抵退税额 0 "},
       {},
       {}},
      {"all empty",
       {},
       {"当月不得免征额 0 ", "当月应纳税额 0 ", "免抵退税额 0 ", "当期免抵退税额 0 "},
       {"应交税费-应交增值税（出口抵减内销产品）（借） 0 ", "应交税费-应交增值税（出口退税）（贷） 0 "},
       {}},
      {"carried-forward credit enters Q; typed output VAT does not",
       {{1, "100"}, {2, "200"}, {3, "999"}, {5, "10"}, {6, "15"}, {7, "0.5"}, {8, "0.25"}},
       {"当月不得免征额 25 ", "当月应纳税额 100 ", "免抵退税额 25 ", "当期免抵退税额 25 "},
       {"应交税费-应交增值税（出口抵减内销产品）（借） 25 ", "应交税费-应交增值税（出口退税）（贷） 25 "},
       {"结转本月未交增值税", "应交税费 - 应交增值税(转出未交)（借） 100 ",
        "应交税费-未交增值税（贷） 100 "}},
  };
  for (const RefundCase& c : cases) {
    auto r = PressWindow("Form88", c.in);
    EXPECT_EQ(r.fault, std::nullopt) << c.what;
    Lines want = c.calculation;
    want.push_back("");
    auto it = std::find(r.lines.begin(), r.lines.end(), "出口抵减内销产品应纳税额");
    ASSERT_NE(it, r.lines.end()) << c.what;
    EXPECT_EQ(Lines(r.lines.begin(), r.lines.begin() + 5), want) << c.what;
    auto afterHeading = it + 1;
    Lines rest(afterHeading, r.lines.end());
    Lines expected = c.offset;
    expected.push_back("");
    expected.insert(expected.end(), c.closing.begin(), c.closing.end());
    EXPECT_EQ(rest, expected) << c.what;
  }
}

TEST(TaxesExport, ExemptCreditRefundEntriesAndFaults) {
  auto r = PressWindow("Form88",
                       {{1, "100"}, {2, "200"}, {3, "26"}, {4, "80"}, {5, "10"}, {7, "0.5"}, {8, "0.25"}});
  EXPECT_EQ(Lines(r.lines.begin() + 5, r.lines.begin() + 23),
            (Lines{"购进原材料时", "原材料（借） 80 ", "应交税费-应交增值税（进）（借） 10 ",
                   "应付账款/银行存款（贷） 90 ", "", "销售时", "应收账款/银行存款（借） 326 ",
                   "主营业务收入-出口（贷） 100 ", "主营业务收入-内销（贷） 200 ",
                   "应交税费-应交增值税（销）（贷） 26 ", "", "不予免抵税额", "主营业务成本-出口（借） 25 ",
                   "应交税费-应交增值税（进项税额转出）（贷） 25 ", "", "出口抵减内销产品应纳税额",
                   "应交税费-应交增值税（出口抵减内销产品）（借） 25 ",
                   "应交税费-应交增值税（出口退税）（贷） 25 "}));

  // Z is computed before anything prints.
  auto z = PressWindow("Form88", {{1, "1e300"}, {7, "1e300"}});
  EXPECT_EQ(z.fault, FaultKind::Overflow);
  EXPECT_TRUE(z.lines.empty());
  // F = W + Q overflows after line 4.
  auto f = PressWindow("Form88", {{1, "1e308"}, {2, "1e308"}, {7, "1"}, {8, "1"}});
  EXPECT_EQ(f.fault, FaultKind::Overflow);
  ASSERT_EQ(f.lines.size(), 4u);
  EXPECT_EQ(f.lines.back(), "当期免抵退税额 1E+308 ");
  // The purchase total overflows after the purchase heading and its two lines.
  auto m = PressWindow("Form88", {{4, "1e308"}, {5, "1e308"}});
  EXPECT_EQ(m.fault, FaultKind::Overflow);
  EXPECT_EQ(m.lines.size(), 8u);
  EXPECT_EQ(LineOf(m, "原材料（借）"), "原材料（借） 1E+308 ");
}

}  // namespace
}  // namespace varnello
