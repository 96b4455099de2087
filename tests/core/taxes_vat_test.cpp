// VAT special-case windows: worked figures, guards, and the lines left standing by a fault.
#include <gtest/gtest.h>

#include "core/press_helper.h"

namespace varnello {
namespace {

using testing::PressWindow;
using Lines = std::vector<std::string>;

struct Case {
  const char* what;
  const char* window;
  std::map<int, std::string> in;
  Lines lines;
  std::optional<FaultKind> fault = std::nullopt;
};

void Check(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    auto r = PressWindow(c.window, c.in);
    EXPECT_EQ(r.lines, c.lines) << c.window << ": " << c.what;
    EXPECT_EQ(r.fault, c.fault) << c.window << ": " << c.what;
  }
}

TEST(TaxesVat, ContributionImportAndExemptPurchase) {
  const Lines contribution{"接受投资物", "库存商品（借） 100 ", "应交税费-应交增值税（进） 25 ",
                           "实收资本（贷） 0 ", "资本公积-资本溢价（贷） 125 "};
  Check({
      {"only value and rate", "Form80", {{3, "125"}, {4, "0.25"}}, contribution},
      {"capital share",
       "Form80",
       {{1, "200"}, {2, "0.4"}, {3, "125"}, {4, "0.25"}},
       {"接受投资物", "库存商品（借） 100 ", "应交税费-应交增值税（进） 25 ", "实收资本（贷） 80 ",
        "资本公积-资本溢价（贷） 45 "}},
      // Everything is computed first: a fault prints nothing, not even the heading.
      {"rate -1 divides by zero", "Form80", {{3, "125"}, {4, "-1"}}, {}, FaultKind::DivisionByZero},
      {"rate -1, no value: 0/0", "Form80", {{4, "-1"}}, {}, FaultKind::Overflow},
      {"capital overflows", "Form80", {{1, "1e300"}, {2, "1e300"}, {4, "0.1"}}, {}, FaultKind::Overflow},
      {"import",
       "Form82",
       {{1, "1000"}, {2, "100"}, {3, "187"}, {4, "600"}},
       {"库存商品（借） 1100 ", "应交税费-应交增值税（进）（借） 187 ", "其他货币资金-信用证存款（贷） 600 ",
        "银行存款（贷） 687 "}},
      {"import overflow in goods", "Form82", {{1, "1e308"}, {2, "1e308"}}, {}, FaultKind::Overflow},
      {"import overflow in bank line",
       "Form82",
       {{1, "1e308"}, {3, "1e308"}},
       {"库存商品（借） 1E+308 ", "应交税费-应交增值税（进）（借） 1E+308 ",
        "其他货币资金-信用证存款（贷） 0 "},
       FaultKind::Overflow},
      {"exempt purchase",
       "Form83",
       {{1, "900"}, {2, "100"}, {3, "0.1"}},
       {"原材料（借） 900 ", "应交税费-应交增值税（进）（借） 100 ", "库存现金（贷） 900 ",
        "银行存款（贷） 100 "}},
      {"exempt purchase overflow", "Form83", {{1, "1e300"}, {3, "1e300"}}, {}, FaultKind::Overflow},
  });
}

TEST(TaxesVat, ProcessingDonationAndSettlement) {
  auto r = PressWindow("Form81", {{1, "500"}, {2, "100"}, {3, "13"}, {4, "109"}, {5, "9"}});
  EXPECT_EQ(r.lines, (Lines{"交付劳务物资",
                            "委托加工物资（借） 500 ",
                            "库存商品（贷） 500 ",
                            "",
                            "支付加工费",
                            "委托加工物资（借） 100 ",
                            "应交税费-应交增值税（借） 13 ",
                            "应付账款（贷） 113 ",
                            "",
                            "支付运费",
                            "委托加工物资（借） 100 ",
                            "应交税费-应交增值税（进）（借） 9 ",
                            "银行存款（贷） 109 ",
                            "",
                            "收回货物",
                            "库存商品（借） 209 ",
                            "委托加工物资（贷） 209 ",
                            "",
                            "支付加工费",
                            "应付账款（借） 113 ",
                            "银行存款（贷） 113 "}));
  // Fee plus VAT overflows after the fee and VAT lines; freight net of VAT after its heading.
  auto fee = PressWindow("Form81", {{2, "1e308"}, {3, "1e308"}});
  EXPECT_EQ(fee.fault, FaultKind::Overflow);
  EXPECT_EQ(fee.lines.size(), 7u);
  auto freight = PressWindow("Form81", {{4, "1e308"}, {5, "-1e308"}});
  EXPECT_EQ(freight.fault, FaultKind::Overflow);
  ASSERT_EQ(freight.lines.size(), 10u);
  EXPECT_EQ(freight.lines.back(), "支付运费");

  Check({
      {"donation",
       "Form85",
       {{1, "80"}, {2, "100"}, {3, "13"}},
       {"捐赠", "营业外支出（借） 113 ", "其他业务收入（贷） 100 ", "应交税费-应交增值税（销）（贷） 13 ", "",
        "结转原材料", "其他业务成本（借） 80 ", "原材料（贷） 80 "}},
      {"donation overflow", "Form85", {{2, "1e308"}, {3, "1e308"}}, {"捐赠"}, FaultKind::Overflow},
      {"settlement prints inputs as typed",
       "Form86",
       {{1, "-30"}, {2, "1.5e3"}, {3, "0"}},
       {"本月上缴上月未交增值税", "应交税费-未交增值税（借）-30 ", "银行存款（贷）-30 ", "",
        "本月上缴上月应交增值税", "应交税费-未交增值税（借） 1500 ", "银行存款（贷） 1500 ", "",
        "转出本月未交增值税", "应交税费-应交增值税（借） 0 ", "应交税费-未交增值税（贷） 0 "}},
  });
}

TEST(TaxesVat, RebuildingFieldGuardsWholeOutput) {
  const std::map<int, std::string> welfare{{3, "60"}, {4, "100"}, {5, "0.13"}};
  for (const char* b : {"", "0", "-100"}) {
    auto in = welfare;
    in[1] = b;
    auto r = PressWindow("Form84", in);
    EXPECT_TRUE(r.lines.empty()) << "B=" << b;
    EXPECT_EQ(r.fault, std::nullopt);
  }
  auto r = PressWindow("Form84", {{1, "100"}, {2, "0.25"}, {3, "60"}, {4, "100"}, {5, "0.13"}});
  EXPECT_EQ(r.lines, (Lines{"改造", "在建工程（借） 125 ", "原材料（贷） 100 ",
                            "应交税费-应交增值税（进）（贷） 25 ", "", "分发福利", "应付职工薪酬（借） 113 ",
                            "主营业务收入（贷） 100 ", "应交税费-应交增值税（销）（贷） 13 ", "", "结转成本",
                            "主营业务成本（借） 60 ", "库存商品（贷） 60 "}));
  auto tiny = PressWindow("Form84", {{1, "1e-300"}});
  EXPECT_EQ(tiny.lines.size(), 13u);

  auto project = PressWindow("Form84", {{1, "1e300"}, {2, "1e300"}});
  EXPECT_EQ(project.fault, FaultKind::Overflow);
  EXPECT_EQ(project.lines, Lines{"改造"});
  auto gift = PressWindow("Form84", {{1, "1"}, {4, "1e300"}, {5, "1e300"}});
  EXPECT_EQ(gift.fault, FaultKind::Overflow);
  ASSERT_EQ(gift.lines.size(), 6u);
  EXPECT_EQ(gift.lines.back(), "分发福利");
}

TEST(TaxesVat, SmallScaleTaxpayerCases) {
  const Lines purchase{"购买时", "原材料（借） 1010 ", "应付账款（贷） 10 ", "银行存款（贷） 1000 "};
  const Lines sale{
      "销售时", "银行存款（借） 125 ", "主营业务收入（贷） 100 ",       "应交税费-应交增值税（贷） 25 ",
      "",       "上交增值税时",        "应交税费-应交增值税（借） 25 ", "银行存款（贷） 25 "};
  const Lines rebuild{"改造车间", "在建工程（借） 40 ", "原材料（贷） 40 "};
  auto join = [](std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
  };
  Check({
      {"all empty: two blank lines", "Form89", {}, {"", ""}},
      {"purchase only", "Form89", {{1, "1000"}, {2, "10"}}, join({purchase, {"", ""}})},
      {"sale only", "Form89", {{3, "125"}, {4, "0.25"}}, join({{""}, sale, {""}})},
      {"rebuilding only", "Form89", {{5, "40"}}, join({{"", ""}, rebuild})},
      {"all three",
       "Form89",
       {{1, "1000"}, {2, "10"}, {3, "125"}, {4, "0.25"}, {5, "40"}},
       join({purchase, {""}, sale, {""}, rebuild})},
      {"zero guards", "Form89", {{1, "1000"}, {2, "0"}, {3, "0"}, {4, "0.25"}, {5, "0"}}, {"", ""}},
      {"negative guards", "Form89", {{1, "1000"}, {2, "-1"}, {3, "-125"}, {4, "0.25"}, {5, "-40"}}, {"", ""}},
      {"rate -1 faults after the sale heading",
       "Form89",
       {{1, "1000"}, {2, "10"}, {3, "125"}, {4, "-1"}, {5, "40"}},
       join({purchase, {"", "销售时"}}),
       FaultKind::DivisionByZero},
  });
}

}  // namespace
}  // namespace varnello
