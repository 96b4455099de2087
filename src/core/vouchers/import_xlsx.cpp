// The import file as an .xlsx workbook, made by libxlsxwriter. The library writes only to a named
// file: the workbook is made in a private temporary folder and read back as bytes, so that the
// caller writes it to its place whole, like every other file.
#include "core/vouchers/import_xlsx.h"

#include <stdlib.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string_view>

#include "core/files/temp_folder.h"

namespace varnello {

namespace {

// This file goes into the command line's PDF module as well, which carries no core code: the two
// rules below are those of FenText and WithoutControls, which the import CSV follows (the
// output-agreement test holds them together).

// Whole 分 as a plain figure with two decimals: 955000 → "9550.00".
std::string FenFigure(std::int64_t fen) {
  std::uint64_t m = fen < 0 ? 0 - static_cast<std::uint64_t>(fen) : static_cast<std::uint64_t>(fen);
  std::string cents = std::to_string(m % 100);
  return (fen < 0 ? "-" : "") + std::to_string(m / 100) + (cents.size() < 2 ? ".0" : ".") + cents;
}

// Text without control characters (U+0000 to U+001F, U+007F), which a cell cannot hold.
std::string Clean(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) out += c;
  }
  return out;
}

}  // namespace

std::optional<std::string> ImportXlsx(const VoucherSet& set, const VoucherOptions& options,
                                      const VoucherDate& date, std::string* error) {
  auto fail = [error](std::string reason) -> std::optional<std::string> {
    if (error != nullptr) *error = std::move(reason);
    return std::nullopt;
  };
  TempFolder folder;
  if (folder.path().empty()) return fail(std::string("无法建立临时文件夹：") + std::strerror(errno));
  std::string file = folder.path() + "/vouchers.xlsx";
  // Constant memory: rows go straight to the sheet, strings inline in it.
  lxw_workbook_options workbookOptions{};
  workbookOptions.constant_memory = LXW_TRUE;
  workbookOptions.tmpdir = const_cast<char*>(folder.path().c_str());
  lxw_workbook* book = workbook_new_opt(file.c_str(), &workbookOptions);
  if (book == nullptr) return fail("无法建立工作簿");
  lxw_worksheet* sheet = workbook_add_worksheet(book, "凭证");
  lxw_format* dateFormat = workbook_add_format(book);
  format_set_num_format(dateFormat, "yyyy-mm-dd");
  lxw_format* amountFormat = workbook_add_format(book);
  format_set_num_format(amountFormat, "0.00");
  lxw_format* textFormat = workbook_add_format(book);
  format_set_num_format(textFormat, "@");
  worksheet_set_column(sheet, 0, 0, 12, nullptr);
  worksheet_set_column(sheet, 4, 4, 24, nullptr);
  worksheet_set_column(sheet, 5, 5, 12, textFormat);
  worksheet_set_column(sheet, 6, 6, 32, nullptr);
  worksheet_set_column(sheet, 7, 8, 14, amountFormat);
  // Every cell's status is checked: a text the format cannot hold (over 32,767 characters) fails
  // the workbook instead of leaving the cell empty.
  lxw_error status = LXW_NO_ERROR;
  auto check = [&status](lxw_error e) {
    if (status == LXW_NO_ERROR) status = e;
  };
  auto text = [&](lxw_row_t r, lxw_col_t c, std::string_view value, lxw_format* format) {
    check(worksheet_write_string(sheet, r, c, Clean(value).c_str(), format));
  };
  lxw_row_t row = 0;
  for (lxw_col_t col = 0; col < std::size(kImportHeader); ++col) text(row, col, kImportHeader[col], nullptr);
  // An amount is a number cell when a spreadsheet's 15 significant digits show it to the 分, as
  // the import CSV writes it: any decimal of at most 15 significant digits comes back whole from
  // its nearest double. A longer one is the same figure as text, never a rounded number.
  auto amount = [&](lxw_row_t r, lxw_col_t c, std::int64_t fen) {
    if (fen == 0) return;
    std::string figure = FenFigure(fen);
    std::uint64_t digits = fen < 0 ? 0 - static_cast<std::uint64_t>(fen) : static_cast<std::uint64_t>(fen);
    while (digits % 10 == 0) digits /= 10;
    if (digits < 1'000'000'000'000'000ULL) {
      check(worksheet_write_number(sheet, r, c, std::strtod(figure.c_str(), nullptr), amountFormat));
    } else {
      check(worksheet_write_string(sheet, r, c, figure.c_str(), amountFormat));
    }
  };
  lxw_datetime when{date.year, date.month, date.day, 0, 0, 0};
  for (const Voucher& v : set.vouchers) {
    for (const VoucherLine& line : v.lines) {
      ++row;
      check(worksheet_write_datetime(sheet, row, 0, &when, dateFormat));
      text(row, 1, options.word, nullptr);
      check(worksheet_write_number(sheet, row, 2, v.number, nullptr));
      check(worksheet_write_number(sheet, row, 3, options.attachments, nullptr));
      text(row, 4, v.summary, nullptr);
      text(row, 5, line.account.code, textFormat);
      text(row, 6, line.account.name, nullptr);
      amount(row, 7, line.debit);
      amount(row, 8, line.credit);
      text(row, 9, options.preparer, nullptr);
    }
  }
  if (status != LXW_NO_ERROR) {
    workbook_close(book);
    return fail(std::string("无法写出工作簿：") + lxw_strerror(status));
  }
  if (lxw_error status = workbook_close(book); status != LXW_NO_ERROR) {
    return fail(std::string("无法写出工作簿：") + lxw_strerror(status));
  }
  std::ifstream in(file, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in.good() && !in.eof()) return fail("无法读回工作簿");
  return bytes;
}

}  // namespace varnello
