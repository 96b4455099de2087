// Year-end closing windows: the profit-and-loss close, the transfer and distribution of profit,
// and the short close-and-distribute form.
#include <gtest/gtest.h>

#include "core/layout/layout.h"
#include "core/press_helper.h"

namespace varnello {
namespace {

using testing::LineOf;
using testing::Lines;
using testing::PressWindow;

// The 24 lines that precede the profit transfer, for given closing amounts.
Lines Form113Head(const Lines& income, const std::string& T, const Lines& expense, const std::string& C,
                  const std::string& X) {
  Lines l{"结转收入"};
  const char* inCaptions[] = {"主营业务收入（借）", "其他业务收入（借）", "公允价值变动损益（借）",
                              "投资收益（借）", "营业外收入（借）"};
  for (int i = 0; i < 5; ++i) l.push_back(std::string(inCaptions[i]) + income[i]);
  l.insert(l.end(), {"本年利润（贷）" + T, "", "结转支出", "本年利润（借）" + C});
  const char* exCaptions[] = {"主营业务成本（贷）", "其他业务成本（贷）", "营业税金及附加（贷）",
                              "销售费用（贷）",     "管理费用（贷）",     "财务费用（贷）",
                              "资产减值损失（贷）", "营业外支出（贷）"};
  for (int i = 0; i < 8; ++i) l.push_back(std::string(exCaptions[i]) + expense[i]);
  l.insert(l.end(), {"", "结转所得税", "本年利润（借）" + X, "所得税费用（贷）" + X, "", "结转本年利润"});
  return l;
}

TEST(Form113, ClosingByProfitOrLoss) {
  const std::string z = " 0 ";
  struct Case {
    const char* what;
    std::map<int, std::string> in;
    Lines head;
    Lines tail;
  };
  const Case cases[] = {
      {"all empty: zero closes as a profit",
       {},
       Form113Head({z, z, z, z, z}, z, {z, z, z, z, z, z, z, z}, z, z),
       {"本年利润（借） 0 ", "利润分配-未分配利润（贷） 0 ", "", "利润总额 0 ", "营业利润 0 "}},
      {"a loss reverses the pair and prints it positive",
       {{1, "100"}, {6, "150"}},
       Form113Head({" 100 ", z, z, z, z}, " 100 ", {" 150 ", z, z, z, z, z, z, z}, " 150 ", z),
       {"利润分配-未分配利润（贷） 50 ", "本年利润（借） 50 ", "", "利润总额-50 ", "营业利润-50 "}},
      {"non-operating items and tax",
       {{1, "100"}, {5, "10"}, {13, "4"}, {14, "25"}},
       Form113Head({" 100 ", z, z, z, " 10 "}, " 110 ", {z, z, z, z, z, z, z, " 4 "}, " 4 ", " 25 "),
       {"本年利润（借） 81 ", "利润分配-未分配利润（贷） 81 ", "", "利润总额 106 ", "营业利润 100 "}},
      {"every field in its own place",
       {{1, "1000"},
        {2, "200"},
        {3, "30"},
        {4, "40"},
        {5, "5"},
        {6, "600"},
        {7, "100"},
        {8, "20"},
        {9, "50"},
        {10, "60"},
        {11, "10"},
        {12, "7"},
        {13, "3"},
        {14, "100"}},
       Form113Head({" 1000 ", " 200 ", " 30 ", " 40 ", " 5 "}, " 1275 ",
                   {" 600 ", " 100 ", " 20 ", " 50 ", " 60 ", " 10 ", " 7 ", " 3 "}, " 850 ", " 100 "),
       {"本年利润（借） 325 ", "利润分配-未分配利润（贷） 325 ", "", "利润总额 425 ", "营业利润 423 "}},
  };
  for (const Case& c : cases) {
    auto r = PressWindow("Form113", c.in);
    Lines expected = c.head;
    expected.insert(expected.end(), c.tail.begin(), c.tail.end());
    EXPECT_EQ(r.fault, std::nullopt) << c.what;
    EXPECT_EQ(r.lines, expected) << c.what;
  }
}

TEST(Form113, FaultPoints) {
  struct Case {
    const char* what;
    std::map<int, std::string> in;
    size_t printed;
  };
  const Case cases[] = {
      {"income total", {{1, "1e308"}, {2, "1e308"}}, 0},
      {"expense total", {{6, "-1e308"}, {13, "-1e308"}}, 0},
      {"net profit, after its heading", {{1, "1e308"}, {6, "-1e308"}}, 24},
      {"operating profit, after the total profit", {{1, "1e308"}, {6, "-1e308"}, {13, "1e308"}}, 28},
  };
  for (const Case& c : cases) {
    auto r = PressWindow("Form113", c.in);
    EXPECT_EQ(r.fault, FaultKind::Overflow) << c.what;
    EXPECT_EQ(r.lines.size(), c.printed) << c.what;
  }
}

// Checked on the controls as laid out for the window, which is what the GUI builds.
TEST(Form113, FourthButtonLeadsToTheDistributionWindow) {
  const TopicDesc* d = FindTopic("Form113");
  ASSERT_NE(d, nullptr);
  WindowLayout layout = LayoutTopic(*d);
  std::vector<const Control*> buttons, fields;
  for (const Control& c : layout.controls) {
    if (c.kind == ControlKind::Button) buttons.push_back(&c);
    if (c.kind == ControlKind::Field) fields.push_back(&c);
  }
  ASSERT_EQ(buttons.size(), 4u);
  EXPECT_EQ(buttons[3]->name, "Command4");
  EXPECT_EQ(buttons[3]->caption, "结转本年利润");
  EXPECT_EQ(buttons[3]->role, ButtonRole::Navigate);
  EXPECT_EQ(buttons[3]->opens, WindowId("Form114"));
  EXPECT_EQ(buttons[2]->opens, kMainWindow);  // 退出
  // Below the standard buttons.
  EXPECT_GT(buttons[3]->rect.y, buttons[2]->rect.bottom());
  // Income on the left, expenses and tax on the right.
  ASSERT_EQ(fields.size(), 14u);
  for (size_t i = 0; i < fields.size(); ++i) {
    EXPECT_EQ(fields[i]->rect.x > fields[0]->rect.x, i >= 5) << "Text" << fields[i]->field;
  }

  const TopicDesc* next = FindTopic("Form114");
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->exitTo, kMainWindow);
  EXPECT_TRUE(next->extraButtons.empty());
  EXPECT_FALSE(HasField(*next, 4));
  for (int n : {1, 2, 3, 5, 6, 7, 8}) EXPECT_TRUE(HasField(*next, n)) << n;
}

TEST(Form114, TransferAndDistribution) {
  auto r = PressWindow("Form114",
                       {{1, "500"}, {2, "100"}, {3, "50"}, {5, "55"}, {6, "20"}, {7, "30"}, {8, "100"}});
  EXPECT_EQ(r.fault, std::nullopt);
  EXPECT_EQ(r.lines, (Lines{"未分配利润总（贷） 345 ",
                            "",
                            "结转净利润",
                            "本年利润（借） 550 ",
                            "利润分配-未分配利润（贷） 550 ",
                            "",
                            "结转盈余公积和股利",
                            "利润分配-提取法定盈余公积（借） 55 ",
                            "利润分配-提取任意盈余公积（借） 20 ",
                            "利润分配-分配优先股利（借） 30 ",
                            "利润分配-分配普通股利（借） 100 ",
                            "盈余公积（贷） 75 ",
                            "应付股利（贷） 130 ",
                            "",
                            "结转利润分配",
                            "利润分配-未分配利润（借） 205 ",
                            "利润分配-提取法定盈余公积（贷） 55 ",
                            "利润分配-提取任意盈余公积（贷） 20 ",
                            "利润分配-分配优先股利（贷） 30 ",
                            "利润分配-分配普通股利（贷） 100 "}));
}

TEST(Form114, SignOfBalanceAndOfTransfer) {
  struct Case {
    const char* what;
    std::map<int, std::string> in;
    Lines first5;  // balance line, blank, heading, transfer pair
  };
  const Case cases[] = {
      {"all empty",
       {},
       {"未分配利润总 0 ", "", "结转净利润", "本年利润（借） 0 ", "利润分配-未分配利润（贷） 0 "}},
      {"loss brought forward exceeds profit",
       {{1, "100"}, {3, "150"}},
       {"未分配利润总（借）-50 ", "", "结转净利润", "利润分配-未分配利润（借）-50 ", "本年利润（贷）-50 "}},
      {"distribution uses up the profit exactly",
       {{1, "100"}, {5, "60"}, {8, "40"}},
       {"未分配利润总 0 ", "", "结转净利润", "本年利润（借） 100 ", "利润分配-未分配利润（贷） 100 "}},
      {"over-distribution: balance negative, transfer positive",
       {{1, "100"}, {5, "60"}, {8, "41"}},
       {"未分配利润总（借）-1 ", "", "结转净利润", "本年利润（借） 100 ", "利润分配-未分配利润（贷） 100 "}},
      {"opening balance just covers the loss: transfer zero",
       {{1, "-30"}, {2, "80"}, {3, "50"}},
       {"未分配利润总 0 ", "", "结转净利润", "本年利润（借） 0 ", "利润分配-未分配利润（贷） 0 "}},
  };
  for (const Case& c : cases) {
    auto r = PressWindow("Form114", c.in);
    EXPECT_EQ(r.fault, std::nullopt) << c.what;
    ASSERT_EQ(r.lines.size(), 20u) << c.what;
    EXPECT_EQ(Lines(r.lines.begin(), r.lines.begin() + 5), c.first5) << c.what;
  }
}

TEST(Form114, FaultPoints) {
  struct Case {
    const char* what;
    std::map<int, std::string> in;
    size_t printed;
  };
  const Case cases[] = {
      {"balance", {{1, "1e308"}, {2, "1e308"}}, 0},
      {"reserve total", {{1, "1.5e308"}, {5, "1e308"}, {6, "1e308"}}, 6},
      {"dividend total", {{1, "1.5e308"}, {7, "1e308"}, {8, "1e308"}}, 6},
      {"distribution total, after its heading", {{1, "1.5e308"}, {5, "1e308"}, {7, "1e308"}}, 15},
  };
  for (const Case& c : cases) {
    auto r = PressWindow("Form114", c.in);
    EXPECT_EQ(r.fault, FaultKind::Overflow) << c.what;
    EXPECT_EQ(r.lines.size(), c.printed) << c.what;
  }
}

TEST(Form106, CloseAndDistribute) {
  auto r = PressWindow("Form106", {{1, "20"}, {2, "80"}, {3, "10"}, {4, "30"}});
  EXPECT_EQ(r.fault, std::nullopt);
  EXPECT_EQ(r.lines, (Lines{"结转本年利润", "本年利润（借） 100 ", "利润分配-未分配利润（贷） 100 ", "",
                            "发放股利", "利润分配-盈余公积（借） 10 ", "利润分配-应付利润（借） 30 ",
                            "盈余公积（贷） 10 ", "应付利润（贷） 30 ", "", "同时",
                            "利润分配-未分配利润（借） 40 ", "利润分配-盈余公积（贷） 10 ",
                            "利润分配-应付利润（贷） 30 ", "", "未分配利润（总） 60 "}));
  auto empty = PressWindow("Form106", {});
  ASSERT_EQ(empty.lines.size(), 16u);
  EXPECT_EQ(empty.lines.back(), "未分配利润（总） 0 ");
  auto over = PressWindow("Form106", {{2, "80"}, {4, "100"}});
  EXPECT_EQ(over.lines.back(), "未分配利润（总）-20 ");
}

TEST(Form106, FaultPoints) {
  struct Case {
    const char* what;
    std::map<int, std::string> in;
    size_t printed;
  };
  const Case cases[] = {
      {"profit total, after the first heading", {{1, "1e308"}, {2, "1e308"}}, 1},
      {"distributed total, after its heading", {{3, "1e308"}, {4, "1e308"}}, 11},
      {"remaining balance", {{2, "1e308"}, {4, "-1e308"}}, 15},
  };
  for (const Case& c : cases) {
    auto r = PressWindow("Form106", c.in);
    EXPECT_EQ(r.fault, FaultKind::Overflow) << c.what;
    EXPECT_EQ(r.lines.size(), c.printed) << c.what;
  }
}

}  // namespace
}  // namespace varnello
