// A book of accounts: opening balances and the month's entries (from presses of the windows or
// typed by hand), each row posted to its general account (总账科目) and detail through the chart
// of accounts. Read from a JSON-lines file; every report of the book is drawn from it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/accounts/chart.h"
#include "core/journal/journal.h"

namespace varnello {

// Amounts in a book are kept in 分, so that sums and balances add exactly.
using Fen = std::int64_t;

// "1,234.50", "-80.00": an amount in 元 with thousands separators and two decimals.
std::string FormatFen(Fen amount);
// "1234.5", "-80": the amount as a plain number, the shortest that reads back (JSON, CSV).
std::string PlainFen(Fen amount);

// One row of an entry or one opening balance, posted to its account.
struct Posting {
  std::string account;  // as written or printed
  std::string code;     // the general account's code
  std::string general;  // the general account's name
  std::string detail;   // the caption below the general account, empty for none
  Side side = Side::Debit;
  Fen amount = 0;
};

struct BookEntry {
  std::size_t line = 0;  // the line of the book it came from (from 1); 0 for one the book made
  std::string date;      // YYYY-MM-DD as given; an entry without a date takes the one before it
  std::string summary;   // 摘要
  std::string window;    // the window pressed; empty for an entry typed by hand
  std::vector<Posting> rows;
  bool closing = false;  // a closing entry of profit and loss (结转损益) made on request
  int number = 0;        // 记字第 N 号, from 1 in date order
};

// A line of the book that was not posted, with why.
struct BookRefusal {
  std::size_t line = 0;
  std::string message;
};

struct Book {
  std::vector<Posting> opening;
  std::vector<BookEntry> entries;  // in date order (file order within a day), numbered
};

struct BookReading {
  Book book;
  std::vector<BookRefusal> refused;
};

// Reads a book, one JSON object a line (blank lines skipped):
//   {"opening": [{"account", "side", "amount"}, …]}      opening balances, only as the first line;
//   {"window", "fields", "entries", "rules", "date", "summary"}  the chosen entries of a press
//                                                          (all when "entries" is absent);
//   {"entry": {"date", "summary", "rows": [{"account", "side", "amount"}]}}  an entry by hand.
// A line that is malformed, names an unknown account or window, or gives an entry whose debits
// and credits disagree is refused whole (nothing of it is posted) and told with its line number;
// the other lines are read on. `side` is "debit"/"credit" or 借/贷; amounts are numbers of 元.
BookReading ReadBook(std::string_view text, const Chart& chart = Chart::Standard());

// Whether an account of this code is a profit-and-loss account (损益类, codes 6xxx).
bool IsProfitAndLoss(std::string_view code);

// The closing entries of profit and loss (结转损益) dated on the book's last date: the credit
// balances of the revenue and gain accounts to 本年利润, then 本年利润 to the debit balances of the
// cost, expense and loss accounts (初级会计实务, 利润的结转: 账结法 at month end). None when
// every profit-and-loss account stands at zero.
void CloseProfitAndLoss(Book& book);

}  // namespace varnello
