// The depreciation calculator and the distribution of depreciation, with their navigation.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/layout/layout.h"
#include "core/press_helper.h"

namespace varnello {
namespace {

using testing::Inputs;
using testing::Lines;
using testing::PressWindow;

const Inputs kStraight = {{1, "0.04"}, {2, "10"}, {3, "1000"}};
const Inputs kUnits = {{7, "1000"}, {8, "0.1"}, {9, "900"}, {14, "90"}};
const Inputs kYears = {{10, "1"}, {11, "4"}, {12, "1100"}, {13, "100"}};

using testing::With;

// Each method prints only when all of its inputs are strictly positive; the groups print in the
// order straight line, double-declining, units of production, sum of the years' digits. A power
// without a real value, or an overflow, ends the press: earlier groups stay, later ones are lost.
TEST(Depreciation, MethodsGuardsAndFaults) {
  struct Case {
    const char* what;
    Inputs in;
    Lines lines;
    std::optional<FaultKind> fault = std::nullopt;
  } cases[] = {
      {"all empty", {}, {}},
      {"straight line", kStraight, {"累计折旧 96 ", "累计折旧（月） 8 "}},
      {"zero residual rate", With(kStraight, {{1, "0"}}), {}},
      {"negative life", With(kStraight, {{2, "-10"}}), {}},
      {"double-declining year 1", {{4, "5"}, {5, "1000"}, {6, "1"}}, {"累计折旧 400 "}},
      {"double-declining year 2", {{4, "5"}, {5, "1000"}, {6, "2"}}, {"累计折旧 240 "}},
      {"double-declining year 3", {{4, "5"}, {5, "1000"}, {6, "3"}}, {"累计折旧 144 "}},
      {"fractional year", {{4, "4"}, {5, "1000"}, {6, "1.5"}}, {"累计折旧 353.553390593274 "}},
      {"negative base", {{4, "1"}, {5, "1000"}, {6, "2"}}, {"累计折旧-2000 "}},
      {"year 0", {{4, "5"}, {5, "1000"}, {6, "0"}}, {}},
      {"units of production", kUnits, {"累计折旧（当期） 90 "}},
      {"no work done", With(kUnits, {{14, "0"}}), {}},
      {"sum of years, first year", kYears, {"累计折旧（当期） 400 ", "年折旧率 0.4 "}},
      {"sum of years, last year", With(kYears, {{10, "4"}}), {"累计折旧（当期） 100 ", "年折旧率 0.1 "}},
      {"no residual value", With(kYears, {{13, ""}}), {}},
      {"all four in order",
       With(With(With(kStraight, kUnits), kYears), {{4, "5"}, {5, "1000"}, {6, "3"}}),
       {"累计折旧 96 ", "累计折旧（月） 8 ", "累计折旧 144 ", "累计折旧（当期） 90 ", "累计折旧（当期） 400 ",
        "年折旧率 0.4 "}},
      {"negative base, fractional year",
       With(With(kStraight, kYears), {{4, "1"}, {5, "1000"}, {6, "2.5"}}),
       {"累计折旧 96 ", "累计折旧（月） 8 "},
       FaultKind::Overflow},
      {"zero base, year below 1",
       With(kUnits, {{4, "2"}, {5, "1000"}, {6, "0.5"}}),
       {},
       FaultKind::DivisionByZero},
      {"power overflows", {{4, "0.5"}, {5, "1000"}, {6, "1000"}}, {}, FaultKind::Overflow},
      {"units overflow",
       {{4, "5"}, {5, "1000"}, {6, "1"}, {7, "1e300"}, {8, "0.5"}, {9, "1e-300"}, {14, "1"}},
       {"累计折旧 400 "},
       FaultKind::Overflow},
      {"years' sum overflows",
       With(kUnits, {{10, "1"}, {11, "1e200"}, {12, "1100"}, {13, "100"}}),
       {"累计折旧（当期） 90 "},
       FaultKind::Overflow},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto r = PressWindow("Form52", c.in);
    EXPECT_EQ(r.fault, c.fault);
    EXPECT_EQ(r.lines, c.lines);
  }
}

// The distribution entry prints the typed figures as they are; the credit is not checked
// against the debits.
TEST(Depreciation, Distribution) {
  auto typed = PressWindow("Form53", {{1, "10"}, {2, "20.5"}, {4, "-40"}, {5, "50"}, {6, "999"}});
  EXPECT_EQ(typed.lines, (Lines{"在建工程（借） 10 ", "管理费用（借） 20.5 ", "销售费用（借） 0 ",
                                "制造费用（借）-40 ", "其他业务成本（借） 50 ", "累计折旧（贷） 999 "}));
}

const Control* Find(const WindowLayout& layout, ControlKind kind, std::string_view caption, int text = 0) {
  auto it = std::find_if(layout.controls.begin(), layout.controls.end(), [&](const Control& c) {
    return c.kind == kind && (caption.empty() || c.caption == caption) && (text == 0 || c.field == text);
  });
  return it == layout.controls.end() ? nullptr : &*it;
}

// 退出 of the calculator leads on to the distribution window; the caption 累计折旧 there brings
// the calculator back, and the distribution window's own 退出 returns to the main window.
TEST(Depreciation, Navigation) {
  WindowLayout calc = LayoutTopic(*FindTopic("Form52"));
  WindowLayout dist = LayoutTopic(*FindTopic("Form53"));
  const Control* exitCalc = Find(calc, ControlKind::Button, "退出");
  const Control* exitDist = Find(dist, ControlKind::Button, "退出");
  const Control* link = Find(dist, ControlKind::Caption, "累计折旧", 6);
  ASSERT_TRUE(exitCalc && exitDist && link);
  EXPECT_EQ(exitCalc->opens, WindowId("Form53"));
  EXPECT_EQ(exitDist->opens, kMainWindow);
  EXPECT_EQ(link->opens, WindowId("Form52"));
}

// Double-declining and units of production stand in the left column, straight line and sum of
// the years in the right one; each section caption stands above its fields.
TEST(Depreciation, CalculatorColumns) {
  WindowLayout layout = LayoutTopic(*FindTopic("Form52"));
  struct Group {
    const char* section;
    std::vector<int> fields;
    bool left;
  } groups[] = {
      {"双倍余额递减法", {4, 5, 6}, true},
      {"工作量法", {7, 8, 9, 14}, true},
      {"年限平均法", {1, 2, 3}, false},
      {"年数总和法", {10, 11, 12, 13}, false},
  };
  const Control* leftHead = Find(layout, ControlKind::Section, "双倍余额递减法");
  const Control* rightHead = Find(layout, ControlKind::Section, "年限平均法");
  ASSERT_TRUE(leftHead && rightHead);
  EXPECT_LT(leftHead->rect.right(), rightHead->rect.x);
  for (const Group& g : groups) {
    SCOPED_TRACE(g.section);
    const Control* head = Find(layout, ControlKind::Section, g.section);
    ASSERT_NE(head, nullptr);
    EXPECT_EQ(head->rect.x, (g.left ? leftHead : rightHead)->rect.x);
    int above = head->rect.y;
    for (int n : g.fields) {
      const Control* caption = Find(layout, ControlKind::Caption, "", n);
      ASSERT_NE(caption, nullptr);
      EXPECT_EQ(caption->rect.x, head->rect.x) << n;
      EXPECT_GT(caption->rect.y, above) << n;
      above = caption->rect.y;
    }
  }
}

}  // namespace
}  // namespace varnello
