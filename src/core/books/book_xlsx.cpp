#include "core/books/book_xlsx.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/files/temp_folder.h"

namespace varnello {

namespace {

// "1,234.50" as 1234.5; none for a cell that is no amount (a caption, an empty cell).
std::optional<double> NumberOf(const std::string& cell) {
  std::string plain;
  for (char c : cell) {
    if (c != ',') plain += c;
  }
  if (plain.empty()) return std::nullopt;
  double value = 0;
  auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (ec != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::string> ReportsXlsx(const std::vector<ReportSheet>& sheets, std::string* error) {
  auto fail = [error](std::string reason) -> std::optional<std::string> {
    if (error != nullptr) *error = std::move(reason);
    return std::nullopt;
  };
  TempFolder folder;
  if (folder.path().empty()) return fail(std::string("无法建立临时文件夹：") + std::strerror(errno));
  std::string file = folder.path() + "/book.xlsx";
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;
  options.tmpdir = const_cast<char*>(folder.path().c_str());
  lxw_workbook* book = workbook_new_opt(file.c_str(), &options);
  if (book == nullptr) return fail("无法建立工作簿");
  lxw_format* amount = workbook_add_format(book);
  format_set_num_format(amount, "#,##0.00");
  lxw_format* bold = workbook_add_format(book);
  format_set_bold(bold);
  for (const ReportSheet& s : sheets) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, s.name.c_str());
    if (sheet == nullptr) {
      workbook_close(book);
      return fail("无法建立工作表“" + s.name + "”");
    }
    std::size_t widest = 0;
    for (const ReportTable& t : s.tables) widest = std::max(widest, t.header.size());
    worksheet_set_column(sheet, 0, static_cast<lxw_col_t>(widest == 0 ? 0 : widest - 1), 16, nullptr);
    lxw_row_t row = 0;
    for (const ReportTable& t : s.tables) {
      worksheet_write_string(sheet, row++, 0, t.title.c_str(), bold);
      for (std::size_t c = 0; c < t.header.size(); ++c) {
        worksheet_write_string(sheet, row, static_cast<lxw_col_t>(c), t.header[c].c_str(), bold);
      }
      ++row;
      for (const auto& cells : t.rows) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
          auto col = static_cast<lxw_col_t>(c);
          std::optional<double> number =
              c < t.amounts.size() && t.amounts[c] ? NumberOf(cells[c]) : std::nullopt;
          if (number) {
            worksheet_write_number(sheet, row, col, *number, amount);
          } else if (!cells[c].empty()) {
            worksheet_write_string(sheet, row, col, cells[c].c_str(), nullptr);
          }
        }
        ++row;
      }
      for (const std::string& note : t.notes) worksheet_write_string(sheet, row++, 0, note.c_str(), nullptr);
      ++row;
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
