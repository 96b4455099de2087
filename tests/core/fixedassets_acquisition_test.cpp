// Acquisition windows: purchase with and without installation, own construction, contractor,
// investment, long-term lease and long-term credit.
#include <gtest/gtest.h>

#include "core/press_helper.h"

namespace varnello {
namespace {

using testing::PressWindow;
using Lines = std::vector<std::string>;
using Inputs = std::map<int, std::string>;

struct Exact {
  const char* what;
  const char* window;
  Inputs in;
  Lines lines;
};

// Worked figures, printed line by line.
TEST(FixedAssetAcquisition, PrintsEntries) {
  const Exact cases[] = {
      {"instalments",
       "Form46",
       {{1, "1000"}, {2, "130"}, {3, "50"}, {4, "300"}, {5, "4"}},
       {"购置固定资产（无需安装不抵扣）",
        "固定资产（借） 1130 ",
        "银行存款（贷） 1130 ",
        "",
        "购置固定资产（无需安装可抵扣）",
        "固定资产（借） 1000 ",
        "应交税费-应交增值税（借） 130 ",
        "银行存款（贷） 1130 ",
        "",
        "支付保险费",
        "管理费用-财产保险费（借） 50 ",
        "银行存款（贷） 50 ",
        "",
        "若分期付款",
        "固定资产（借） 1130 ",
        "银行存款（贷） 300 ",
        "长期应付款（贷） 830 ",
        "",
        "支付保险费",
        "管理费用-财产保险费（借） 50 ",
        "银行存款（贷） 50 ",
        "",
        "分期付款",
        "长期应付款（借） 207.5 ",
        "银行存款（贷） 207.5 "}},
      {"installed",
       "Form47",
       {{1, "1000"}, {2, "130"}, {3, "100"}, {4, "0.1"}, {5, "200"}, {6, "26"}, {7, "50"}, {8, "500"}},
       {"购买安装", "在建工程（借） 1090 ", "应交税费-应交增值税（进）（借） 140 ", "银行存款（贷） 600 ",
        "应付账款（贷） 630 ", "", "领用材料", "在建工程（借） 250 ", "原材料（贷） 200 ",
        "应付职工薪酬（贷） 50 ", "", "安装交付使用", "固定资产（借） 1340 ", "在建工程（贷） 1340 "}},
      {"paid in full",
       "Form47",
       {{1, "1000"}, {2, "130"}, {8, "1130"}},
       {"购买安装", "在建工程（借） 1000 ", "应交税费-应交增值税（进）（借） 130 ", "银行存款（贷） 1130 ",
        "应付账款（贷） 0 ", "", "领用材料", "在建工程（借） 0 ", "原材料（贷） 0 ", "应付职工薪酬（贷） 0 ",
        "", "安装交付使用", "固定资产（借） 1000 ", "在建工程（贷） 1000 "}},
      {"own construction",
       "Form48",
       {{1, "1000"}, {2, "130"}, {3, "500"}, {4, "200"}, {5, "100"}, {6, "9"}},
       {"购入工程物资",
        "工程物资（借） 1000 ",
        "应交税费-应交增值税（进）（借） 130 ",
        "银行存款（贷） 1130 ",
        "",
        "领用全部物资",
        "在建工程（借） 1000 ",
        "工程物资（贷） 1000 ",
        "",
        "生产实际成本",
        "在建工程（借） 500 ",
        "库存商品（贷） 500 ",
        "",
        "分配薪酬",
        "在建工程（借） 200 ",
        "应付职工薪酬（贷） 200 ",
        "",
        "支付安装费",
        "在建工程（借） 100 ",
        "应交税费-应交增值税（进）（借） 9 ",
        "银行存款（贷） 109 ",
        "",
        "转入固定资产成本",
        "固定资产（借） 1800 ",
        "在建工程（贷） 1800 "}},
      {"contractor",
       "Form49",
       {{1, "1000"}, {2, "90"}, {3, "200"}, {4, "18"}},
       {"出包工程", "在建工程（借） 1000 ", "应交税费-应交增值税（进）（借） 90 ", "银行存款（贷） 1090 ", "",
        "补付工程款", "在建工程（借） 200 ", "应交税费-应交增值税（进）（借） 18 ", "银行存款 218 ", "",
        "工程完工", "固定资产（借） 1200 ", "在建工程（贷） 1200 "}},
      {"investment",
       "Form50",
       {{1, "999"}, {2, "1000"}, {3, "50"}, {4, "800"}},
       {"投入固定资产", "固定资产（借） 1050 ", "实收资本（贷） 800 ", "资本公积（贷） 250 "}},
      {"capital above cost",
       "Form50",
       {{2, "1000"}, {3, "50"}, {4, "1200"}},
       {"投入固定资产", "固定资产（借） 1050 ", "实收资本（贷） 1200 ", "资本公积（贷）-150 "}},
      {"empty investment",
       "Form50",
       {},
       {"投入固定资产", "固定资产（借） 0 ", "实收资本（贷） 0 ", "资本公积（贷） 0 "}},
      {"long-term lease",
       "Form107",
       {{1, "1200"}, {2, "2"}, {3, "240"}},
       {"租赁开始", "固定资产（借） 1200 ", "长期应付款（贷） 1200 ", "", "支付租金", "长期应付款（借） 600 ",
        "银行存款（贷） 600 ", "", "每月计提折旧", "制造费用（借） 40 ", "累计折旧（贷） 40 ", "", "租赁期满",
        "固定资产（借） 1200 ", "固定资产（贷） 1200 "}},
      {"long-term credit, one year",
       "Form108",
       {{1, "1500"}, {2, "195"}, {3, "300"}, {4, "1200"}, {5, "100"}, {6, "1"}},
       {"购入设备", "固定资产（借） 1500 ", "应交税费（借） 195 ", "长期应付款（贷） 1200 ",
        "银行存款（贷） 300 ", "", "每月支付设备款", "长期应付款（借） 100 ", "银行存款（贷） 100 ", "",
        "最后一期付款", "长期应付款（借） 100 ", "银行存款（贷） 100 "}},
      {"long-term credit, two years",
       "Form108",
       {{4, "5000"}, {5, "200"}, {6, "2"}},
       {"购入设备", "固定资产（借） 0 ", "应交税费（借） 0 ", "长期应付款（贷） 5000 ", "银行存款（贷） 0 ",
        "", "每月支付设备款", "长期应付款（借） 200 ", "银行存款（贷） 200 ", "", "最后一期付款",
        "长期应付款（借） 400 ", "银行存款（贷） 400 "}},
  };
  for (const Exact& c : cases) {
    SCOPED_TRACE(c.what);
    auto r = PressWindow(c.window, c.in);
    EXPECT_EQ(r.fault, std::nullopt);
    EXPECT_EQ(r.lines, c.lines);
  }
}

// The instalment entry needs a strictly positive count; without it the output ends with the
// blank line after the second insurance entry.
TEST(FixedAssetAcquisition, InstalmentsOnlyForPositiveCount) {
  for (const char* n : {"", "0", "-2", "abc"}) {
    SCOPED_TRACE(n);
    auto r = PressWindow("Form46", {{1, "1000"}, {5, n}});
    EXPECT_EQ(r.fault, std::nullopt);
    ASSERT_EQ(r.lines.size(), 22u);
    EXPECT_EQ(r.lines[20], "银行存款（贷） 0 ");
    EXPECT_EQ(r.lines[21], "");
  }
  // No down payment: the whole cost is owed long-term.
  auto r = PressWindow("Form46", {{1, "1000"}, {2, "130"}, {5, "0.5"}});
  EXPECT_EQ(r.lines[15], "银行存款（贷） 0 ");
  EXPECT_EQ(r.lines[16], "长期应付款（贷） 1130 ");
  EXPECT_EQ(r.lines.back(), "银行存款（贷） 2260 ");
}

// Fields that are shown but enter no amount.
TEST(FixedAssetAcquisition, ShownFieldsChangeNothing) {
  struct Case {
    const char* window;
    Inputs in;
    int field;
  } cases[] = {
      {"Form47", {{1, "1000"}, {2, "130"}, {5, "200"}, {6, "26"}, {8, "300"}}, 6},
      {"Form50", {{1, "700"}, {2, "1000"}, {3, "50"}, {4, "800"}}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.window);
    Inputs other = c.in;
    other[c.field] = "123456";
    EXPECT_EQ(PressWindow(c.window, c.in).lines, PressWindow(c.window, other).lines);
  }
}

struct Faulting {
  const char* what;
  const char* window;
  Inputs in;
  FaultKind fault;
  size_t kept;       // lines printed before the fault
  std::string last;  // the last of them ("" for a blank line, or when none)
};

// A fault ends the press where the failing figure is computed; earlier lines stay.
TEST(FixedAssetAcquisition, FaultsKeepEarlierLines) {
  const Faulting cases[] = {
      {"cost overflows", "Form46", {{1, "1e308"}, {2, "1e308"}}, FaultKind::Overflow, 0, ""},
      {"amount owed overflows",
       "Form46",
       {{1, "1e308"}, {4, "-1e308"}},
       FaultKind::Overflow,
       16,
       "银行存款（贷）-1E+308 "},
      {"instalment overflows", "Form46", {{1, "1e300"}, {5, "1e-10"}}, FaultKind::Overflow, 23, "分期付款"},
      {"everything owed overflows", "Form47", {{1, "1e308"}, {2, "1e308"}}, FaultKind::Overflow, 0, ""},
      {"input tax overflows", "Form47", {{3, "1e200"}, {4, "1e200"}}, FaultKind::Overflow, 0, ""},
      {"installation cost overflows", "Form47", {{5, "1e308"}, {7, "1e308"}}, FaultKind::Overflow, 6, ""},
      {"asset cost overflows",
       "Form47",
       {{1, "1e308"}, {5, "1e308"}},
       FaultKind::Overflow,
       12,
       "安装交付使用"},
      {"materials payment overflows",
       "Form48",
       {{1, "1e308"}, {2, "1e308"}},
       FaultKind::Overflow,
       3,
       "应交税费-应交增值税（进）（借） 1E+308 "},
      {"installation payment overflows", "Form48", {{5, "1e308"}, {6, "1e308"}}, FaultKind::Overflow, 17, ""},
      {"construction cost overflows",
       "Form48",
       {{3, "1e308"}, {4, "1e308"}},
       FaultKind::Overflow,
       23,
       "转入固定资产成本"},
      {"contract payment overflows",
       "Form49",
       {{1, "1e308"}, {2, "1e308"}},
       FaultKind::Overflow,
       2,
       "在建工程（借） 1E+308 "},
      {"supplement overflows",
       "Form49",
       {{3, "1e308"}, {4, "1e308"}},
       FaultKind::Overflow,
       7,
       "在建工程（借） 1E+308 "},
      {"completion overflows", "Form49", {{1, "1e308"}, {3, "1e308"}}, FaultKind::Overflow, 11, "工程完工"},
      {"investment overflows",
       "Form50",
       {{2, "1e308"}, {3, "1e308"}},
       FaultKind::Overflow,
       1,
       "投入固定资产"},
      {"surplus overflows", "Form50", {{2, "1e308"}, {4, "-1e308"}}, FaultKind::Overflow, 1, "投入固定资产"},
      {"empty term", "Form107", {{1, "1200"}}, FaultKind::DivisionByZero, 5, "支付租金"},
      {"zero term and payments", "Form107", {{2, "0"}}, FaultKind::Overflow, 5, "支付租金"},
      {"depreciation overflows",
       "Form107",
       {{1, "1e308"}, {2, "1"}, {3, "-1e308"}},
       FaultKind::Overflow,
       9,
       "每月计提折旧"},
      {"last payment overflows",
       "Form108",
       {{5, "1"}, {6, "1e308"}},
       FaultKind::Overflow,
       11,
       "最后一期付款"},
  };
  for (const Faulting& c : cases) {
    SCOPED_TRACE(c.what);
    auto r = PressWindow(c.window, c.in);
    EXPECT_EQ(r.fault, c.fault);
    ASSERT_EQ(r.lines.size(), c.kept);
    if (c.kept > 0) {
      EXPECT_EQ(r.lines.back(), c.last);
    }
  }
}

}  // namespace
}  // namespace varnello
