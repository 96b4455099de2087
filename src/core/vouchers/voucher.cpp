#include "core/vouchers/voucher.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "core/entries/table.h"
#include "core/files/csv.h"
#include "core/journal/fen.h"

namespace varnello {

std::optional<VoucherDate> ParseVoucherDate(std::string_view text) {
  auto number = [&text](std::size_t at, std::size_t width, int& out) {
    if (text.size() < at + width) return false;
    out = 0;
    for (char c : text.substr(at, width)) {
      if (c < '0' || c > '9') return false;
      out = out * 10 + (c - '0');
    }
    return true;
  };
  VoucherDate d;
  if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !number(0, 4, d.year) ||
      !number(5, 2, d.month) || !number(8, 2, d.day)) {
    return std::nullopt;
  }
  bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (d.year < 1900 || d.month < 1 || d.month > 12 || d.day < 1) return std::nullopt;
  if (d.day > kDays[d.month - 1] + (d.month == 2 && leap ? 1 : 0)) return std::nullopt;
  return d;
}

std::string DateOnVoucher(const VoucherDate& d) {
  auto two = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  return std::to_string(d.year) + "年" + two(d.month) + "月" + two(d.day) + "日";
}

std::string FenText(std::int64_t fen) {
  std::string sign = fen < 0 ? "-" : "";
  std::uint64_t magnitude = fen < 0 ? 0 - static_cast<std::uint64_t>(fen) : static_cast<std::uint64_t>(fen);
  std::string cents = std::to_string(magnitude % 100);
  if (cents.size() < 2) cents.insert(0, "0");
  return sign + std::to_string(magnitude / 100) + "." + cents;
}

VoucherSet VouchersOf(const std::vector<Entry>& entries, const Chart& chart, const VoucherOptions& options,
                      std::string_view summary) {
  VoucherSet set;
  int number = options.firstNumber;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Entry& entry = entries[i];
    Voucher v;
    v.entry = i;
    v.summary = WithoutControls(entry.heading.empty() ? summary : std::string_view(entry.heading));
    std::string failure;
    std::size_t debitRows = 0, creditRows = 0;
    for (const EntryRow& row : entry.rows) {
      // A line stating an account's balance posts nothing.
      if (row.side == Side::None || row.balanceLine || !row.amount) continue;
      std::optional<std::int64_t> fen = WholeFen(*row.amount);
      if (!fen) {
        failure = "“" + row.account + "”的金额 " + PlainAmount(*row.amount) + " 超出凭证能记的范围";
        break;
      }
      if (*fen == 0) continue;
      VoucherLine line;
      if (std::optional<AccountCode> code = chart.Find(row.account)) {
        line.account = *code;
      } else {
        line.account.name = line.account.general = row.account;
      }
      (row.side == Side::Debit ? line.debit : line.credit) = *fen;
      (row.side == Side::Debit ? debitRows : creditRows) += 1;
      v.debit += line.debit;
      v.credit += line.credit;
      v.lines.push_back(std::move(line));
    }
    if (failure.empty() && v.lines.empty()) continue;  // nothing to book
    if (EntryBalance balance = BalanceOf(entry); failure.empty() && !balance.balanced) {
      failure =
          "借贷不平：借方合计 " + PlainAmount(balance.debit) + "，贷方合计 " + PlainAmount(balance.credit);
    }
    if (failure.empty() && v.debit != v.credit) {
      // Rounding each row to the 分 moved the totals apart by at most half a 分 per row.
      std::int64_t gap = v.debit - v.credit;
      auto limit = static_cast<std::int64_t>(v.lines.size());
      if (std::llabs(gap) > limit) {
        failure = "借贷不平：借方合计 " + FenText(v.debit) + "，贷方合计 " + FenText(v.credit);
      } else {
        bool onDebit = debitRows >= creditRows;
        auto amount = [onDebit](const VoucherLine& l) { return std::llabs(onDebit ? l.debit : l.credit); };
        auto largest = std::max_element(v.lines.begin(), v.lines.end(),
                                        [&](const auto& a, const auto& b) { return amount(a) < amount(b); });
        if (onDebit) {
          largest->debit -= gap;
          v.debit -= gap;
        } else {
          largest->credit += gap;
          v.credit += gap;
        }
      }
    }
    if (!failure.empty()) {
      set.refused.push_back({i, entry.heading, failure});
      continue;
    }
    v.number = number++;
    set.vouchers.push_back(std::move(v));
  }
  return set;
}

std::string ImportCsv(const VoucherSet& set, const VoucherOptions& options) {
  std::string out = "\xEF\xBB\xBF";
  AppendCsvRow(out, std::vector<std::string>(std::begin(kImportHeader), std::end(kImportHeader)));
  // Text cells a person typed or a chart named are kept from running as formulas; the figures
  // (a negative amount begins with "-") stay numbers. Control characters are left out, as in the
  // workbook and on the printed voucher.
  const std::string word = SheetText(WithoutControls(options.word));
  const std::string preparer = SheetText(WithoutControls(options.preparer));
  for (const Voucher& v : set.vouchers) {
    for (const VoucherLine& line : v.lines) {
      AppendCsvRow(out, {options.date, word, std::to_string(v.number), std::to_string(options.attachments),
                         SheetText(v.summary), line.account.code, SheetText(line.account.name),
                         line.debit != 0 ? FenText(line.debit) : "",
                         line.credit != 0 ? FenText(line.credit) : "", preparer});
    }
  }
  return out;
}

}  // namespace varnello
