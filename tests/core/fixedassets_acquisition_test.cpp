// Acquisition windows: purchase with and without installation, own construction, contractor,
// investment, long-term lease and long-term credit.
#include <gtest/gtest.h>

#include <sstream>

#include "core/press_helper.h"

namespace varnello {
namespace {

using testing::Inputs;
using testing::Lines;
using testing::PressWindow;

using testing::Split;

struct Exact {
  const char* window;
  Inputs in;
  const char* lines;
};

TEST(FixedAssetAcquisition, PrintsEntries) {
  const Exact cases[] = {
      {"Form46",
       {{1, "1000"}, {2, "130"}, {3, "50"}, {4, "300"}, {5, "4"}},
       "购置固定资产（无需安装不抵扣）|固定资产（借） 1130 |银行存款（贷） 1130 ||"
       "购置固定资产（无需安装可抵扣）|固定资产（借） 1000 |"
       "应交税费-应交增值税（借） 130 |银行存款（贷） 1130 ||"
       "支付保险费|管理费用-财产保险费（借） 50 |银行存款（贷） 50 ||"
       "若分期付款|固定资产（借） 1130 |银行存款（贷） 300 |长期应付款（贷） 830 ||"
       "支付保险费|管理费用-财产保险费（借） 50 |银行存款（贷） 50 ||"
       "分期付款|长期应付款（借） 207.5 |银行存款（贷） 207.5 "},
      {"Form47",
       {{1, "1000"}, {2, "130"}, {3, "100"}, {4, "0.1"}, {5, "200"}, {6, "26"}, {7, "50"}, {8, "500"}},
       "购买安装|在建工程（借） 1090 |应交税费-应交增值税（进）（借） 140 |"
       "银行存款（贷） 600 |应付账款（贷） 630 ||"
       "领用材料|在建工程（借） 250 |原材料（贷） 200 |应付职工薪酬（贷） 50 ||"
       "安装交付使用|固定资产（借） 1340 |在建工程（贷） 1340 "},
      {"Form48",
       {{1, "1000"}, {2, "130"}, {3, "500"}, {4, "200"}, {5, "100"}, {6, "9"}},
       "购入工程物资|工程物资（借） 1000 |应交税费-应交增值税（进）（借） 130 |银行存款（贷） 1130 ||"
       "领用全部物资|在建工程（借） 1000 |工程物资（贷） 1000 ||"
       "生产实际成本|在建工程（借） 500 |库存商品（贷） 500 ||"
       "分配薪酬|在建工程（借） 200 |应付职工薪酬（贷） 200 ||"
       "支付安装费|在建工程（借） 100 |应交税费-应交增值税（进）（借） 9 |银行存款（贷） 109 ||"
       "转入固定资产成本|固定资产（借） 1800 |在建工程（贷） 1800 "},
      // The supplementary payment's bank line has no side marker.
      {"Form49",
       {{1, "1000"}, {2, "90"}, {3, "200"}, {4, "18"}},
       "出包工程|在建工程（借） 1000 |应交税费-应交增值税（进）（借） 90 |银行存款（贷） 1090 ||"
       "补付工程款|在建工程（借） 200 |应交税费-应交增值税（进）（借） 18 |银行存款 218 ||"
       "工程完工|固定资产（借） 1200 |在建工程（贷） 1200 "},
      // Capital granted above the booked cost: a negative surplus.
      {"Form50",
       {{1, "999"}, {2, "1000"}, {3, "50"}, {4, "1200"}},
       "投入固定资产|固定资产（借） 1050 |实收资本（贷） 1200 |资本公积（贷）-150 "},
      {"Form107",
       {{1, "1200"}, {2, "2"}, {3, "240"}},
       "租赁开始|固定资产（借） 1200 |长期应付款（贷） 1200 ||"
       "支付租金|长期应付款（借） 600 |银行存款（贷） 600 ||"
       "每月计提折旧|制造费用（借） 40 |累计折旧（贷） 40 ||"
       "租赁期满|固定资产（借） 1200 |固定资产（贷） 1200 "},
      {"Form108",
       {{1, "1500"}, {2, "195"}, {3, "300"}, {4, "1200"}, {5, "100"}, {6, "1"}},
       "购入设备|固定资产（借） 1500 |应交税费（借） 195 |长期应付款（贷） 1200 |银行存款（贷） 300 ||"
       "每月支付设备款|长期应付款（借） 100 |银行存款（贷） 100 ||"
       "最后一期付款|长期应付款（借） 100 |银行存款（贷） 100 "},
  };
  for (const Exact& c : cases) testing::ExpectLines(c.window, c.in, Split(c.lines));
}

// Single figures that depend on edge inputs.
TEST(FixedAssetAcquisition, EdgeFigures) {
  struct Case {
    const char* window;
    Inputs in;
    size_t index;
    const char* line;
  } cases[] = {
      {"Form46", {{1, "1000"}, {2, "130"}}, 15, "银行存款（贷） 0 "},              // no down payment
      {"Form46", {{1, "1000"}, {2, "130"}}, 16, "长期应付款（贷） 1130 "},         // all owed long-term
      {"Form47", {{1, "1000"}, {2, "130"}, {8, "1130"}}, 4, "应付账款（贷） 0 "},  // paid in full
      {"Form50", {}, 3, "资本公积（贷） 0 "},
      {"Form108", {{4, "5000"}, {5, "200"}, {6, "2"}}, 11, "长期应付款（借） 400 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    auto r = PressWindow(c.window, c.in);
    ASSERT_GT(r.lines.size(), c.index);
    EXPECT_EQ(r.lines[c.index], c.line);
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
  EXPECT_EQ(PressWindow("Form46", {{1, "1000"}, {5, "0.5"}}).lines.back(), "银行存款（贷） 2000 ");
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

// A fault ends the press where the failing figure is computed; earlier lines stay.
TEST(FixedAssetAcquisition, FaultsKeepEarlierLines) {
  struct Case {
    const char* window;
    Inputs in;
    FaultKind fault;
    size_t kept;       // lines printed before the fault
    std::string last;  // the last of them
  } cases[] = {
      {"Form46", {{1, "1e308"}, {2, "1e308"}}, FaultKind::Overflow, 0, ""},
      {"Form46", {{1, "1e300"}, {5, "1e-10"}}, FaultKind::Overflow, 23, "分期付款"},
      {"Form47", {{1, "1e308"}, {5, "1e308"}}, FaultKind::Overflow, 12, "安装交付使用"},
      {"Form48", {{5, "1e308"}, {6, "1e308"}}, FaultKind::Overflow, 17, ""},
      {"Form48", {{3, "1e308"}, {4, "1e308"}}, FaultKind::Overflow, 23, "转入固定资产成本"},
      {"Form49", {{3, "1e308"}, {4, "1e308"}}, FaultKind::Overflow, 7, "在建工程（借） 1E+308 "},
      {"Form50", {{2, "1e308"}, {3, "1e308"}}, FaultKind::Overflow, 1, "投入固定资产"},
      {"Form107", {{1, "1200"}}, FaultKind::DivisionByZero, 5, "支付租金"},
      {"Form107", {{2, "0"}}, FaultKind::Overflow, 5, "支付租金"},  // 0 / 0
      {"Form107", {{1, "1e308"}, {2, "1"}, {3, "-1e308"}}, FaultKind::Overflow, 9, "每月计提折旧"},
      {"Form108", {{5, "1"}, {6, "1e308"}}, FaultKind::Overflow, 11, "最后一期付款"},
  };
  for (const Case& c : cases) {
    testing::ExpectFault(c.window, c.in, c.kept,
                         c.kept > 0 ? std::optional<std::string>(c.last) : std::nullopt, c.last, c.fault);
  }
}

}  // namespace
}  // namespace varnello
