// Books of account: the shipped month against its figures worked by hand, the lines a book
// refuses (tests/cases/books/refusals.txt), and a sweep that posts every window's exercise
// presses to one book and holds its trial balance and balance sheet to their identities.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/books/book.h"
#include "core/books/mark.h"
#include "core/books/render.h"
#include "core/books/reports.h"
#include "core/catalogue/catalogue.h"
#include "core/files/csv.h"
#include "core/json/json_text.h"
#include "core/practice/exercise.h"

namespace varnello {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// "2016079.10" as 分.
Fen FenText(const std::string& text) {
  return static_cast<Fen>(std::llround(std::stod(text) * 100));
}

struct WorkedMonth {
  std::string book;
  bool close = false;
  std::vector<TrialRow> trial;
  TrialRow totals;
  std::map<std::string, Fen> sheet, income;
};

WorkedMonth ReadWorked(const std::string& path) {
  WorkedMonth w;
  std::istringstream in(ReadFile(path));
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string kind;
    if (!(words >> kind) || kind.starts_with("#")) continue;
    if (kind == "book") words >> w.book;
    if (kind == "close") w.close = true;
    if (kind == "trial" || kind == "totals") {
      TrialRow r;
      if (kind == "trial") words >> r.code >> r.account;
      std::string a[6];
      for (std::string& s : a) words >> s;
      r.openingDebit = FenText(a[0]), r.openingCredit = FenText(a[1]);
      r.debit = FenText(a[2]), r.credit = FenText(a[3]);
      r.closingDebit = FenText(a[4]), r.closingCredit = FenText(a[5]);
      (kind == "trial" ? w.trial.emplace_back() : w.totals) = r;
    }
    if (kind == "sheet" || kind == "income") {
      std::string caption, amount;
      words >> caption >> amount;
      (kind == "sheet" ? w.sheet : w.income)[caption] = FenText(amount);
    }
  }
  return w;
}

void ExpectRow(const TrialRow& want, const TrialRow& got, const std::string& what) {
  EXPECT_EQ(got.openingDebit, want.openingDebit) << what << " 期初借方";
  EXPECT_EQ(got.openingCredit, want.openingCredit) << what << " 期初贷方";
  EXPECT_EQ(got.debit, want.debit) << what << " 本期借方";
  EXPECT_EQ(got.credit, want.credit) << what << " 本期贷方";
  EXPECT_EQ(got.closingDebit, want.closingDebit) << what << " 期末借方";
  EXPECT_EQ(got.closingCredit, want.closingCredit) << what << " 期末贷方";
}

// Every statement line against the hand-worked figures: the listed ones as worked, the others 0.
void ExpectStatement(const Statement& s, const std::map<std::string, Fen>& worked, const std::string& what) {
  std::size_t found = 0;
  for (const StatementLine& l : s.lines) {
    if (l.kind == StatementLine::Kind::Heading) continue;
    auto it = worked.find(l.line);
    EXPECT_EQ(l.amount, it == worked.end() ? 0 : it->second) << what << " " << l.line << " (" << l.how << ")";
    found += it != worked.end();
  }
  EXPECT_EQ(found, worked.size()) << what << ": a worked line is not a line of the statement";
}

class WorkedMonthTest : public ::testing::Test {
 protected:
  void SetUp() override {
    worked = ReadWorked(std::string(VARNELLO_CASES_DIR) + "/books/sample_month.worked");
    ASSERT_FALSE(worked.book.empty());
    BookReading r = ReadBook(ReadFile(std::string(VARNELLO_SOURCE_DIR) + "/" + worked.book));
    for (const BookRefusal& refused : r.refused)
      ADD_FAILURE() << "line " << refused.line << ": " << refused.message;
    open = r.book;
    closed = r.book;
    if (worked.close) CloseProfitAndLoss(closed);
  }
  WorkedMonth worked;
  Book open, closed;
};

TEST_F(WorkedMonthTest, TrialBalanceIsTheOneWorkedByHand) {
  EXPECT_EQ(open.entries.size(), 31u) << "30 transactions, one press giving two vouchers";
  TrialBalance t = TrialOf(closed);
  ASSERT_EQ(t.rows.size(), worked.trial.size());
  for (std::size_t i = 0; i < t.rows.size(); ++i) {
    EXPECT_EQ(t.rows[i].code, worked.trial[i].code);
    EXPECT_EQ(t.rows[i].account, worked.trial[i].account);
    ExpectRow(worked.trial[i], t.rows[i], worked.trial[i].code + " " + worked.trial[i].account);
  }
  ExpectRow(worked.totals, t.totals, "合计");
  EXPECT_TRUE(t.balanced());
}

TEST_F(WorkedMonthTest, StatementsAreTheOnesWorkedByHand) {
  Statement sheet = BalanceSheetOf(closed);
  ExpectStatement(sheet, worked.sheet, "资产负债表");
  EXPECT_TRUE(sheet.agrees);
  EXPECT_TRUE(sheet.left_out.empty());
  Statement income = IncomeStatementOf(closed);
  ExpectStatement(income, worked.income, "利润表");
  EXPECT_TRUE(income.agrees);
}

// Before 结转损益 the statements are the same: 未分配利润 takes the profit-and-loss balances, and
// the income statement reads the period's postings either way.
TEST_F(WorkedMonthTest, StatementsDoNotDependOnClosing) {
  ExpectStatement(BalanceSheetOf(open), worked.sheet, "资产负债表（未结转）");
  ExpectStatement(IncomeStatementOf(open), worked.income, "利润表（未结转）");
  // Before closing, the profit-and-loss accounts hold their balances and 本年利润 holds none.
  TrialBalance t = TrialOf(open);
  EXPECT_TRUE(t.balanced());
  EXPECT_EQ(t.totals.debit, worked.totals.debit - 31050000 - 25316655);
  for (const TrialRow& r : t.rows) EXPECT_NE(r.account, "本年利润");
}

TEST_F(WorkedMonthTest, ClosingEmptiesEveryProfitAndLossAccount) {
  ASSERT_EQ(closed.entries.size(), open.entries.size() + 2);
  const BookEntry& revenue = closed.entries[closed.entries.size() - 2];
  EXPECT_TRUE(revenue.closing);
  EXPECT_EQ(revenue.number, 32);
  EXPECT_EQ(revenue.date, "2026-12-31");
  for (const AccountFigures& f : FiguresOf(closed)) {
    if (IsProfitAndLoss(f.code)) {
      EXPECT_EQ(f.closing(), 0) << f.account;
    }
  }
  // Closing a closed book adds nothing.
  Book again = closed;
  CloseProfitAndLoss(again);
  EXPECT_EQ(again.entries.size(), closed.entries.size());
}

TEST_F(WorkedMonthTest, StatementLinesSayWhichAccountsFilledThem) {
  Statement sheet = BalanceSheetOf(closed);
  const StatementLine* cash = sheet.find("货币资金");
  ASSERT_NE(cash, nullptr);
  EXPECT_EQ(cash->how, "库存现金 5,700.00 + 银行存款 862,754.00");
  const StatementLine* receivable = sheet.find("应收账款");
  ASSERT_NE(receivable, nullptr);
  EXPECT_EQ(receivable->how, "应收账款（借方余额明细） 143,000.00 − 坏账准备 7,150.00");
  const StatementLine* fixed = sheet.find("固定资产");
  ASSERT_NE(fixed, nullptr);
  EXPECT_EQ(fixed->how, "固定资产 800,000.00 − 累计折旧 212,000.00");
  EXPECT_EQ(fixed->accounts, (std::vector<std::string>{"固定资产", "累计折旧"}));
}

TEST_F(WorkedMonthTest, SummaryAndLedgersAgreeWithTheTrialBalance) {
  AccountSummary s = SummaryOf(closed);
  EXPECT_EQ(s.first, 1);
  EXPECT_EQ(s.last, 33);
  EXPECT_EQ(s.debit, worked.totals.debit);
  EXPECT_EQ(s.credit, worked.totals.credit);
  TrialBalance t = TrialOf(closed);
  std::vector<Ledger> ledgers = LedgersOf(closed);
  ASSERT_EQ(ledgers.size(), t.rows.size());
  for (std::size_t i = 0; i < ledgers.size(); ++i) {
    const LedgerLine& total = ledgers[i].lines.back();
    EXPECT_EQ(total.kind, LedgerLine::Kind::Total);
    EXPECT_EQ(total.balance, t.rows[i].closingDebit - t.rows[i].closingCredit) << ledgers[i].account;
  }
  // 银行存款's ledger: the opening line, 14 postings, 本月合计.
  EXPECT_EQ(ledgers[1].account, "银行存款");
  EXPECT_EQ(ledgers[1].lines.size(), 16u);
  EXPECT_EQ(ledgers[1].lines[1].summary, "收到投资者追加投资");
  EXPECT_EQ(ledgers[1].lines[1].balance, 70000000);
}

// A student's answers to the shipped month (tests/cases/books/sample_month_answers.csv): each
// cell marked as worked by hand in its 批改 column, with the right figure of its 应为 column.
TEST_F(WorkedMonthTest, AnswersAreMarkedCellByCell) {
  std::string csv = ReadFile(std::string(VARNELLO_CASES_DIR) + "/books/sample_month_answers.csv");
  std::string error;
  std::optional<BookMarking> marking = MarkBook(closed, csv, error);
  ASSERT_TRUE(marking) << error;
  std::vector<CsvRecord> rows = ReadCsv(csv, error);
  ASSERT_EQ(marking->marks.size() + 1, rows.size());
  for (std::size_t i = 0; i < marking->marks.size(); ++i) {
    const BookMark& m = marking->marks[i];
    const std::vector<std::string>& want = rows[i + 1].fields;
    EXPECT_EQ(m.correct, want[4] == "对") << "line " << m.line << " " << m.item;
    if (m.problem.empty()) {
      EXPECT_EQ(m.right, FenText(want[5])) << "line " << m.line << " " << m.item;
    }
  }
  EXPECT_EQ(marking->right, 12);
  EXPECT_EQ(marking->wrong, 8);
  std::string text = MarkText(*marking, true);
  EXPECT_NE(
      text.find(
          "✗ 10 资产负债表 应收账款 期末余额 143,000.00，应为 135,850.00（由 应收账款、坏账准备 填列）"),
      std::string::npos)
      << text;
  EXPECT_NE(text.find("营业毛利"), std::string::npos);
  EXPECT_EQ(MarkText(*marking, false).find("应为"), std::string::npos);
}

// ---- Refusals ----

struct RefusalCase {
  std::string message;
  std::string line;
};

std::vector<RefusalCase> ReadRefusals() {
  std::istringstream in(ReadFile(std::string(VARNELLO_CASES_DIR) + "/books/refusals.txt"));
  std::vector<RefusalCase> cases;
  std::string line;
  while (std::getline(in, line)) {
    if (line.starts_with("refuse: ")) {
      RefusalCase c{line.substr(8), ""};
      std::getline(in, c.line);
      cases.push_back(c);
    }
  }
  return cases;
}

constexpr std::string_view kOpening =
    R"({"opening": [{"account": "银行存款", "side": "借", "amount": 1000}, {"account": "实收资本", "side": "贷", "amount": 1000}]})";
constexpr std::string_view kGood =
    R"({"entry": {"date": "2026-12-01", "rows": [{"account": "库存现金", "side": "debit", "amount": 10}, {"account": "银行存款", "side": "credit", "amount": 10}]}})";

TEST(BookRefusalsTest, EachBadLineIsRefusedWithItsLineNumberAndNothingOfItPosted) {
  std::vector<RefusalCase> cases = ReadRefusals();
  ASSERT_GE(cases.size(), 20u);
  for (const RefusalCase& c : cases) {
    std::string text = std::string(kOpening) + "\n" + std::string(kGood) + "\n" + c.line + "\n\n" +
                       std::string(kGood) + "\n";
    BookReading r = ReadBook(text);
    ASSERT_EQ(r.refused.size(), 1u) << c.line;
    EXPECT_EQ(r.refused[0].line, 3u) << c.line;
    EXPECT_EQ(r.refused[0].message, c.message) << c.line;
    EXPECT_EQ(r.book.entries.size(), 2u) << c.line;
    EXPECT_EQ(r.book.opening.size(), 2u) << c.line;
    TrialBalance t = TrialOf(r.book);
    EXPECT_TRUE(t.balanced()) << c.line;
    EXPECT_EQ(t.totals.debit, 2000) << c.line;
  }
}

TEST(BookRefusalsTest, AnUnbalancedOpeningIsRefusedWhole) {
  BookReading r = ReadBook(
      R"({"opening": [{"account": "银行存款", "side": "debit", "amount": 1000}, {"account": "实收资本", "side": "credit", "amount": 900}]})");
  ASSERT_EQ(r.refused.size(), 1u);
  EXPECT_EQ(r.refused[0].line, 1u);
  EXPECT_EQ(
      r.refused[0].message,
      "opening balances do not balance: debits 1,000.00 and credits 900.00 disagree (difference 100.00)");
  EXPECT_TRUE(r.book.opening.empty());
}

TEST(BookTest, AmountsAreFormattedAndKeptInFen) {
  const std::pair<Fen, std::string_view> kCases[] = {{0, "0.00"},          {5, "0.05"},
                                                     {-5, "-0.05"},        {123456789, "1,234,567.89"},
                                                     {100000, "1,000.00"}, {-100, "-1.00"}};
  for (auto [fen, text] : kCases) EXPECT_EQ(FormatFen(fen), text);
  EXPECT_EQ(PlainFen(250), "2.5");
  EXPECT_EQ(PlainFen(-1), "-0.01");
  // 0.1 + 0.2 typed as amounts still balances 0.3 to the 分.
  BookReading r = ReadBook(
      R"({"entry": {"rows": [{"account": "管理费用", "side": "debit", "amount": 0.1}, {"account": "销售费用", "side": "debit", "amount": 0.2}, {"account": "银行存款", "side": "credit", "amount": 0.3}]}})");
  EXPECT_TRUE(r.refused.empty());
}

TEST(BookTest, EntriesStandInDateOrderAndAnUndatedOneTakesTheDateBefore) {
  BookReading r = ReadBook(
      R"({"entry": {"date": "2026-12-09", "summary": "b", "rows": [{"account": "库存现金", "side": "debit", "amount": 1}, {"account": "银行存款", "side": "credit", "amount": 1}]}}
{"entry": {"summary": "c", "rows": [{"account": "库存现金", "side": "debit", "amount": 1}, {"account": "银行存款", "side": "credit", "amount": 1}]}}
{"entry": {"date": "2026-12-01", "summary": "a", "rows": [{"account": "库存现金", "side": "debit", "amount": 1}, {"account": "银行存款", "side": "credit", "amount": 1}]}})");
  ASSERT_EQ(r.book.entries.size(), 3u);
  EXPECT_EQ(r.book.entries[0].summary, "a");
  EXPECT_EQ(r.book.entries[1].summary, "b");
  EXPECT_EQ(r.book.entries[2].summary, "c");
  EXPECT_EQ(r.book.entries[2].date, "2026-12-09");
  EXPECT_EQ(r.book.entries[2].number, 3);
}

// A receivable with a credit balance is a 预收款项 and a payable with a debit balance a 预付款项,
// detail by detail (财会〔2019〕6号 编制说明).
TEST(BookTest, ReceivablesAndPayablesGoByTheSideOfEachDetail) {
  BookReading r = ReadBook(
      R"({"opening": [{"account": "应收账款-甲", "side": "debit", "amount": 500}, {"account": "应收账款-乙", "side": "credit", "amount": 200}, {"account": "预收账款-丙", "side": "debit", "amount": 30}, {"account": "应付账款-丁", "side": "debit", "amount": 40}, {"account": "应付账款-戊", "side": "credit", "amount": 100}, {"account": "预收账款-己", "side": "credit", "amount": 60}, {"account": "实收资本", "side": "credit", "amount": 210}]})");
  ASSERT_TRUE(r.refused.empty());
  Statement s = BalanceSheetOf(r.book);
  EXPECT_EQ(s.find("应收账款")->amount, 53000);
  EXPECT_EQ(s.find("预收款项")->amount, 26000);
  EXPECT_EQ(s.find("预付款项")->amount, 4000);
  EXPECT_EQ(s.find("应付账款")->amount, 10000);
  EXPECT_TRUE(s.agrees);
}

// ---- Sweep: every window's exercise presses, posted to one book ----

TEST(BookSweepTest, EveryWindowsExercisePressesKeepTheBookBalanced) {
  std::string text;
  std::size_t lines = 0;
  for (const WindowEntry& w : Windows()) {
    if (w.topic == nullptr) continue;
    for (std::uint64_t seed = 1; seed <= 3; ++seed) {
      std::string line = "{\"window\":";
      AppendJsonString(line, w.id.name());
      line += ",\"date\":\"2026-12-0" + std::to_string(seed) + "\",\"fields\":{";
      bool first = true;
      for (const auto& [n, value] : MakeExercise(*w.topic, seed)) {
        if (!first) line += ',';
        first = false;
        AppendJsonString(line, "Text" + std::to_string(n));
        line += ':';
        AppendJsonString(line, value);
      }
      text += line + "}}\n";
      ++lines;
    }
  }
  BookReading r = ReadBook(text);
  ASSERT_GT(lines, 300u);
  // Most presses post; those refused are refused for what they print, with their line.
  EXPECT_GT(r.book.entries.size(), lines) << r.refused.size() << " refused";
  for (const BookRefusal& refused : r.refused) {
    EXPECT_TRUE(refused.line >= 1 && refused.line <= lines);
    EXPECT_FALSE(refused.message.empty());
  }
  TrialBalance t = TrialOf(r.book);
  EXPECT_TRUE(t.balanced()) << "借 " << t.totals.debit << " 贷 " << t.totals.credit;
  // Assets less liabilities and equity is what the accounts no line takes hold, no more.
  Statement sheet = BalanceSheetOf(r.book);
  Fen leftOut = 0;
  for (const auto& [account, amount] : sheet.left_out) leftOut += amount;
  EXPECT_EQ(sheet.left - sheet.right + leftOut, 0);
  Statement income = IncomeStatementOf(r.book);
  Fen outside = 0;
  for (const auto& [account, amount] : income.left_out) outside += amount;
  EXPECT_EQ(income.left + outside, income.right);
  // Closing the whole lot leaves the statements as they were.
  Book closed = r.book;
  CloseProfitAndLoss(closed);
  EXPECT_TRUE(TrialOf(closed).balanced());
  EXPECT_EQ(BalanceSheetOf(closed).find("未分配利润")->amount, sheet.find("未分配利润")->amount);
  EXPECT_EQ(IncomeStatementOf(closed).find("四、净利润（净亏损以“－”号填列）")->amount,
            income.find("四、净利润（净亏损以“－”号填列）")->amount);
}

// The text, CSV and JSON of one small book.
TEST(BookRenderTest, ReportsRenderTheirFigures) {
  BookReading r = ReadBook(std::string(kOpening) + "\n" + std::string(kGood));
  std::string text = TextOf(TablesOf(r.book, BookReport::Trial));
  EXPECT_NE(text.find("\n1001      库存现金"), std::string::npos) << text;
  EXPECT_NE(text.find("试算平衡"), std::string::npos);
  std::string json = BookJson(r.book, {BookReport::Trial, BookReport::BalanceSheet}, {});
  EXPECT_NE(
      json.find(
          R"({"code":"1001","account":"库存现金","opening_debit":0,"opening_credit":0,"debit":10,"credit":0,"closing_debit":10,"closing_credit":0})"),
      std::string::npos)
      << json;
  EXPECT_NE(json.find(R"("balanced":true)"), std::string::npos);
  EXPECT_NE(json.find(R"({"line":"货币资金","closing":1000,)"), std::string::npos) << json;
  std::string csv = CsvOf(TablesOf(r.book, BookReport::Summary), false);
  EXPECT_NE(csv.find("1001,库存现金,10.00,\r\n"), std::string::npos) << csv;
}

}  // namespace
}  // namespace varnello
