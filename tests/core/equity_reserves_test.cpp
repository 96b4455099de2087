// Share issue, capital reserve and surplus-reserve windows.
#include <gtest/gtest.h>

#include "core/press_helper.h"

namespace varnello {
namespace {

using testing::Lines;
using testing::PressWindow;

TEST(Form121, ShareIssue) {
  struct Case {
    const char* what;
    std::map<int, std::string> in;
    Lines lines;
  };
  const Case cases[] = {
      {"premium less commission",
       {{1, "1000"}, {2, "1"}, {3, "5"}, {4, "0.02"}},
       {"发行股票", "银行存款（借） 4900 ", "股本（贷） 1000 ", "资本公积-股本溢价（贷） 3900 "}},
      {"no commission",
       {{1, "1000"}, {2, "1"}, {3, "5"}},
       {"发行股票", "银行存款（借） 5000 ", "股本（贷） 1000 ", "资本公积-股本溢价（贷） 4000 "}},
      {"issue at par: the commission makes the premium negative",
       {{1, "200"}, {2, "2"}, {3, "2"}, {4, "0.05"}},
       {"发行股票", "银行存款（借） 380 ", "股本（贷） 400 ", "资本公积-股本溢价（贷）-20 "}},
  };
  for (const Case& c : cases) {
    auto r = PressWindow("Form121", c.in);
    EXPECT_EQ(r.fault, std::nullopt) << c.what;
    EXPECT_EQ(r.lines, c.lines) << c.what;
  }
  // Every amount is computed before the heading: an overflow in any of them prints nothing.
  for (const auto& in : {std::map<int, std::string>{{1, "1e200"}, {3, "1e200"}},
                         std::map<int, std::string>{{1, "1e200"}, {2, "1e200"}}}) {
    auto r = PressWindow("Form121", in);
    EXPECT_EQ(r.fault, FaultKind::Overflow);
    EXPECT_TRUE(r.lines.empty());
  }
}

TEST(Form122, InvestorsShare) {
  auto r = PressWindow("Form122", {{1, "1000"}, {2, "0.3"}});
  EXPECT_EQ(r.lines, (Lines{"增加资本公积", "长期股权投资（借） 300 ", "资本公积 300 "}));
  auto f = PressWindow("Form122", {{1, "1e200"}, {2, "1e200"}});
  EXPECT_EQ(f.fault, FaultKind::Overflow);
  EXPECT_EQ(f.lines, Lines{"增加资本公积"});
}

TEST(Form123, EachCaseByItsGuard) {
  const Lines appropriation{"提取盈余公积", "利润分配-盈余公积（借） 10 ", "盈余公积-法定盈余公积 10 ", ""};
  const Lines offset{"弥补亏损", "盈余公积（借） 5 ", "利润分配-盈余公积补亏（贷） 5 "};
  const Lines capital{"转增股本", "盈余公积（借） 7 ", "股本（贷） 7 "};
  auto join = [](std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
  };
  struct Case {
    const char* what;
    std::map<int, std::string> in;
    Lines lines;
  };
  const Case cases[] = {
      {"all empty", {}, {}},
      {"appropriation only", {{1, "80"}, {2, "20"}, {3, "0.1"}}, appropriation},
      {"loss offset only, no blank line", {{4, "5"}}, offset},
      {"capitalisation only", {{5, "7"}}, capital},
      {"all three",
       {{1, "80"}, {2, "20"}, {3, "0.1"}, {4, "5"}, {5, "7"}},
       join({appropriation, offset, capital})},
      {"zero guards print nothing", {{1, "0"}, {2, "20"}, {3, "0.1"}, {4, "0"}, {5, "0"}}, {}},
      {"negative guards print nothing", {{1, "-80"}, {2, "20"}, {3, "0.1"}, {4, "-5"}, {5, "-7"}}, {}},
  };
  for (const Case& c : cases) {
    auto r = PressWindow("Form123", c.in);
    EXPECT_EQ(r.fault, std::nullopt) << c.what;
    EXPECT_EQ(r.lines, c.lines) << c.what;
  }
  // The appropriation is computed before its heading; a fault there stops the later cases too.
  auto f = PressWindow("Form123", {{1, "1e200"}, {3, "1e200"}, {4, "5"}, {5, "7"}});
  EXPECT_EQ(f.fault, FaultKind::Overflow);
  EXPECT_TRUE(f.lines.empty());
}

TEST(Form123, SectionCaptions) {
  const TopicDesc* d = FindTopic("Form123");
  ASSERT_NE(d, nullptr);
  ASSERT_EQ(d->columns.size(), 1u);
  Lines sections;
  for (const Item& item : d->columns[0]) {
    if (item.field == 0) sections.emplace_back(item.caption);
  }
  EXPECT_EQ(sections, (Lines{"提取盈余公积", "盈余公积补亏", "盈余公积转增资本"}));
  for (int n = 1; n <= 5; ++n) EXPECT_TRUE(HasField(*d, n)) << n;
}

TEST(Form124, PrintsInputsUnchanged) {
  auto r = PressWindow("Form124", {{1, "100"}, {2, "60"}, {3, "40"}});
  EXPECT_EQ(r.lines, (Lines{"发放现金股利", "利润分配（借） 60 ", "盈余公积（借） 40 ", "应付股利（贷） 100 ",
                            "", "支付股利", "应付股利（借） 100 ", "银行存款（贷） 100 "}));
  // Parts that do not add up, and negative figures, are printed as typed.
  auto odd = PressWindow("Form124", {{1, "-5"}, {2, "3"}, {3, "-8.25"}});
  EXPECT_EQ(odd.fault, std::nullopt);
  EXPECT_EQ(odd.lines,
            (Lines{"发放现金股利", "利润分配（借） 3 ", "盈余公积（借）-8.25 ", "应付股利（贷）-5 ", "",
                   "支付股利", "应付股利（借）-5 ", "银行存款（贷）-5 "}));
}

}  // namespace
}  // namespace varnello
