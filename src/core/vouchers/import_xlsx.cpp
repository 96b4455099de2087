// The import file as an .xlsx workbook, made by libxlsxwriter. The library writes only to a named
// file: the workbook is made in a private temporary folder and read back as bytes, so that the
// caller writes it to its place whole, like every other file.
#include "core/vouchers/import_xlsx.h"

#include <stdlib.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "core/files/temp_folder.h"

namespace varnello {

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
  lxw_row_t row = 0;
  for (lxw_col_t col = 0; col < std::size(kImportHeader); ++col) {
    worksheet_write_string(sheet, row, col, std::string(kImportHeader[col]).c_str(), nullptr);
  }
  lxw_datetime when{date.year, date.month, date.day, 0, 0, 0};
  for (const Voucher& v : set.vouchers) {
    for (const VoucherLine& line : v.lines) {
      ++row;
      worksheet_write_datetime(sheet, row, 0, &when, dateFormat);
      worksheet_write_string(sheet, row, 1, options.word.c_str(), nullptr);
      worksheet_write_number(sheet, row, 2, v.number, nullptr);
      worksheet_write_number(sheet, row, 3, options.attachments, nullptr);
      worksheet_write_string(sheet, row, 4, v.summary.c_str(), nullptr);
      worksheet_write_string(sheet, row, 5, line.account.code.c_str(), textFormat);
      worksheet_write_string(sheet, row, 6, line.account.name.c_str(), nullptr);
      // Whole 分 over 100 is the nearest double to the two-decimal amount.
      if (line.debit != 0) {
        worksheet_write_number(sheet, row, 7, static_cast<double>(line.debit) / 100, amountFormat);
      }
      if (line.credit != 0) {
        worksheet_write_number(sheet, row, 8, static_cast<double>(line.credit) / 100, amountFormat);
      }
      worksheet_write_string(sheet, row, 9, options.preparer.c_str(), nullptr);
    }
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
