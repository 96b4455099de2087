// Input files as users hand them in: every hostile file of tests/cases/files/input-files.txt is
// read rightly or refused with its line, through the one CSV reader; and files far larger than
// any class hands in are read in linear time.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/accounts/chart.h"
#include "core/files/csv.h"

namespace varnello {
namespace {

struct FileCase {
  std::string title, kind, file, expect;
};

// \r \n \t \" \\ and \xHH as in C.
std::string Unescape(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    char c = text[++i];
    if (c == 'r') {
      out += '\r';
    } else if (c == 'n') {
      out += '\n';
    } else if (c == 't') {
      out += '\t';
    } else if (c == 'x' && i + 2 < text.size()) {
      out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
      i += 2;
    } else {
      out += c;
    }
  }
  return out;
}

std::vector<FileCase> ReadCases() {
  std::ifstream in(std::string(VARNELLO_CASES_DIR) + "/files/input-files.txt");
  std::vector<FileCase> cases;
  std::string line;
  while (std::getline(in, line)) {
    if (line.starts_with("[")) {
      cases.push_back({line.substr(1, line.size() - 2), "", "", ""});
    } else if (!cases.empty() && line.starts_with("kind: ")) {
      cases.back().kind = line.substr(6);
    } else if (!cases.empty() && line.starts_with("file:")) {
      cases.back().file = Unescape(line.size() > 6 ? line.substr(6) : "");
    } else if (!cases.empty() && line.starts_with("expect: ")) {
      cases.back().expect = Unescape(line.substr(8));
    }
  }
  return cases;
}

// What a file gets, in the words of the case file.
std::string Outcome(const FileCase& c) {
  if (c.kind == "chart") {
    std::string error;
    std::optional<Chart> chart = Chart::WithUserCsv(c.file, &error);
    if (!chart) return "error " + error;
    // The accounts the case names, as the chart now holds them.
    std::string out = "accounts";
    std::istringstream wanted(c.expect.substr(c.expect.find(' ') + 1));
    std::string pair;
    while (std::getline(wanted, pair, ';')) {
      std::string code =
          pair.substr(pair.find_first_not_of(' '), pair.find('=') - pair.find_first_not_of(' '));
      auto it = chart->accounts().find(code);
      out += std::string(out == "accounts" ? " " : "; ") + code + "=" +
             (it == chart->accounts().end() ? "(none)" : it->second);
    }
    return out;
  }
  std::string error;
  std::vector<CsvRecord> records = ReadCsv(c.file, error);
  if (!error.empty()) return "error " + error;
  std::string out = "records";
  for (const CsvRecord& r : records) {
    out += " " + std::to_string(r.line) + ":";
    for (size_t f = 0; f < r.fields.size(); ++f)
      out += (f ? "|" : "") + (r.fields[f].empty() ? "·" : r.fields[f]);
  }
  return out;
}

TEST(InputFiles, EachHostileFileIsReadRightlyOrRefusedWithItsLine) {
  std::vector<FileCase> cases = ReadCases();
  ASSERT_GE(cases.size(), 20u);
  for (const FileCase& c : cases) {
    ASSERT_TRUE(c.kind == "chart" || c.kind == "csv") << c.title;
    EXPECT_EQ(Outcome(c), c.expect) << c.title;
  }
}

// Sizes far beyond any real file: a quadratic step would take minutes here, a linear one well
// under a second each.
TEST(InputFiles, LargeFilesInLinearTime) {
  auto seconds = [](auto&& run) {
    auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };
  std::string error;
  // A code of a million digits is refused at once, with its line.
  std::string longCode = "1001,现金\n" + std::string(1'000'000, '1') + ",长\n";
  EXPECT_LT(seconds([&] { EXPECT_FALSE(Chart::WithUserCsv(longCode, &error)); }), 5.0);
  EXPECT_EQ(error, "第 2 行：科目编码超过 32 位");
  // A name of a million characters in quotes, and a field with a million doubled quotes.
  std::string longName = "1001,\"" + std::string(1'000'000, 'x') + "\"\n";
  EXPECT_LT(seconds([&] { EXPECT_FALSE(Chart::WithUserCsv(longName, &error)); }), 5.0);
  EXPECT_EQ(error, "第 1 行：科目名称超过 32767 个字符");
  std::string quotes = "\"";
  for (int i = 0; i < 500'000; ++i) quotes += "\"\"";
  quotes += "\"\n";
  std::vector<CsvRecord> records;
  EXPECT_LT(seconds([&] { records = ReadCsv(quotes, error); }), 5.0);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].fields[0], std::string(500'000, '"'));
  // 50,000 rows of a chart (also within the bound in the sanitizer build).
  std::string rows = "科目编码,科目名称\n";
  for (int i = 0; i < 50'000; ++i)
    rows += "1001" + std::to_string(100000 + i) + ",明细" + std::to_string(i) + "\n";
  std::optional<Chart> chart;
  EXPECT_LT(seconds([&] { chart = Chart::WithUserCsv(rows, &error); }), 10.0);
  ASSERT_TRUE(chart) << error;
  EXPECT_EQ(chart->accounts().at("1001100007"), "明细7");
}

// The reader keeps one record at a time: reading a file record by record gives the records
// ReadCsv gives, with their lines, for every way of ending lines.
TEST(InputFiles, ReaderGoesRecordByRecord) {
  for (std::string_view end : {"\n", "\r\n", "\r"}) {
    std::string text;
    for (int i = 0; i < 50; ++i)
      text += "a" + std::to_string(i) + ",\"b" + std::string(end) + "c\"" + std::string(end);
    CsvReader reader(text);
    CsvRecord record;
    int n = 0;
    while (reader.Next(record)) {
      ASSERT_EQ(record.fields.size(), 2u);
      EXPECT_EQ(record.fields[0], "a" + std::to_string(n));
      EXPECT_EQ(record.fields[1], "b" + std::string(end) + "c");
      EXPECT_EQ(record.line, static_cast<size_t>(2 * n + 1));
      ++n;
    }
    EXPECT_EQ(reader.error(), "");
    EXPECT_EQ(n, 50);
  }
}

TEST(InputFiles, SheetTextAndControls) {
  // Formula-like text is kept as text; plain text and figures are left alone.
  const std::pair<std::string_view, std::string_view> kCells[] = {
      {"=cmd|' /C calc'!A0", "'=cmd|' /C calc'!A0"},
      {"+1", "'+1"},
      {"-2", "'-2"},
      {"@SUM(A1)", "'@SUM(A1)"},
      {"\tx", "'\tx"},
      {"王会计", "王会计"},
      {"", ""},
      {"记", "记"}};
  for (const auto& [in, out] : kCells) EXPECT_EQ(SheetText(in), out) << in;
  EXPECT_EQ(WithoutControls(std::string("2024\x00\x1B[2J01\x7F", 11)), "2024[2J01");
  EXPECT_TRUE(HasControls("a\tb"));
  EXPECT_FALSE(HasControls("会计"));
}

}  // namespace
}  // namespace varnello
