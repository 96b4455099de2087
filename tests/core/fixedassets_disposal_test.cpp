// Later life of a fixed asset: stocktaking, finance lease, sale, scrapping, repair, rebuilding.
#include <gtest/gtest.h>

#include <sstream>

#include "core/press_helper.h"

namespace varnello {
namespace {

using testing::Inputs;
using testing::Lines;
using testing::PressWindow;

using testing::Split;

constexpr const char* kSurplus =
    "盘盈固定资产|批准前|固定资产（借） 500 |待处理财产损溢（贷） 500 ||"
    "批准后|待处理财产损溢（借） 500 |固定资产（贷） 500 ";
constexpr const char* kShortage =
    "盘亏固定资产|批准前|待处理财产损溢（借） 700 |累计折旧（借） 300 |固定资产（贷 1000 ||"
    "批准后|营业外支出（借） 700 |待处理财产损溢（贷） 700 ";
// The sale of an asset costing 1000 for 1250 with 600 depreciated, before the net result.
constexpr const char* kSale =
    "注销固定资产价值|固定资产清理（借） 400 |累计折旧（借） 600 |固定资产（贷） 1000 ||"
    "取得转让收入|银行存款（借） 1250 |固定资产清理（贷） 1250 ||"
    "计算增值税|固定资产清理（借） 250 |应交税费-应交增值税（销）（贷） 250 ||结转清理净支出";

TEST(FixedAssetLaterLife, PrintsEntries) {
  struct Case {
    const char* window;
    Inputs in;
    std::string lines;
  } cases[] = {
      {"Form54", {}, ""},
      {"Form54", {{1, "-5"}, {2, "0"}, {3, "300"}}, ""},
      {"Form54", {{1, "500"}}, kSurplus},
      {"Form54", {{2, "1000"}, {3, "300"}}, kShortage},
      {"Form54", {{1, "500"}, {2, "1000"}, {3, "300"}}, std::string(kSurplus) + "|" + kShortage},
      // The lease entry follows the first blank line without a heading.
      {"Form55",
       {{1, "3000"}, {2, "1000"}, {3, "100"}, {4, "50"}, {5, "150"}},
       "安装税费|固定资产-融资租入固定资产（借） 200 |银行存款（贷） 200 ||"
       "固定资产-融资租入固定资产（借） 3100 |长期应付款-租赁费（贷） 3100 ||"
       "每年支付租赁费|长期应付款-租赁费（借） 1000 |银行存款（贷） 1000 ||"
       "租赁期满|长期应付款-租赁费（借） 100 |银行存款（贷） 100 ||"
       "购入固定资产|固定资产-生产用固定资产（借） 3300 |固定资产-融资租入固定资产（贷） 3300 "},
      {"Form56",
       {{1, "1000"}, {2, "1250"}, {3, "600"}, {4, "0.25"}},
       std::string(kSale) + "|固定资产清理（借） 600 |营业外支出（贷） 600 "},  // a gain
      {"Form57",
       {{1, "5000"}, {2, "3000"}, {3, "200"}, {4, "300"}, {5, "100"}, {6, "400"}},
       "固定资产清理|固定资产清理（借） 2000 |累计折旧（借） 3000 |固定资产（贷） 5000 ||"
       "支付清理费用|固定资产清理（借） 200 |库存现金（贷） 200 ||"
       "出售残料收入|库存现金（借） 300 |固定资产清理（贷） 300 ||"
       "收到赔款|银行存款（借） 100 |其他应收款（借） 400 |固定资产清理（贷） 500 ||"
       "结转清理净损失|营业外支出（借） 1400 |固定资产清理（贷） 1400 "},
      {"Form58",
       {{1, "300"}, {2, "800"}, {4, "200"}},
       "管理费用-修理费（借） 200 |制造费用-修理费（借） 300 |原材料-修理用备件（贷） 800 "
       "|银行存款（贷）-300 "},
      {"Form59",
       {{1, "9999"}, {2, "1000"}, {3, "500"}, {4, "65"}, {5, "200"}, {6, "26"}, {7, "50"}, {8, "300"}},
       "购入工程物资|工程物资（借） 565 |银行存款（贷） 565 ||改建领用|在建工程（借） 565 |工程物资（贷） "
       "565 ||"
       "预付承包工程款|在建工程（借） 1000 |银行存款（贷） 1000 ||"
       "领用企业生产用材料|在建工程（借） 226 |原材料（贷） 200 |应交税费-应交增值税（进）（贷） 26 ||"
       "拆除材料变价收入|库存现金（借） 50 |在建工程（贷） 50 ||"
       "工程补付款|在建工程（借） 300 |银行存款（贷） 300 ||"
       "改建固定资产|固定资产（借） 2041 |在建工程（贷） 2041 "},
  };
  for (const Case& c : cases) testing::ExpectLines(c.window, c.in, Split(c.lines));
}

// The net result of a sale and of a scrapping, by sign.
TEST(FixedAssetLaterLife, NetResults) {
  // A sale breaking even prints nothing after its heading.
  auto even = PressWindow("Form56", {{1, "1000"}, {2, "1250"}, {4, "0.25"}});
  ASSERT_EQ(even.lines.size(), 14u);
  EXPECT_EQ(even.lines.back(), "结转清理净支出");
  // A sale below book value: the loss is debited as a positive amount.
  auto loss = PressWindow("Form56", {{1, "1000"}, {2, "565"}, {3, "200"}, {4, "0.13"}});
  ASSERT_EQ(loss.lines.size(), 16u);
  EXPECT_EQ(loss.lines[14], "营业外支出（借） 300 ");
  EXPECT_EQ(loss.lines[15], "固定资产清理（贷） 300 ");
  // Compensation above the net book value and costs: the same negative amount on both sides.
  auto gain = PressWindow("Form57", {{1, "5000"}, {2, "3000"}, {6, "3000"}});
  ASSERT_EQ(gain.lines.size(), 21u);
  EXPECT_EQ(gain.lines[19], "营业外支出（借）-1000 ");
  EXPECT_EQ(gain.lines[20], "固定资产清理（贷）-1000 ");
}

// Fields that are shown but enter no amount.
TEST(FixedAssetLaterLife, ShownFieldsChangeNothing) {
  struct Case {
    const char* window;
    Inputs in;
    int field;
  } cases[] = {
      {"Form58", {{1, "300"}, {2, "100"}, {3, "5"}, {4, "200"}}, 3},
      {"Form59", {{1, "1"}, {2, "1000"}, {3, "500"}, {8, "300"}}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.window);
    Inputs other = c.in;
    other[c.field] = "123456";
    EXPECT_EQ(PressWindow(c.window, c.in).lines, PressWindow(c.window, other).lines);
  }
}

// A fault ends the press where the failing figure is computed; earlier lines stay.
TEST(FixedAssetLaterLife, FaultsKeepEarlierLines) {
  struct Case {
    const char* window;
    Inputs in;
    FaultKind fault;
    size_t kept;       // lines printed before the fault
    std::string last;  // the last of them
  } cases[] = {
      {"Form54", {{1, "500"}, {2, "1e308"}, {3, "-1e308"}}, FaultKind::Overflow, 10, "批准前"},
      {"Form55", {{4, "1e308"}, {5, "1e308"}}, FaultKind::Overflow, 1, "安装税费"},
      {"Form55", {{1, "1e308"}, {5, "1e308"}}, FaultKind::Overflow, 15, ""},
      {"Form56", {{1, "1000"}, {2, "1250"}, {4, "-1"}}, FaultKind::DivisionByZero, 10, "计算增值税"},
      {"Form56", {{1, "1000"}, {4, "-1"}}, FaultKind::Overflow, 10, "计算增值税"},  // 0 / 0
      {"Form56", {{1, "-1e308"}, {2, "1e308"}}, FaultKind::Overflow, 13, ""},
      {"Form57", {{1, "1e308"}, {2, "-1e308"}}, FaultKind::Overflow, 0, ""},
      {"Form57", {{5, "1e308"}, {6, "1e308"}}, FaultKind::Overflow, 16, "其他应收款（借） 1E+308 "},
      {"Form57", {{1, "1e308"}, {3, "1e308"}}, FaultKind::Overflow, 19, "结转清理净损失"},
      {"Form58", {{1, "1e308"}, {4, "1e308"}}, FaultKind::Overflow, 3, "原材料-修理用备件（贷） 0 "},
      {"Form59", {{5, "1e308"}, {6, "1e308"}}, FaultKind::Overflow, 13, "领用企业生产用材料"},
      {"Form59", {{2, "1e308"}, {8, "1e308"}}, FaultKind::Overflow, 25, ""},
  };
  for (const Case& c : cases) {
    testing::ExpectFault(c.window, c.in, c.kept,
                         c.kept > 0 ? std::optional<std::string>(c.last) : std::nullopt, c.last, c.fault);
  }
}

}  // namespace
}  // namespace varnello
