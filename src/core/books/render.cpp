#include "core/books/render.h"

#include <algorithm>
#include <cstdint>

#include "core/books/reports.h"
#include "core/entries/table.h"
#include "core/files/csv.h"
#include "core/json/json_writer.h"

namespace varnello {

namespace {

constexpr struct {
  BookReport report;
  std::string_view name;
} kNames[] = {
    {BookReport::Trial, "trial"},
    {BookReport::Summary, "summary"},
    {BookReport::Ledger, "ledger"},
    {BookReport::TAccounts, "t-accounts"},
    {BookReport::BalanceSheet, "balance-sheet"},
    {BookReport::Income, "income"},
};

// An amount cell: empty for zero, as a ledger leaves a column blank.
std::string Cell(Fen amount) {
  return amount == 0 ? std::string() : FormatFen(amount);
}

// 借, 贷 or 平 for a balance of debit less credit.
std::string SideOf(Fen balance) {
  return balance > 0 ? "借" : balance < 0 ? "贷" : "平";
}
Fen Magnitude(Fen v) {
  return v < 0 ? -v : v;
}

std::string Voucher(int number) {
  return number == 0 ? std::string() : "记" + std::to_string(number);
}

std::string Agreement(std::string_view what, Fen a, Fen b) {
  return std::string(what) +
         (a == b ? "：借贷相等 " + FormatFen(a) : "：不平，借方 " + FormatFen(a) + "，贷方 " + FormatFen(b));
}

ReportTable Trial(const Book& book) {
  TrialBalance t = TrialOf(book);
  ReportTable table;
  table.title = "试算平衡表";
  table.header = {"科目编码",         "科目名称",         "期初余额（借）", "期初余额（贷）",
                  "本期发生额（借）", "本期发生额（贷）", "期末余额（借）", "期末余额（贷）"};
  table.amounts = {false, false, true, true, true, true, true, true};
  auto row = [](const TrialRow& r) {
    return std::vector<std::string>{
        r.code,        r.account,      Cell(r.openingDebit), Cell(r.openingCredit),
        Cell(r.debit), Cell(r.credit), Cell(r.closingDebit), Cell(r.closingCredit)};
  };
  for (const TrialRow& r : t.rows) table.rows.push_back(row(r));
  std::vector<std::string> totals = row(t.totals);
  for (std::size_t i = 2; i < totals.size(); ++i) {
    if (totals[i].empty()) totals[i] = "0.00";
  }
  table.rows.push_back(totals);
  table.notes.push_back(Agreement("期初余额", t.totals.openingDebit, t.totals.openingCredit));
  table.notes.push_back(Agreement("本期发生额", t.totals.debit, t.totals.credit));
  table.notes.push_back(Agreement("期末余额", t.totals.closingDebit, t.totals.closingCredit));
  table.notes.push_back(t.balanced() ? "试算平衡" : "试算不平衡");
  return table;
}

ReportTable Summary(const Book& book) {
  AccountSummary s = SummaryOf(book);
  ReportTable table;
  table.title = "科目汇总表";
  table.header = {"科目编码", "科目", "借方发生额", "贷方发生额"};
  table.amounts = {false, false, true, true};
  for (const SummaryRow& r : s.rows) table.rows.push_back({r.code, r.account, Cell(r.debit), Cell(r.credit)});
  table.rows.push_back({"", "合计", FormatFen(s.debit), FormatFen(s.credit)});
  table.notes.push_back("凭证起讫号：" +
                        (s.first == 0 ? std::string("无") : Voucher(s.first) + " 至 " + Voucher(s.last)));
  table.notes.push_back(Agreement("发生额合计", s.debit, s.credit));
  return table;
}

std::vector<ReportTable> Ledgers(const Book& book) {
  std::vector<ReportTable> out;
  for (const Ledger& l : LedgersOf(book)) {
    ReportTable table;
    table.title = "总分类账 " + l.code + " " + l.account;
    table.header = {"日期", "凭证字号", "摘要", "借方", "贷方", "借或贷", "余额"};
    table.amounts = {false, false, false, true, true, false, true};
    for (const LedgerLine& line : l.lines) {
      table.rows.push_back({line.date, Voucher(line.voucher), line.summary, Cell(line.debit),
                            Cell(line.credit), SideOf(line.balance),
                            line.balance == 0 ? "0" : FormatFen(Magnitude(line.balance))});
    }
    out.push_back(std::move(table));
  }
  return out;
}

std::vector<ReportTable> TAccounts(const Book& book) {
  std::vector<ReportTable> out;
  for (const TAccount& t : TAccountsOf(book)) {
    ReportTable table;
    table.title = "T字账 " + t.code + " " + t.account;
    table.header = {"借方", "", "贷方", ""};
    table.amounts = {false, true, false, true};
    if (t.opening != 0) {
      bool debit = t.opening > 0;
      table.rows.push_back({debit ? "期初余额" : "", debit ? FormatFen(t.opening) : "",
                            debit ? "" : "期初余额", debit ? "" : FormatFen(-t.opening)});
    }
    std::size_t n = std::max(t.debits.size(), t.credits.size());
    for (std::size_t i = 0; i < n; ++i) {
      std::vector<std::string> row(4);
      if (i < t.debits.size())
        row[0] = "（" + Voucher(t.debits[i].first) + "）", row[1] = FormatFen(t.debits[i].second);
      if (i < t.credits.size())
        row[2] = "（" + Voucher(t.credits[i].first) + "）", row[3] = FormatFen(t.credits[i].second);
      table.rows.push_back(std::move(row));
    }
    table.rows.push_back({"本期发生额", FormatFen(t.debit), "本期发生额", FormatFen(t.credit)});
    Fen closing = t.closing();
    bool debit = closing >= 0;
    table.rows.push_back({debit ? "期末余额" : "", debit ? FormatFen(closing) : "", debit ? "" : "期末余额",
                          debit ? "" : FormatFen(-closing)});
    out.push_back(std::move(table));
  }
  return out;
}

ReportTable StatementTable(const Statement& s, std::string title, std::string column) {
  ReportTable table;
  table.title = std::move(title);
  table.header = {"项目", std::move(column), "填列"};
  table.amounts = {false, true, false};
  for (const StatementLine& l : s.lines) {
    std::string caption = l.kind == StatementLine::Kind::Item ? "  " + l.line : l.line;
    table.rows.push_back({caption, l.kind == StatementLine::Kind::Heading ? "" : FormatFen(l.amount), l.how});
  }
  for (const auto& [account, amount] : s.left_out) {
    table.notes.push_back("未列入任何项目：" + account + " " + FormatFen(amount));
  }
  return table;
}

ReportTable BalanceSheet(const Book& book) {
  Statement s = BalanceSheetOf(book);
  ReportTable table = StatementTable(s, "资产负债表（会企01表）", "期末余额");
  table.notes.insert(table.notes.begin(), s.agrees ? "资产总计 = 负债和所有者权益总计 = " + FormatFen(s.left)
                                                   : "资产总计 " + FormatFen(s.left) +
                                                         " ≠ 负债和所有者权益总计 " + FormatFen(s.right));
  return table;
}

ReportTable Income(const Book& book) {
  Statement s = IncomeStatementOf(book);
  ReportTable table = StatementTable(s, "利润表（会企02表）", "本期金额");
  table.notes.insert(table.notes.begin(),
                     s.agrees ? "净利润与损益类账户相符：" + FormatFen(s.left)
                              : "净利润 " + FormatFen(s.left) + " ≠ 损益类账户净额 " + FormatFen(s.right));
  return table;
}

}  // namespace

std::size_t DisplayWidth(std::string_view text) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < text.size();) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    std::uint32_t cp = c;
    std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    if (n > 1 && i + n <= text.size()) {
      cp = c & (0xFF >> (n + 1));
      for (std::size_t k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    bool wide = (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
                (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
                (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
                (cp >= 0xFFE0 && cp <= 0xFFE6) || (cp >= 0x20000 && cp <= 0x3FFFD);
    width += wide ? 2 : 1;
    i += n;
  }
  return width;
}
namespace {

void TrialJson(JsonWriter& json, const Book& book) {
  TrialBalance t = TrialOf(book);
  auto six = [&](const TrialRow& r) {
    json.key("opening_debit").amount(static_cast<double>(r.openingDebit) / 100);
    json.key("opening_credit").amount(static_cast<double>(r.openingCredit) / 100);
    json.key("debit").amount(static_cast<double>(r.debit) / 100);
    json.key("credit").amount(static_cast<double>(r.credit) / 100);
    json.key("closing_debit").amount(static_cast<double>(r.closingDebit) / 100);
    json.key("closing_credit").amount(static_cast<double>(r.closingCredit) / 100);
  };
  json.key("trial").beginObject().key("rows").beginArray();
  for (const TrialRow& r : t.rows) {
    json.beginObject().key("code").string(r.code).key("account").string(r.account);
    six(r);
    json.endObject();
  }
  json.endArray().key("totals").beginObject();
  six(t.totals);
  json.endObject().key("balanced").boolean(t.balanced()).endObject();
}

void StatementJson(JsonWriter& json, const Statement& s, std::string_view column) {
  json.key("lines").beginArray();
  for (const StatementLine& l : s.lines) {
    if (l.kind == StatementLine::Kind::Heading) continue;
    json.beginObject().key("line").string(l.line).key(column).amount(static_cast<double>(l.amount) / 100);
    json.key("accounts").beginArray();
    for (const std::string& a : l.accounts) json.string(a);
    json.endArray().key("how").string(l.how).endObject();
  }
  json.endArray();
  json.key("left_out").beginArray();
  for (const auto& [account, amount] : s.left_out) {
    json.beginObject().key("account").string(account).key("amount").amount(static_cast<double>(amount) / 100);
    json.endObject();
  }
  json.endArray();
}

}  // namespace

std::optional<BookReport> BookReportNamed(std::string_view name) {
  for (const auto& n : kNames) {
    if (n.name == name) return n.report;
  }
  return std::nullopt;
}

std::string_view BookReportName(BookReport report) {
  for (const auto& n : kNames) {
    if (n.report == report) return n.name;
  }
  return {};
}

std::vector<ReportTable> TablesOf(const Book& book, BookReport report) {
  switch (report) {
    case BookReport::Trial:
      return {Trial(book)};
    case BookReport::Summary:
      return {Summary(book)};
    case BookReport::Ledger:
      return Ledgers(book);
    case BookReport::TAccounts:
      return TAccounts(book);
    case BookReport::BalanceSheet:
      return {BalanceSheet(book)};
    case BookReport::Income:
      return {Income(book)};
  }
  return {};
}

std::string TextOf(const std::vector<ReportTable>& tables) {
  std::string out;
  for (const ReportTable& t : tables) {
    if (!out.empty()) out += '\n';
    out += t.title + '\n';
    std::vector<std::size_t> widths(t.header.size(), 0);
    auto measure = [&](const std::vector<std::string>& row) {
      for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i)
        widths[i] = std::max(widths[i], DisplayWidth(row[i]));
    };
    measure(t.header);
    for (const auto& row : t.rows) measure(row);
    auto line = [&](const std::vector<std::string>& row) {
      std::string text;
      for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i) {
        std::size_t pad = widths[i] - DisplayWidth(row[i]);
        bool right = i < t.amounts.size() && t.amounts[i];
        if (i > 0) text += "  ";
        if (right) text += std::string(pad, ' ');
        text += row[i];
        if (!right) text += std::string(pad, ' ');
      }
      while (!text.empty() && text.back() == ' ') text.pop_back();
      out += text + '\n';
    };
    line(t.header);
    for (const auto& row : t.rows) line(row);
    for (const std::string& note : t.notes) out += note + '\n';
  }
  return out;
}

std::string CsvOf(const std::vector<ReportTable>& tables, bool bom) {
  std::string out = bom ? "\xEF\xBB\xBF" : "";
  bool first = true;
  for (const ReportTable& t : tables) {
    if (!first) out += "\r\n";
    first = false;
    AppendCsvRow(out, {t.title});
    AppendCsvRow(out, t.header);
    for (const auto& row : t.rows) AppendCsvRow(out, row);
    for (const std::string& note : t.notes) AppendCsvRow(out, {note});
  }
  return out;
}

std::string HtmlOf(const std::vector<ReportTable>& tables) {
  std::string out;
  for (const ReportTable& t : tables) {
    out += "<h3>" + EscapeHtml(t.title) +
           "</h3>\n<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr>";
    for (const std::string& h : t.header) out += "<th>" + EscapeHtml(h) + "</th>";
    out += "</tr>\n";
    for (const auto& row : t.rows) {
      out += "<tr>";
      for (std::size_t c = 0; c < row.size(); ++c) {
        bool right = c < t.amounts.size() && t.amounts[c];
        // Leading spaces indent a statement's items; HTML would fold them away.
        std::size_t indent = row[c].find_first_not_of(' ');
        indent = indent == std::string::npos ? 0 : indent;
        std::string cell;
        for (std::size_t k = 0; k < indent; ++k) cell += "&#160;";
        cell += EscapeHtml(std::string_view(row[c]).substr(indent));
        out += (right ? "<td align=\"right\">" : "<td>") + cell + "</td>";
      }
      out += "</tr>\n";
    }
    out += "</table>\n";
    for (const std::string& note : t.notes) out += "<p>" + EscapeHtml(note) + "</p>\n";
  }
  return out;
}

std::string BookJson(const Book& book, const std::vector<BookReport>& reports,
                     const std::vector<BookRefusal>& refused) {
  std::string out;
  JsonWriter json(out);
  json.beginObject();
  auto asked = [&](BookReport r) { return std::find(reports.begin(), reports.end(), r) != reports.end(); };
  if (asked(BookReport::Trial)) TrialJson(json, book);
  if (asked(BookReport::Summary)) {
    AccountSummary s = SummaryOf(book);
    json.key("summary").beginObject().key("rows").beginArray();
    for (const SummaryRow& r : s.rows) {
      json.beginObject().key("code").string(r.code).key("account").string(r.account).key("debit").amount(
          static_cast<double>(r.debit) / 100);
      json.key("credit").amount(static_cast<double>(r.credit) / 100);
      json.endObject();
    }
    json.endArray().key("debit").amount(static_cast<double>(s.debit) / 100);
    json.key("credit").amount(static_cast<double>(s.credit) / 100);
    json.key("first").integer(s.first).key("last").integer(s.last).endObject();
  }
  if (asked(BookReport::Ledger)) {
    json.key("ledgers").beginArray();
    for (const Ledger& l : LedgersOf(book)) {
      json.beginObject()
          .key("code")
          .string(l.code)
          .key("account")
          .string(l.account)
          .key("lines")
          .beginArray();
      for (const LedgerLine& line : l.lines) {
        json.beginObject().key("date").string(line.date).key("voucher").integer(line.voucher);
        json.key("summary").string(line.summary).key("debit").amount(static_cast<double>(line.debit) / 100);
        json.key("credit").amount(static_cast<double>(line.credit) / 100);
        json.key("side")
            .string(SideOf(line.balance))
            .key("balance")
            .amount(static_cast<double>(Magnitude(line.balance)) / 100);
        json.endObject();
      }
      json.endArray().endObject();
    }
    json.endArray();
  }
  if (asked(BookReport::TAccounts)) {
    json.key("t_accounts").beginArray();
    for (const TAccount& t : TAccountsOf(book)) {
      json.beginObject().key("code").string(t.code).key("account").string(t.account).key("opening").amount(
          static_cast<double>(t.opening) / 100);
      for (auto [name, side] : {std::pair{"debits", &t.debits}, std::pair{"credits", &t.credits}}) {
        json.key(name).beginArray();
        for (const auto& [voucher, amount] : *side) {
          json.beginObject().key("voucher").integer(voucher).key("amount").amount(
              static_cast<double>(amount) / 100);
          json.endObject();
        }
        json.endArray();
      }
      json.key("closing").amount(static_cast<double>(t.closing()) / 100);
      json.endObject();
    }
    json.endArray();
  }
  if (asked(BookReport::BalanceSheet)) {
    Statement s = BalanceSheetOf(book);
    json.key("balance_sheet").beginObject();
    StatementJson(json, s, "closing");
    json.key("balanced").boolean(s.agrees).endObject();
  }
  if (asked(BookReport::Income)) {
    Statement s = IncomeStatementOf(book);
    json.key("income_statement").beginObject();
    StatementJson(json, s, "amount");
    json.key("agrees_with_accounts").boolean(s.agrees).endObject();
  }
  if (!refused.empty()) {
    json.key("refused").beginArray();
    for (const BookRefusal& r : refused) {
      json.beginObject().key("line").integer(r.line).key("message").string(r.message).endObject();
    }
    json.endArray();
  }
  json.endObject();
  out += '\n';
  return out;
}

std::string RefusalText(std::string_view file, const std::vector<BookRefusal>& refused) {
  std::string out;
  for (const BookRefusal& r : refused)
    out += std::string(file) + ":" + std::to_string(r.line) + ": " + r.message + '\n';
  return out;
}

}  // namespace varnello
