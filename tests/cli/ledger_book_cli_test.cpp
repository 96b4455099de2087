// varnello-cli book: the shipped month through the command line (JSON as documented, files of
// every format that open), a book with a bad line, and marking.
#include <gtest/gtest.h>
#include <simdjson.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/run_command.h"

namespace {

const std::string kCli = VARNELLO_CLI;
const std::string kMonth = std::string(VARNELLO_SOURCE_DIR) + "/data/books/示例账簿.jsonl";

std::string Scratch(const std::string& name) {
  return ::testing::TempDir() + "/ledger-book-" + std::to_string(::getpid()) + "-" + name;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(BookCliTest, JsonGivesTheTrialBalanceAndStatementsOfTheMonth) {
  CliRun run = RunCommand(kCli + " book '" + kMonth + "' --close --format json");
  ASSERT_EQ(run.status, 0) << run.out;
  simdjson::dom::parser parser;
  simdjson::dom::element doc;
  ASSERT_EQ(parser.parse(run.out).get(doc), simdjson::SUCCESS) << run.out;
  EXPECT_TRUE(doc["trial"]["balanced"].get_bool().value());
  EXPECT_EQ(doc["trial"]["totals"]["closing_debit"].get_int64().value(), 2030454);
  EXPECT_DOUBLE_EQ(doc["trial"]["totals"]["debit"].get_double().value(), 2016079.10);
  std::map<std::string, double> sheet, income;
  for (simdjson::dom::element l : doc["balance_sheet"]["lines"].get_array()) {
    sheet[std::string(l["line"].get_string().value())] = l["closing"].get_double().value();
  }
  for (simdjson::dom::element l : doc["income_statement"]["lines"].get_array()) {
    income[std::string(l["line"].get_string().value())] = l["amount"].get_double().value();
  }
  EXPECT_DOUBLE_EQ(sheet["资产总计"], 1811304);
  EXPECT_DOUBLE_EQ(sheet["负债和所有者权益（或股东权益）总计"], 1811304);
  EXPECT_DOUBLE_EQ(income["四、净利润（净亏损以“－”号填列）"], 57333.45);
  EXPECT_TRUE(doc["balance_sheet"]["balanced"].get_bool().value());
}

TEST(BookCliTest, ABadLineIsToldWithItsNumberAndTheRestReported) {
  std::string book = Scratch("bad.jsonl");
  std::ofstream(book)
      << ReadFile(kMonth)
      << R"({"entry": {"date": "2026-12-31", "rows": [{"account": "银行存款", "side": "debit", "amount": 5}]}})"
      << "\n";
  CliRun run = RunCommand(kCli + " book " + book + " --report trial 2>" + book + ".err");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("试算平衡"), std::string::npos) << run.out;
  EXPECT_EQ(ReadFile(book + ".err"), book +
                                         ":32: entry does not balance: debits 5.00 and credits 0.00 disagree "
                                         "(difference 5.00)\n");
  std::remove(book.c_str());
  std::remove((book + ".err").c_str());
}

TEST(BookCliTest, EveryFileFormatIsWrittenAndOpens) {
  struct Format {
    std::string name, magic;
  };
  for (const Format& f : {Format{"csv", "\xEF\xBB\xBF"}, Format{"xlsx", "PK"}, Format{"pdf", "%PDF"}}) {
    std::string out = Scratch("month." + f.name);
    CliRun run = RunCommand(kCli + " book '" + kMonth + "' --close --format " + f.name + " --output " + out);
    ASSERT_EQ(run.status, 0) << f.name;
    std::string bytes = ReadFile(out);
    EXPECT_TRUE(bytes.starts_with(f.magic)) << f.name;
    if (f.name == "pdf" && std::system("command -v pdftotext >/dev/null") == 0) {
      CliRun text = RunCommand("pdftotext " + out + " -");
      EXPECT_NE(text.out.find("试算平衡表"), std::string::npos);
      EXPECT_NE(text.out.find("1,811,304.00"), std::string::npos);
    }
    if (f.name == "xlsx" && std::system("command -v unzip >/dev/null") == 0) {
      CliRun sheets = RunCommand("unzip -p " + out + " xl/workbook.xml");
      EXPECT_NE(sheets.out.find("资产负债表"), std::string::npos) << sheets.out;
    }
    std::remove(out.c_str());
  }
  CliRun missing = RunCommand(kCli + " book '" + kMonth + "' --format pdf 2>/dev/null");
  EXPECT_EQ(missing.status, 2);
}

TEST(BookCliTest, MarksAnswersAndRevealsOnRequest) {
  std::string answers = std::string(VARNELLO_SOURCE_DIR) + "/tests/cases/books/sample_month_answers.csv";
  CliRun run = RunCommand(kCli + " book '" + kMonth + "' --close --mark " + answers + " --reveal");
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("✗ 13 资产负债表 未分配利润 期末余额 200,000.00，应为 257,333.45"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("对 12 格，错 8 格"), std::string::npos) << run.out;
}

}  // namespace
