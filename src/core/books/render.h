// A book's reports as tables of text (the one form every output is made from: aligned text, CSV,
// a workbook's sheets, PDF pages, the windows' tables) and as JSON.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/books/book.h"

namespace varnello {

enum class BookReport { Trial, Summary, Ledger, TAccounts, BalanceSheet, Income };
// Every report, in the order "all" shows them.
inline constexpr BookReport kBookReports[] = {BookReport::TAccounts,    BookReport::Summary,
                                              BookReport::Ledger,       BookReport::Trial,
                                              BookReport::BalanceSheet, BookReport::Income};
// "trial", "summary", "ledger", "t-accounts", "balance-sheet", "income".
std::optional<BookReport> BookReportNamed(std::string_view name);
std::string_view BookReportName(BookReport report);

struct ReportTable {
  std::string title;  // 试算平衡表, 总分类账 1002 银行存款 …
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;
  std::vector<bool> amounts;       // which columns hold amounts (right-aligned)
  std::vector<std::string> notes;  // lines below the table: checks, what was left out
};
std::vector<ReportTable> TablesOf(const Book& book, BookReport report);

// How many terminal columns a text takes: a Han character or full-width form two, others one.
std::size_t DisplayWidth(std::string_view text);

// The tables as text for a terminal: columns aligned by display width (a Han character is two
// columns wide), each table under its title, a blank line between tables.
std::string TextOf(const std::vector<ReportTable>& tables);
// The tables as CSV (RFC 4180, CRLF), the title a row of its own, a blank row between tables.
std::string CsvOf(const std::vector<ReportTable>& tables, bool bom);

// The tables as HTML (each under its title in <h3>, the notes in <p>), the text escaped, amount
// columns right-aligned: for a window's view and its printout.
std::string HtmlOf(const std::vector<ReportTable>& tables);

// The book's reports as one JSON object: "trial", "summary", "ledgers", "t_accounts",
// "balance_sheet", "income_statement" (those asked for), and "refused" when lines were.
std::string BookJson(const Book& book, const std::vector<BookReport>& reports,
                     const std::vector<BookRefusal>& refused);

// "第 3 行：…" lines for the refused lines of a book, one a line.
std::string RefusalText(std::string_view file, const std::vector<BookRefusal>& refused);

}  // namespace varnello
