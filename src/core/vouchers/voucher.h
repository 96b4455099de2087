// Entries as vouchers (记账凭证) for the books: one voucher per balanced entry, its lines with
// account codes and amounts in whole 分, and the rows of the import file of accounting software.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/accounts/chart.h"
#include "core/entries/entries.h"

namespace varnello {

// What the user chooses for a set of vouchers.
struct VoucherOptions {
  std::string date;  // YYYY-MM-DD
  std::string word = "记";
  int firstNumber = 1;
  int attachments = 0;  // 附单据 张, the same for each voucher
  std::string preparer;
};

struct VoucherLine {
  AccountCode account;
  std::int64_t debit = 0;  // in 分; the other side is 0
  std::int64_t credit = 0;
};

struct Voucher {
  int number = 0;
  std::string summary;  // the entry's heading
  std::vector<VoucherLine> lines;
  std::int64_t debit = 0;  // the totals, equal
  std::int64_t credit = 0;
  std::size_t entry = 0;  // index of the entry it books
};

// An entry that is not booked, and why (in the words shown to the user).
struct RefusedEntry {
  std::size_t entry = 0;
  std::string heading;
  std::string reason;
};

struct VoucherSet {
  std::vector<Voucher> vouchers;
  std::vector<RefusedEntry> refused;
};

// The vouchers of the entries, numbered from options.firstNumber. A voucher takes the entry's
// rows that have a side and an amount, each rounded to the 分 (rows of 0.00 left out), with its
// account's code; an entry without such rows (a heading or a figure alone) books nothing. An
// entry whose debits and credits differ is refused. When the rounding alone leaves the totals a
// few 分 apart, the difference goes to the largest amount of the side with more rows, so that
// every voucher balances. An entry without a heading takes `summary` as its 摘要. An account
// that the chart does not know keeps its caption as its name, without a code.
VoucherSet VouchersOf(const std::vector<Entry>& entries, const Chart& chart, const VoucherOptions& options,
                      std::string_view summary);

// A date given as YYYY-MM-DD (a real day of the Gregorian calendar, years 1900 to 9999).
struct VoucherDate {
  int year = 0, month = 0, day = 0;
};
std::optional<VoucherDate> ParseVoucherDate(std::string_view text);
// The date as a voucher shows it: 2026年12月08日.
std::string DateOnVoucher(const VoucherDate& date);

// 分 as a plain amount with two decimals: 955000 → "9550.00", -5 → "-0.05".
std::string FenText(std::int64_t fen);

// The import file of accounting software: one row per voucher line.
inline constexpr std::string_view kImportHeader[] = {
    "日期", "凭证字", "凭证号", "附单据数", "摘要", "科目代码", "科目名称", "借方金额", "贷方金额", "制单人"};
// The rows as CSV in that layout (RFC 4180, CRLF, with the byte-order mark spreadsheet programs
// need); an amount stands in the column of its side, the other is empty.
std::string ImportCsv(const VoucherSet& set, const VoucherOptions& options);

}  // namespace varnello
