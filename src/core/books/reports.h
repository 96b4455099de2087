// What a book shows: the trial balance (试算平衡表), the account summary (科目汇总表), three-column
// ledgers (三栏式总账), T-accounts, and the balance sheet and income statement in the layout of
// 财会〔2019〕6号 for general enterprises, each statement line with the accounts that filled it.
#pragma once

#include <string>
#include <vector>

#include "core/books/book.h"

namespace varnello {

// A general account's figures over the book: opening balance and closing balance as debit less
// credit, the period's debit and credit sums.
struct AccountFigures {
  std::string code;
  std::string account;
  Fen opening = 0;
  Fen debit = 0;
  Fen credit = 0;
  Fen closing() const { return opening + debit - credit; }
};
// Every general account the book posts to or opens with, by code.
std::vector<AccountFigures> FiguresOf(const Book& book);

struct TrialRow {
  std::string code;
  std::string account;
  Fen openingDebit = 0, openingCredit = 0;
  Fen debit = 0, credit = 0;
  Fen closingDebit = 0, closingCredit = 0;
};
struct TrialBalance {
  std::vector<TrialRow> rows;  // by code
  TrialRow totals;             // 合计
  bool openingAgrees = true, periodAgrees = true, closingAgrees = true;
  bool balanced() const { return openingAgrees && periodAgrees && closingAgrees; }
};
// A balance stands in the column of its side (借 for debit less credit above zero).
TrialBalance TrialOf(const Book& book);

// 科目汇总表: each general account's debit and credit sums over the vouchers 记 first to last.
struct SummaryRow {
  std::string code;
  std::string account;
  Fen debit = 0, credit = 0;
};
struct AccountSummary {
  std::vector<SummaryRow> rows;
  Fen debit = 0, credit = 0;
  int first = 0, last = 0;  // 凭证起讫号 (0 when the book has no entry)
};
AccountSummary SummaryOf(const Book& book);

// 三栏式 ledger of a general account: 期初余额, each posting, then 本月合计.
struct LedgerLine {
  enum class Kind { Opening, Posting, Total };
  Kind kind = Kind::Posting;
  std::string date;
  int voucher = 0;  // 记 N; 0 on the opening and total lines
  std::string summary;
  Fen debit = 0, credit = 0;
  Fen balance = 0;  // debit less credit after the line
};
struct Ledger {
  std::string code;
  std::string account;
  std::vector<LedgerLine> lines;
};
std::vector<Ledger> LedgersOf(const Book& book);

// T-account: opening, postings by side (voucher number and amount), sums and closing balance.
struct TAccount {
  std::string code;
  std::string account;
  Fen opening = 0;  // debit less credit
  std::vector<std::pair<int, Fen>> debits, credits;
  Fen debit = 0, credit = 0;
  Fen closing() const { return opening + debit - credit; }
};
std::vector<TAccount> TAccountsOf(const Book& book);

// A statement line: its caption as the format prints it, the amount, and how it was filled (the
// accounts and details with their part, "银行存款 500,000.00 + 库存现金 2,000.00 − 坏账准备 1,000.00").
struct StatementLine {
  enum class Kind { Heading, Item, Total };
  Kind kind = Kind::Item;
  std::string line;
  Fen amount = 0;
  std::string how;
  std::vector<std::string> accounts;  // the general accounts that fed it
};
struct Statement {
  std::vector<StatementLine> lines;
  // The balance sheet: 资产总计 and 负债和所有者权益总计, and whether they agree. The income
  // statement: 净利润 and the profit and loss its accounts show, and whether they agree.
  Fen left = 0, right = 0;
  bool agrees = true;
  // General accounts with a balance (or, in the income statement, the period's profit or loss)
  // that no line takes, with the amount.
  std::vector<std::pair<std::string, Fen>> left_out;
  const StatementLine* find(std::string_view line) const;
};
// 资产负债表 (会企01表), 期末余额 from the closing balances.
Statement BalanceSheetOf(const Book& book);
// 利润表 (会企02表), 本期金额 from the period's postings to the profit-and-loss accounts, closing
// entries (those that post 本年利润 against them) left out.
Statement IncomeStatementOf(const Book& book);

}  // namespace varnello
