#include "core/books/mark.h"

#include <charconv>
#include <cmath>

#include "core/books/reports.h"
#include "core/files/csv.h"
#include "core/journal/number_text.h"

namespace varnello {

namespace {

std::string Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return std::string(s);
}

// "1,234.50", "-3150", "" (0) as 分; none for any other text.
std::optional<Fen> AmountOf(std::string_view text) {
  std::string plain;
  for (char c : Trim(text)) {
    if (c != ',') plain += c;
  }
  if (plain.empty()) return 0;
  double value = 0;
  auto [end, ec] = ReadDouble(plain.data(), plain.data() + plain.size(), value);
  if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value) ||
      std::fabs(value) > 1e13) {
    return std::nullopt;
  }
  return static_cast<Fen>(std::llround(value * 100));
}

// A caption as the student may write it: without a leading "一、" or "减：" / "加：" / "其中："
// and without a parenthesised remark.
std::string Bare(std::string_view caption) {
  std::string s = Trim(caption);
  for (std::string_view lead :
       {"一、", "二、", "三、", "四、", "五、", "六、", "减：", "加：", "其中：", "（一）", "（二）"}) {
    if (s.starts_with(lead)) s.erase(0, lead.size());
  }
  for (std::string_view open : {"（", "("}) {
    std::size_t at = s.find(open);
    if (at != std::string::npos && at > 0) s.resize(at);
  }
  return s;
}

const StatementLine* FindLine(const Statement& s, std::string_view item) {
  std::string want = Bare(item);
  for (const StatementLine& l : s.lines) {
    if (l.kind != StatementLine::Kind::Heading && (l.line == item || Bare(l.line) == want)) return &l;
  }
  return nullptr;
}

std::string Joined(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& n : names) out += (out.empty() ? "" : "、") + n;
  return out;
}

}  // namespace

std::optional<BookMarking> MarkBook(const Book& book, std::string_view csv, std::string& error) {
  if (csv.starts_with("\xEF\xBB\xBF")) csv.remove_prefix(3);
  std::vector<CsvRecord> records = ReadCsv(csv, error);
  if (!error.empty()) return std::nullopt;
  TrialBalance trial = TrialOf(book);
  Statement sheet = BalanceSheetOf(book);
  Statement income = IncomeStatementOf(book);
  BookMarking marking;
  bool first = true;
  for (const CsvRecord& record : records) {
    std::vector<std::string> cells;
    for (const std::string& c : record.fields) cells.push_back(Trim(c));
    bool blank = true;
    for (const std::string& c : cells) blank = blank && c.empty();
    if (blank) continue;
    cells.resize(std::max<std::size_t>(cells.size(), 4));
    // A header row names its columns.
    if (first && (cells[0] == "表" || cells[0] == "report")) {
      first = false;
      continue;
    }
    first = false;
    BookMark m;
    m.line = record.line;
    m.item = cells[1];
    m.column = cells[2];
    std::optional<Fen> given = AmountOf(cells[3]);
    if (!given) m.problem = "金额“" + cells[3] + "”不是数字";
    m.given = given.value_or(0);
    const std::string& report = cells[0];
    if (report == "试算平衡表" || report == "trial") {
      m.report = "试算平衡表";
      const TrialRow* row = nullptr;
      if (m.item == "合计") row = &trial.totals;
      for (const TrialRow& r : trial.rows) {
        if (r.code == m.item || r.account == m.item || r.code + " " + r.account == m.item) row = &r;
      }
      constexpr std::pair<std::string_view, std::string_view> kColumns[] = {
          {"期初借方", "opening_debit"}, {"期初贷方", "opening_credit"}, {"本期借方", "debit"},
          {"本期贷方", "credit"},        {"期末借方", "closing_debit"},  {"期末贷方", "closing_credit"}};
      int column = -1;
      for (int i = 0; i < 6; ++i) {
        if (m.column == kColumns[i].first || m.column == kColumns[i].second) column = i;
      }
      if (row == nullptr) {
        // An account the book never touches stands at 0 in every column.
        m.right = 0;
        m.feeds = "本账簿没有“" + m.item + "”的余额或发生额";
      } else {
        const Fen figures[] = {row->openingDebit, row->openingCredit, row->debit,
                               row->credit,       row->closingDebit,  row->closingCredit};
        if (column >= 0) m.right = figures[column];
        m.feeds = row == &trial.totals ? "各科目该栏之和" : "见“" + row->account + "”的总分类账";
        m.item = row == &trial.totals ? "合计" : row->code + " " + row->account;
      }
      if (column < 0 && m.problem.empty()) m.problem = "栏“" + m.column + "”不是试算平衡表的栏";
    } else if (report == "资产负债表" || report == "balance-sheet" || report == "利润表" ||
               report == "income") {
      bool isSheet = report == "资产负债表" || report == "balance-sheet";
      m.report = isSheet ? "资产负债表" : "利润表";
      const Statement& s = isSheet ? sheet : income;
      const StatementLine* l = FindLine(s, m.item);
      if (l == nullptr) {
        if (m.problem.empty()) m.problem = "“" + m.item + "”不是" + m.report + "的项目";
      } else {
        m.item = l->line;
        m.right = l->amount;
        m.feeds = l->accounts.empty() ? l->how : "由 " + Joined(l->accounts) + " 填列";
        if (m.feeds.empty()) m.feeds = "本账簿没有填列它的科目";
      }
      if (m.column.empty()) m.column = isSheet ? "期末余额" : "本期金额";
    } else if (m.problem.empty()) {
      m.problem = "表“" + report + "”不是试算平衡表、资产负债表或利润表";
    }
    m.correct = m.problem.empty() && m.given == m.right;
    (m.correct ? marking.right : marking.wrong) += 1;
    marking.marks.push_back(std::move(m));
  }
  return marking;
}

std::string MarkText(const BookMarking& marking, bool reveal) {
  std::string out;
  for (const BookMark& m : marking.marks) {
    out += (m.correct ? "✓ " : "✗ ") + std::to_string(m.line) + " " + m.report + " " + m.item + " " +
           m.column + " " + FormatFen(m.given);
    if (!m.problem.empty()) {
      out += "：" + m.problem;
    } else if (!m.correct) {
      if (reveal) out += "，应为 " + FormatFen(m.right);
      out += "（" + m.feeds + "）";
    }
    out += '\n';
  }
  out += "对 " + std::to_string(marking.right) + " 格，错 " + std::to_string(marking.wrong) + " 格\n";
  return out;
}

}  // namespace varnello
