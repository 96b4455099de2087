// Entries as a table, the one renderer of every entry table: tab-separated text and CSV for
// spreadsheets, HTML for a paste into a word processor and for a printout.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/entries/entries.h"

namespace varnello {

// Columns 摘要, 会计科目, 借方金额, 贷方金额, 其他金额: one row per entry row, the heading in the
// first row of its entry (an entry without rows is a row of its heading alone), the amount in the
// column of its side (其他金额 for a figure without a side), as a plain number.
struct EntryTable {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;
  // What each row is, when not every row is a row of an entry (HTML sets 合计 rows apart).
  enum class Row { Posting, HeadingAlone, Total };
  std::vector<Row> kinds = {};
};
struct TableOptions {
  // Which entries are followed by a 合计 row of their sums: none; those that do not balance, with
  // the flag UnbalancedFlag in 其他金额; or every entry with a row on a side, a flag "⚠ " +
  // UnbalancedFlag after 合计 when it does not balance (as printed).
  enum class Totals { None, Unbalanced, Sided };
  Totals totals = Totals::None;
  // 其他金额 only when some row has an amount without a side.
  bool otherWhenUsed = false;
};
EntryTable TableOf(const std::vector<Entry>& entries, const TableOptions& options);
// With `flagUnbalanced`, Totals::Unbalanced.
EntryTable TableOf(const std::vector<Entry>& entries, bool flagUnbalanced = false);

// "借贷不平，差额 X": the flag of an entry that does not balance, X being debit less credit.
std::string UnbalancedFlag(const EntryBalance& balance);

// What is said of an entry that does not balance: 借贷不平, then 借方合计, 贷方合计 and 差额 one a
// line; when each of its figures is a field read as typed (`exprs` gives the working expression of
// printed lines by line index, "Text3" for such a figure) the likely cause, that the figures typed
// disagree, with the fields on each side by their captions.
std::string UnbalancedNote(const Entry& entry, const std::map<std::size_t, std::string>& exprs,
                           const std::map<int, std::string>& captions);

// Sums of an entry's debit and of its credit amounts.
struct EntryTotals {
  double debit = 0;
  double credit = 0;
};
EntryTotals TotalsOf(const Entry& entry);

// Tab-separated lines ending in "\n"; tabs and line breaks inside a cell become spaces.
std::string ToTsv(const EntryTable& table);
// RFC 4180: CRLF line ends; a cell with a comma, quote or line break in double quotes, its quotes
// doubled. With `bom`, starts with the UTF-8 byte-order mark that spreadsheet programs on Windows
// need to read the text as UTF-8.
std::string ToCsv(const EntryTable& table, bool bom);
struct HtmlOptions {
  // A complete HTML document holding the table, one row a line, amount columns right-aligned in
  // the header too (for the clipboard); else the table alone, on one line, for a printout's page.
  bool document = true;
  std::string_view tableAttributes = "border=\"1\"";
  // 合计 rows with their caption and sums in bold (a printout).
  bool boldTotals = false;
};
// Text for HTML: &, <, > and " escaped, so that it stands as text in content and quoted attributes.
std::string EscapeHtml(std::string_view text);
// The table in HTML, with the text escaped.
std::string ToHtml(const EntryTable& table, const HtmlOptions& options = {});

}  // namespace varnello
