// Printed entries and fault points of the payroll and bank-loan windows.
#include <gtest/gtest.h>

#include <set>

#include "core/press_helper.h"

namespace varnello {
namespace {

using testing::Lines;
using testing::PressWindow;

struct Case {
  const char* what;
  const char* window;
  std::map<int, std::string> in;
  Lines lines;
  std::optional<FaultKind> fault = std::nullopt;
};

void Check(const std::vector<Case>& cases) {
  std::vector<testing::PressCase> presses;
  for (const Case& c : cases) presses.push_back({c.window, c.in, c.lines, c.fault, 0, c.what});
  testing::CheckPresses(presses);
}

Lines First(const Lines& lines, size_t n) {
  return Lines(lines.begin(), lines.begin() + n);
}

constexpr auto kOverflow = FaultKind::Overflow;

// Every field holds a distinct figure, so a caption bound to the wrong field shows.
const std::map<int, std::string> kPayroll{{1, "1"},   {2, "2"},   {3, "3"},   {4, "4"},   {5, "5"},
                                          {6, "6"},   {7, "7"},   {8, "8"},   {9, "9"},   {10, "10000"},
                                          {11, "11"}, {12, "12"}, {13, "13"}, {14, "14"}, {15, "15"},
                                          {16, "16"}, {17, "17"}, {18, "18"}, {19, "19"}};

const Lines kPayrollLines{
    "计提费用",
    "管理费用（借） 1 ",
    "销售费用（借） 2 ",
    "制造费用（借） 3 ",
    "生产成本（借） 4 ",
    "在建工程（借） 18 ",
    "其他费用（应付福利费）（借） 19 ",
    "应付职工薪酬-养老（公司）（贷） 5 ",
    "应付职工薪酬-医疗（公司）（贷） 6 ",
    "应付职工薪酬-失业（公司）（贷） 7 ",
    "应付职工薪酬-工伤（公司）（贷） 8 ",
    "应付职工薪酬-生育（公司）（贷） 9 ",
    "应付职工薪酬-职工工资（公司）（贷） 10000 ",
    "应付职工薪酬-奖金（公司）（贷） 11 ",
    "应付职工薪酬-住房公积金（公司）（贷） 12 ",
    "",
    "发放工资",
    "应付职工薪酬-职工工资（借） 10000 ",
    "现金/银行存款（贷） 9925 ",
    "应交税费-代扣个人所得税（贷） 13 ",
    "其他应付款-养老（个人）（贷） 14 ",
    "其他应付款-医疗（个人）（贷） 15 ",
    "其他应付款-失业（个人）（贷） 16 ",
    "应付职工薪酬-住房公积金（个人）（贷） 17 ",
    "",
    "发放奖金",
    "应付职工薪酬-奖金（借） 11 ",
    "银行存款（贷） 11 ",
    "",
    "缴纳社保",
    "应付职工薪酬-养老（公司）（借） 5 ",
    "应付职工薪酬-医疗（公司）（借） 6 ",
    "应付职工薪酬-失业（公司）（借） 7 ",
    "应付职工薪酬-工伤（公司）（借） 8 ",
    "应付职工薪酬-生育（公司）（借） 9 ",
    "其他应付款-养老（个人）（借） 14 ",
    "其他应付款-医疗（个人）（借） 15 ",
    "其他应付款-失业（个人）（借） 16 ",
    "银行存款（贷） 80 ",
    "",
    "缴纳个税",
    "应交税费-代扣代缴个人所得税（借） 13 ",
    "银行存款（贷） 13 ",
    "",
    "缴纳住房公积金",
    "应付职工薪酬-住房公积金（个人）（借） 17 ",
    "应付职工薪酬-住房公积金（公司）（借） 12 ",
    "银行存款（贷） 29 ",
};

TEST(Form101, SixEntriesFromNineteenFields) {
  Check({{"distinct figures", "Form101", kPayroll, kPayrollLines}});

  auto empty = PressWindow("Form101", {});
  ASSERT_EQ(empty.lines.size(), 48u);
  for (size_t k = 0; k < empty.lines.size(); ++k) {
    const std::string& want = kPayrollLines[k];
    if (want.empty() || want.back() != ' ') {
      EXPECT_EQ(empty.lines[k], want) << k;  // headings and blank lines
    } else {
      EXPECT_EQ(empty.lines[k], want.substr(0, want.rfind(' ', want.size() - 2)) + " 0 ") << k;
    }
  }

  auto net =
      PressWindow("Form101", {{10, "5000"}, {13, "100"}, {14, "400"}, {15, "100"}, {16, "50"}, {17, "500"}});
  EXPECT_EQ(net.lines[18], "现金/银行存款（贷） 3850 ");
  auto negative = PressWindow("Form101", {{10, "-100"}, {6, "-7"}, {14, "3"}});
  EXPECT_EQ(negative.lines[18], "现金/银行存款（贷）-103 ");
  EXPECT_EQ(negative.lines[38], "银行存款（贷）-4 ");
}

TEST(Form101, FaultsKeepEarlierEntries) {
  TextLines empty = PressWindow("Form101", {}).lines;
  struct FaultCase {
    const char* what;
    std::map<int, std::string> in;
    size_t kept;
  };
  for (const FaultCase& c : std::vector<FaultCase>{
           {"net pay", {{10, "1e308"}, {13, "-1e308"}}, 18},
           {"social insurance", {{5, "1e308"}, {6, "1e308"}}, 38},
           {"housing fund, before its heading", {{12, "1e308"}, {17, "1e308"}}, 44},
       }) {
    auto r = PressWindow("Form101", c.in);
    EXPECT_EQ(r.fault, kOverflow) << c.what;
    ASSERT_EQ(r.lines.size(), c.kept) << c.what;
    auto caption = [](std::string_view line) { return line.substr(0, line.find(' ')); };
    EXPECT_EQ(caption(r.lines.back()), caption(empty[c.kept - 1])) << c.what;
  }
}

TEST(Form101, EveryFieldOnceWithPersonalPensionCaption) {
  const TopicDesc* desc = FindTopic("Form101");
  ASSERT_NE(desc, nullptr);
  std::set<int> seen;
  for (const Item* item : FieldsOf(*desc)) {
    EXPECT_TRUE(seen.insert(item->field).second) << item->field;
    if (item->field == 14) {
      EXPECT_EQ(item->caption, "养老保险（个人）");
    }
  }
  EXPECT_EQ(seen.size(), 19u);
  EXPECT_EQ(*seen.begin(), 1);
  EXPECT_EQ(*seen.rbegin(), 19);
}

const Lines kShortLoan{
    "借入时",         "银行存款（借） 12000 ", "短期借款（贷） 12000 ", "",
    "每月计提",       "财务费用（借） 60 ",    "应付利息（贷） 60 ",    "",
    "每季度支付利息", "应付利息（借） 180 ",   "银行存款（贷） 180 ",   "",
    "归还本金",       "短期借款（借） 12000 ", "银行存款（贷） 12000 ", "",
    "还本付息",       "短期借款（借） 12000 ", "财务费用（借） 360 ",   "银行存款（贷） 12360 "};

const Lines kLongLoan{"取得借款",
                      "银行存款（借） 2000 ",
                      "长期借款（贷） 2000 ",
                      "",
                      "年末计息",
                      "财务费用-利息费（借） 100 ",
                      "应付利息（贷） 100 ",
                      "",
                      "偿还利息",
                      "应付利息（借） 300 ",
                      "银行存款（贷） 300 ",
                      "",
                      "最后一年还本付息",
                      "长期借款 2000 ",
                      "应付利息 100 ",
                      "银行存款 2100 "};

TEST(Form102, ShortTermLoanInMonths) {
  Lines zero{"借入时",         "银行存款（借） 0 ", "短期借款（贷） 0 ", "",
             "每月计提",       "财务费用（借） 0 ", "应付利息（贷） 0 ", "",
             "每季度支付利息", "应付利息（借） 0 ", "银行存款（贷） 0 ", "",
             "归还本金",       "短期借款（借） 0 ", "银行存款（贷） 0 ", "",
             "还本付息",       "短期借款（借） 0 ", "财务费用（借） 0 ", "银行存款（贷） 0 "};
  Check({
      {"six months", "Form102", {{1, "12000"}, {2, "0.06"}, {3, "6"}}, kShortLoan},
      {"all empty", "Form102", {}, zero},
      {"monthly interest overflows after its heading",
       "Form102",
       {{1, "1e308"}, {2, "1e308"}},
       [] {
         Lines l{"借入时", "银行存款（借） 1E+308 ", "短期借款（贷） 1E+308 ", "", "每月计提"};
         return l;
       }(),
       kOverflow},
      {"whole-term interest overflows",
       "Form102",
       {{1, "12000"}, {2, "0.06"}, {3, "1e308"}},
       First(kShortLoan, 17),
       kOverflow},
  });
  // The payment J + L is computed with J, before the repayment's lines.
  auto r = PressWindow("Form102", {{1, "1e308"}, {2, "1.2"}, {3, "9"}});
  EXPECT_EQ(r.fault, kOverflow);
  ASSERT_EQ(r.lines.size(), 17u);
  EXPECT_EQ(r.lines.back(), "还本付息");
}

TEST(Form103, ShortTermInQuartersAndLongTerm) {
  Lines both = kShortLoan;
  both.insert(both.end(), kLongLoan.begin(), kLongLoan.end());
  std::map<int, std::string> shortCase{{1, "12000"}, {2, "0.06"}, {3, "2"}};
  std::map<int, std::string> longCase{{4, "2000"}, {5, "0.05"}, {6, "3"}};
  std::map<int, std::string> all = shortCase;
  all.insert(longCase.begin(), longCase.end());
  Check({
      {"two quarters are six months", "Form103", shortCase, kShortLoan},
      {"long-term only", "Form103", longCase, kLongLoan},
      {"short case first, no blank between", "Form103", all, both},
      {"zero and negative loans print nothing",
       "Form103",
       {{1, "0"}, {2, "0.06"}, {3, "2"}, {4, "-2000"}, {5, "0.05"}, {6, "3"}},
       {}},
      {"short-term overflow ends the press before the long case",
       "Form103",
       {{1, "12000"}, {2, "0.06"}, {3, "1e308"}, {4, "2000"}},
       First(kShortLoan, 17),
       kOverflow},
      {"yearly interest overflows",
       "Form103",
       {{4, "1e308"}, {5, "1e308"}},
       {"取得借款", "银行存款（借） 1E+308 ", "长期借款（贷） 1E+308 ", "", "年末计息"},
       kOverflow},
      {"term interest overflows",
       "Form103",
       {{4, "2000"}, {5, "0.05"}, {6, "1e308"}},
       First(kLongLoan, 9),
       kOverflow},
  });
  // The final payment L2 + A is computed after one year's interest is printed.
  auto r = PressWindow("Form103", {{4, "1e308"}, {5, "1"}, {6, "1"}});
  EXPECT_EQ(r.fault, kOverflow);
  ASSERT_EQ(r.lines.size(), 15u);
  EXPECT_EQ(r.lines.back(), "应付利息 1E+308 ");
}

}  // namespace
}  // namespace varnello
