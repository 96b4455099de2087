// Expense, sundry receivable and payable, and non-operating posting windows.
#include <gtest/gtest.h>

#include "core/press_helper.h"

namespace varnello {
namespace {

using testing::Lines;
using testing::PressWindow;

struct ExpenseWindow {
  const char* window;
  const char* debit;
  const char* closingHeading;  // nullptr: the window has no closing entry
  const char* closingCredit;
};

const std::vector<ExpenseWindow> kExpenseWindows{
    {"Form19", "管理费用（借）", "结转管理费用", "管理费用（贷）"},
    {"Form21", "销售费用（借）", "结转销售费用", "销售费用（贷）"},
    {"Form24", "财务费用（借）", "结转财务费用", "财务费用（贷）"},
    {"Form23", "制造费用（借）", nullptr, nullptr},
    {"Form25", "其他费用（借）", nullptr, nullptr},
    {"Form26", "生产成本（借）", nullptr, nullptr},
};

// The expected lines of an expense window for E and V as printed amounts.
Lines ExpenseLines(const ExpenseWindow& w, const std::string& e, const std::string& v,
                   const std::string& paid) {
  Lines lines{std::string(w.debit) + e, "应交税费-应交增值税（借）" + v, "银行存款（贷）" + paid};
  if (w.closingHeading != nullptr) {
    lines.insert(lines.end(), {"", w.closingHeading, "本年利润（借）" + e, std::string(w.closingCredit) + e});
  }
  return lines;
}

TEST(ExpenseWindows, PaymentAndClosingEntries) {
  struct Case {
    std::map<int, std::string> in;
    std::string e, v, paid;
  };
  const std::vector<Case> cases{
      {{{1, "1000"}, {2, "60"}}, " 1000 ", " 60 ", " 1060 "},
      {{}, " 0 ", " 0 ", " 0 "},
      // A negative expense is not rejected; it prints on every line that shows it.
      {{{1, "-500"}, {2, "30"}}, "-500 ", " 30 ", "-470 "},
      {{{1, "0.1"}, {2, "0.2"}}, " 0.1 ", " 0.2 ", " 0.3 "},
  };
  for (const ExpenseWindow& w : kExpenseWindows) {
    for (const Case& c : cases) {
      auto r = PressWindow(w.window, c.in);
      EXPECT_EQ(r.fault, std::nullopt) << w.window;
      EXPECT_EQ(r.lines, ExpenseLines(w, c.e, c.v, c.paid)) << w.window << " E=" << c.e;
    }
  }
}

TEST(ExpenseWindows, OverflowOfThePaymentKeepsTheTwoDebits) {
  for (const ExpenseWindow& w : kExpenseWindows) {
    auto r = PressWindow(w.window, {{1, "1e308"}, {2, "1e308"}});
    EXPECT_EQ(r.fault, FaultKind::Overflow) << w.window;
    EXPECT_EQ(r.lines, (Lines{std::string(w.debit) + " 1E+308 ", "应交税费-应交增值税（借） 1E+308 "}))
        << w.window;
  }
}

struct Sequence {
  const char* window;
  std::map<int, std::string> in;
  Lines lines;
};

TEST(PostingWindows, WorkedSequences) {
  const std::vector<Sequence> cases{
      {"Form20",
       {{1, "800"}, {2, "104"}},
       {"垫付款项", "其他应收款（借） 800 ", "应交税费-应交增值税（借） 104 ", "银行存款（贷） 904 ", "",
        "收回款项", "银行存款（借） 904 ", "其他应收款（贷） 800 ", "应交税费-应交增值税（贷） 104 "}},
      {"Form22",
       {{1, "2000"}, {2, "120"}},
       {"计提付款", "各种费用（借） 2120 ", "其他应付款（贷） 2000 ", "应交增值税（进）（贷） 120 ", "",
        "支付款项", "其他应付款（借） 2000 ", "应交增值税（进）（借） 120 ", "各种费用（贷） 2120 "}},
      {"Form111",
       {{1, "5000"}, {2, "2000"}},
       {"批准前", "待处理财产损溢（借） 3000 ", "累计折旧（借） 2000 ", "固定资产（贷） 5000 ", "", "批准后",
        "营业外支出（借） 3000 ", "待处理财产损溢（贷） 3000 "}},
      // Depreciation beyond the recorded value gives a negative loss, printed as it is.
      {"Form111",
       {{1, "100"}, {2, "250"}},
       {"批准前", "待处理财产损溢（借）-150 ", "累计折旧（借） 250 ", "固定资产（贷） 100 ", "", "批准后",
        "营业外支出（借）-150 ", "待处理财产损溢（贷）-150 "}},
      {"Form112",
       {{1, "3000"}, {2, "750"}},
       {"银行存款（借） 3750 ", "应交税费（贷） 750 ", "营业外收入（贷） 3000 "}},
      {"Form112", {}, {"银行存款（借） 0 ", "应交税费（贷） 0 ", "营业外收入（贷） 0 "}},
  };
  for (const Sequence& c : cases) {
    auto r = PressWindow(c.window, c.in);
    EXPECT_EQ(r.fault, std::nullopt) << c.window;
    EXPECT_EQ(r.lines, c.lines) << c.window;
  }
}

TEST(PostingWindows, OverflowKeepsLinesBeforeTheFaultingFigure) {
  const std::vector<Sequence> cases{
      {"Form20",
       {{1, "1e308"}, {2, "1e308"}},
       {"垫付款项", "其他应收款（借） 1E+308 ", "应交税费-应交增值税（借） 1E+308 "}},
      {"Form22", {{1, "1e308"}, {2, "1e308"}}, {"计提付款"}},
      {"Form111", {{1, "1e308"}, {2, "-1e308"}}, {"批准前"}},
      {"Form112", {{1, "1e308"}, {2, "1e308"}}, {}},
  };
  for (const Sequence& c : cases) {
    auto r = PressWindow(c.window, c.in);
    EXPECT_EQ(r.fault, FaultKind::Overflow) << c.window;
    EXPECT_EQ(r.lines, c.lines) << c.window;
  }
}

}  // namespace
}  // namespace varnello
