// Every output of the books renders the same amount from the same value: over every topic
// window pressed with extreme figures, each voucher line's amount in the import CSV, in the
// workbook's cell (as a spreadsheet shows it: 15 significant digits) and on the printed voucher
// agree to the 分, and the voucher's 大写 total is the capital numerals of its figures.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "core/accounts/chart.h"
#include "core/catalogue/catalogue.h"
#include "core/entries/capital.h"
#include "core/files/csv.h"
#include "core/vouchers/import_xlsx.h"
#include "core/vouchers/voucher.h"
#include "core/vouchers/voucher_layout.h"
#include "record_helper.h"

namespace varnello {
namespace {

std::uint32_t Le(std::string_view b, size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i)
    v = v << 8 | static_cast<unsigned char>(b[at + static_cast<size_t>(i)]);
  return v;
}

// One member of a zip archive, inflated, by the archive's central directory.
std::optional<std::string> ZipMember(std::string_view zip, std::string_view wanted) {
  size_t end = zip.rfind(std::string_view("PK\x05\x06", 4));
  if (end == std::string_view::npos) return std::nullopt;
  size_t at = Le(zip, end + 16, 4);
  for (std::uint32_t n = Le(zip, end + 10, 2); n > 0; --n) {
    size_t nameLength = Le(zip, at + 28, 2);
    std::string_view name = zip.substr(at + 46, nameLength);
    std::uint32_t method = Le(zip, at + 10, 2), packed = Le(zip, at + 20, 4), size = Le(zip, at + 24, 4);
    size_t local = Le(zip, at + 42, 4);
    at += 46 + nameLength + Le(zip, at + 30, 2) + Le(zip, at + 32, 2);
    if (name != wanted) continue;
    size_t data = local + 30 + Le(zip, local + 26, 2) + Le(zip, local + 28, 2);
    if (method == 0) return std::string(zip.substr(data, size));
    std::string out(size, '\0');
    z_stream s{};
    if (inflateInit2(&s, -MAX_WBITS) != Z_OK) return std::nullopt;
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zip.data() + data));
    s.avail_in = packed;
    s.next_out = reinterpret_cast<Bytef*>(out.data());
    s.avail_out = size;
    int status = inflate(&s, Z_FINISH);
    inflateEnd(&s);
    if (status != Z_STREAM_END) return std::nullopt;
    return out;
  }
  return std::nullopt;
}

// A decimal figure ("370370367037037", "1.5e+15", "-0.07") in whole 分; none when it has a digit
// below the 分.
std::optional<std::int64_t> FenOf(const std::string& text) {
  std::string digits;
  int point = -1, exponent = 0;
  size_t i = 0;
  bool negative = !text.empty() && text[0] == '-';
  if (negative) ++i;
  for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
    if (text[i] == '.') {
      point = static_cast<int>(digits.size());
    } else {
      digits += text[i];
    }
  }
  if (i < text.size()) exponent = std::atoi(text.c_str() + i + 1);
  if (point < 0) point = static_cast<int>(digits.size());
  int shift = point + exponent + 2;  // digits before the 分 place
  while (static_cast<int>(digits.size()) > shift) {
    if (digits.back() != '0') return std::nullopt;
    digits.pop_back();
  }
  while (static_cast<int>(digits.size()) < shift) digits += '0';
  std::int64_t fen = digits.empty() ? 0 : std::stoll(digits);
  return negative ? -fen : fen;
}

// The workbook's amount cells by row and column ("H2"): a number as the file stores it, a text
// as it stands.
struct SheetCell {
  std::string text;
  bool number = false;
};
std::map<std::string, SheetCell> SheetAmounts(const std::string& sheet) {
  std::map<std::string, SheetCell> cells;
  static const std::regex kCell(
      R"re(<c r="([HI][0-9]+)"[^>]*?(?:/>|>(?:<v>([^<]*)</v>|<is><t[^>]*>([^<]*)</t></is>)</c>))re");
  for (auto it = std::sregex_iterator(sheet.begin(), sheet.end(), kCell); it != std::sregex_iterator();
       ++it) {
    const std::smatch& m = *it;
    if (m[2].matched) {
      cells[m[1]] = {m[2], true};
    } else if (m[3].matched) {
      cells[m[1]] = {m[3], false};
    }
  }
  return cells;
}

TEST(OutputAgreement, ImportCsvWorkbookAndVoucherAgreeToTheFen) {
  const char* kFigures[] = {
      "370370367037037", "360287970189641",  "99999999999999.99", "123456789012.34", "0.01",
      "1234.567",        "900719925474.0993"};
  VoucherOptions options;
  options.date = "2026-12-08";
  options.preparer = "王会计";
  const VoucherDate date{2026, 12, 8};
  int lines = 0, big = 0;
  for (const TopicDesc* desc : AllTopics()) {
    for (const char* figure : kFigures) {
      std::map<int, std::string> texts;
      for (const Item* item : FieldsOf(*desc)) texts[item->field] = figure;
      testing::PressedEntries press = testing::PressEntries(*desc, FieldTexts(texts));
      VoucherSet set = VouchersOf(press.entries, Chart::Standard(), options, "摘要");
      if (set.vouchers.empty()) continue;
      const std::string where = std::string(desc->id.name()) + " at " + figure;
      // The import CSV, read back by the one reader.
      std::string error;
      std::vector<CsvRecord> csv = ReadCsv(ImportCsv(set, options), error);
      ASSERT_EQ(error, "") << where;
      std::string workbookError;
      std::optional<std::string> xlsx = ImportXlsx(set, options, date, &workbookError);
      ASSERT_TRUE(xlsx) << where << ": " << workbookError;
      std::optional<std::string> sheet = ZipMember(*xlsx, "xl/worksheets/sheet1.xml");
      ASSERT_TRUE(sheet) << where;
      std::map<std::string, SheetCell> cells = SheetAmounts(*sheet);
      // The printed vouchers' texts (one voucher to a page, without the digit grid).
      std::vector<std::string> printed;
      for (const VoucherPage& page : LayoutVouchers(set, options, {1, false}))
        for (const DrawnText& t : page.texts) printed.push_back(t.text);
      auto onVoucher = [&printed](const std::string& text) {
        return std::find(printed.begin(), printed.end(), text) != printed.end();
      };
      size_t row = 1;
      for (const Voucher& v : set.vouchers) {
        for (const VoucherLine& line : v.lines) {
          ASSERT_LT(row, csv.size()) << where;
          const std::vector<std::string>& f = csv[row].fields;
          const std::string at = std::to_string(row + 1);
          for (auto [fen, column, csvField] :
               {std::tuple{line.debit, "H", 7}, std::tuple{line.credit, "I", 8}}) {
            if (fen == 0) continue;
            ++lines;
            big += std::llabs(fen) >= 900719925474099LL;
            EXPECT_EQ(FenOf(f[static_cast<size_t>(csvField)]), fen) << where << " row " << at;
            // A number cell holds the double nearest to the amount (what reading the import
            // CSV's figure gives), and a spreadsheet's 15 digits show that amount; a text cell
            // holds the figure itself.
            const SheetCell& cell = cells[column + at];
            if (cell.number) {
              double stored = std::strtod(cell.text.c_str(), nullptr);
              EXPECT_EQ(stored, std::strtod(FenText(fen).c_str(), nullptr))
                  << where << " cell " << column << at << " " << cell.text;
              char shown[40];
              std::snprintf(shown, sizeof shown, "%.15g", stored);
              EXPECT_EQ(FenOf(shown), fen) << where << " cell " << column << at << " shows " << shown;
            } else {
              EXPECT_EQ(cell.text, FenText(fen)) << where << " cell " << column << at;
            }
            EXPECT_TRUE(onVoucher(FenText(fen))) << where << " " << FenText(fen);
          }
          ++row;
        }
        // The total bears ¥, or the minus sign of a negative total.
        EXPECT_TRUE(onVoucher(v.debit < 0 ? FenText(v.debit) : "¥" + FenText(v.debit))) << where;
        std::optional<std::string> capital = CapitalOfDecimal(FenText(v.debit)).text;
        ASSERT_TRUE(capital) << where;
        EXPECT_TRUE(onVoucher("（大写）" + *capital)) << where << " " << *capital;
      }
      EXPECT_EQ(row, csv.size()) << where;
    }
  }
  // The sweep reached amounts beyond a double's whole 分 in every output.
  EXPECT_GT(lines, 1000);
  EXPECT_GT(big, 100);
}

// Texts the user gives are handled alike everywhere: control characters are left out of the
// import CSV, the workbook and the printed voucher; a text longer than a cell holds fails the
// workbook with a reason instead of leaving the cell empty.
TEST(OutputAgreement, TextsAreCleanedOrRefusedAlike) {
  testing::PressedEntries press =
      testing::PressEntries(*FindTopic(*WindowId::Parse("Form6")), FieldTexts({{1, "10"}, {3, "100"}}));
  VoucherOptions options;
  options.date = "2026-12-08";
  options.word = std::string("记\0\x1B", 5);
  options.preparer = "王\t会\r\n计";
  VoucherSet set = VouchersOf(press.entries, Chart::Standard(), options, "");
  ASSERT_FALSE(set.vouchers.empty());
  std::string error;
  std::vector<CsvRecord> csv = ReadCsv(ImportCsv(set, options), error);
  ASSERT_GT(csv.size(), 1u);
  EXPECT_EQ(csv[1].fields[1], "记");
  EXPECT_EQ(csv[1].fields[9], "王会计");
  std::optional<std::string> xlsx = ImportXlsx(set, options, {2026, 12, 8}, &error);
  ASSERT_TRUE(xlsx) << error;
  std::optional<std::string> sheet = ZipMember(*xlsx, "xl/worksheets/sheet1.xml");
  ASSERT_TRUE(sheet);
  EXPECT_NE(sheet->find(">王会计<"), std::string::npos);
  EXPECT_NE(sheet->find(">记<"), std::string::npos);
  bool word = false, preparer = false;
  for (const VoucherPage& page : LayoutVouchers(set, options, {2, false})) {
    for (const DrawnText& t : page.texts) {
      word = word || t.text == "凭证字号：记-1";
      preparer = preparer || t.text == "制单：王会计";
    }
  }
  EXPECT_TRUE(word);
  EXPECT_TRUE(preparer);

  options.preparer = std::string(32768, 'x');
  EXPECT_FALSE(ImportXlsx(set, options, {2026, 12, 8}, &error));
  EXPECT_NE(error.find("无法写出工作簿"), std::string::npos) << error;
}

}  // namespace
}  // namespace varnello
