// The books from the command line: the import workbook read back from its sheet, the voucher
// PDF's text, the account listing, and files that are written whole or not at all.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "cli/json_answers.h"
#include "cli/run_command.h"

namespace {

// Runs a shell command line; stdout is kept, stderr joins it when `withErrors`.
CliRun Shell(const std::string& command, bool withErrors = false) {
  return RunCommand(command + (withErrors ? " 2>&1" : " 2>/dev/null"));
}

CliRun Cli(const std::string& args, bool withErrors = false) {
  return Shell(std::string(VARNELLO_CLI) + " " + args, withErrors);
}

std::string Folder() {
  std::string dir = ::testing::TempDir() + "books_" + std::to_string(getpid()) + "_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::filesystem::create_directories(dir);
  return dir;
}

const std::string kSharePurchase =
    "press 买股票 Text1=10 Text2=0.5 Text3=1000 Text4=50 --date 2026-12-08 --preparer 张三";

TEST(Books, WorkbookRowsAreTheEntriesWithCodes) {
  std::string file = Folder() + "/f.xlsx";
  ASSERT_EQ(Cli(kSharePurchase + " --number 5 --format xlsx --output " + file).status, 0);
  CliRun sheet = Shell("unzip -p " + file + " xl/worksheets/sheet1.xml");
  ASSERT_EQ(sheet.status, 0);
  // Each row's cells, values or inline strings, joined by "|" (empty cells are absent).
  std::vector<std::string> rows;
  std::regex row("<row [^>]*>(.*?)</row>"),
      cell("<c r=\"([A-Z]+)\\d+\"[^>]*>(?:<v>([^<]*)</v>|<is><t>([^<]*)</t></is>)");
  for (auto r = std::sregex_iterator(sheet.out.begin(), sheet.out.end(), row); r != std::sregex_iterator();
       ++r) {
    std::string cells, text = (*r)[1];
    for (auto c = std::sregex_iterator(text.begin(), text.end(), cell); c != std::sregex_iterator(); ++c) {
      cells += (*c)[1].str() + "=" + (*c)[2].str() + (*c)[3].str() + "|";
    }
    rows.push_back(cells);
  }
  // 46364 is 2026-12-08 as a spreadsheet's day number (days since 1899-12-30).
  const std::string d = "A=46364|B=记|";
  const std::vector<std::string> expected = {
      "A=日期|B=凭证字|C=凭证号|D=附单据数|E=摘要|F=科目代码|G=科目名称|H=借方金额|I=贷方金额|J=制单人|",
      d + "C=5|D=0|E=购入股票|F=1101|G=交易性金融资产-成本|H=9550|J=张三|",
      d + "C=5|D=0|E=购入股票|F=6111|G=投资收益|H=500|J=张三|",
      d + "C=5|D=0|E=购入股票|F=1002|G=银行存款|I=10050|J=张三|",
      d + "C=6|D=0|E=购入|F=1101|G=交易性金融资产-股票投资|H=10050|J=张三|",
      d + "C=6|D=0|E=购入|F=1002|G=银行存款|I=10050|J=张三|",  // printed 银行贷款
      d + "C=7|D=0|E=分配股利|F=1131|G=应收股利|H=500|J=张三|",
      d + "C=7|D=0|E=分配股利|F=6111|G=投资收益-股票投资|I=500|J=张三|",
      d + "C=8|D=0|E=收到股利|F=1002|G=银行存款|H=500|J=张三|",
      d + "C=8|D=0|E=收到股利|F=1131|G=应收股利|I=500|J=张三|",
  };
  EXPECT_EQ(rows, expected);
  // The same rows as CSV.
  std::string csv = Folder() + "/f.csv";
  ASSERT_EQ(Cli(kSharePurchase + " --format import-csv --output " + csv).status, 0);
  std::ifstream in(csv);
  std::string header, first;
  std::getline(in, header);
  std::getline(in, first);
  EXPECT_EQ(first, "2026-12-08,记,1,0,购入股票,1101,交易性金融资产-成本,9550.00,,张三\r");
}

TEST(Books, VoucherPdfHoldsTitleTotalsAndCapitalNumerals) {
  for (std::string layout : std::vector<std::string>{"--per-page 1", "--per-page 3 --digit-grid"}) {
    std::string file = Folder() + "/v.pdf";
    ASSERT_EQ(Cli(kSharePurchase + " " + layout + " --format voucher-pdf --output " + file).status, 0)
        << layout;
    CliRun text = Shell("pdftotext " + file + " -");
    ASSERT_EQ(text.status, 0);
    for (const char* expected : {"记账凭证", "合计", "壹万零伍拾元整", "伍佰元整", "记-1", "记-4",
                                 "制单：张三", "会计主管", "2026年12月08日", "交易性金融资产"}) {
      EXPECT_NE(text.out.find(expected), std::string::npos) << layout << ": " << expected;
    }
    // 壹万零伍拾元整 stands in the 合计 row of the first voucher, before the second voucher.
    EXPECT_LT(text.out.find("壹万零伍拾元整"), text.out.find("记-2")) << layout;
    std::string pages = Shell("pdfinfo " + file + " | grep Pages").out;
    EXPECT_NE(pages.find(layout == "--per-page 1" ? "4" : "2"), std::string::npos) << pages;
  }
}

TEST(Books, AccountsListEveryPrintedAccountWithItsCode) {
  CliRun text = Cli("accounts");
  EXPECT_EQ(text.status, 0);
  EXPECT_NE(text.out.find("1101\t交易性金融资产-成本\t交易性金融资产-成本\tForm6\n"), std::string::npos);
  EXPECT_NE(text.out.find("2221\t应交税金\t应交税费\t"), std::string::npos);
  CliRun json = Cli("accounts --json");
  ASSERT_EQ(json.status, 0);
  simdjson::dom::element doc = ParseJson(json.out);
  ASSERT_GT(Size(doc["accounts"]), 150u);
  simdjson::dom::array accounts = doc["accounts"].get_array().value();
  for (simdjson::dom::element a : accounts) EXPECT_TRUE(a["code"].is_string()) << simdjson::minify(a);
  std::string chart = Folder() + "/chart.csv";
  std::ofstream(chart) << "科目编码,科目名称\n110101,交易性金融资产_成本\n";
  EXPECT_NE(
      Cli("accounts --chart " + chart).out.find("110101\t交易性金融资产-成本\t交易性金融资产-成本\tForm6\n"),
      std::string::npos);
  // A chart saved as GBK (银行 is D2 F8 D0 D0) is read as the names it holds.
  std::ofstream(chart) << "1002,\xD2\xF8\xD0\xD0\n";
  CliRun gbk = Cli("accounts --json --chart " + chart);
  EXPECT_EQ(gbk.status, 0);
  EXPECT_NE(gbk.out.find(R"("code":"1002","name":"银行")"), std::string::npos) << gbk.out;
  EXPECT_NO_THROW(ParseJson(gbk.out));
  // Bytes that are neither UTF-8 nor GBK are refused with their line.
  std::ofstream(chart) << "1001,现金\n1002,\x80\n";
  CliRun bad = RunCommand(std::string(VARNELLO_CLI) + " accounts --chart " + chart + " 2>&1");
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.out.find("第 2 行：既不是 UTF-8 也不是 GBK 编码的文字"), std::string::npos) << bad.out;
  std::ofstream(chart) << "1101,\n";
  EXPECT_EQ(Cli("accounts --chart " + chart).status, 2);
  EXPECT_EQ(Cli("accounts --chart " + Folder() + "/none.csv").status, 4);
}

TEST(Books, FilesAreWrittenWholeOrNotAtAll) {
  std::string dir = Folder();
  for (const std::string& bad : std::vector<std::string>{
           "--format xlsx", "--format csv --output " + dir + "/x", "--format xlsx --output",
           "--format xlsx --output " + dir + "/x --date 2026-02-30",
           "--format voucher-pdf --output " + dir + "/x --per-page 4",
           "--format xlsx --output " + dir + "/x --number 0"}) {
    EXPECT_EQ(Cli(kSharePurchase + " " + bad).status, 2) << bad;
  }
  // A press that faults books nothing.
  EXPECT_EQ(Cli("press Form9 Text1=1e300 Text3=1e300 --format xlsx --output " + dir + "/fault.xlsx").status,
            3);
  // An entry alone on one side is refused, and told.
  CliRun refused =
      Cli("press Form124 Text1=100 Text2=50 --format import-csv --output " + dir + "/r.csv", true);
  EXPECT_NE(refused.out.find("not booked: "), std::string::npos) << refused.out;
  EXPECT_NE(refused.out.find("借贷不平"), std::string::npos) << refused.out;
  // A target that cannot be replaced (a folder) or reached stays as it was.
  std::filesystem::create_directory(dir + "/folder.xlsx");
  EXPECT_EQ(Cli(kSharePurchase + " --format xlsx --output " + dir + "/folder.xlsx").status, 4);
  EXPECT_EQ(Cli(kSharePurchase + " --format voucher-pdf --output " + dir + "/no/such/v.pdf").status, 4);
  EXPECT_TRUE(std::filesystem::is_directory(dir + "/folder.xlsx"));
  std::vector<std::string> left;
  for (const auto& e : std::filesystem::directory_iterator(dir)) left.push_back(e.path().filename());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"folder.xlsx", "r.csv"}));
}

}  // namespace

// An exercise set's sheets: every question on the sheet with the name lines, every key amount in
// the key; a damaged set writes nothing, a file that cannot be written is told.
TEST(Books, SetSheetsHoldEveryQuestionAndKey) {
  const std::string dir = Folder(), set = dir + "/set.jsonl", sheet = dir + "/sheet.pdf",
                    key = dir + "/key.pdf";
  ASSERT_EQ(Cli("set make --count 12 --seed 7 --output " + set).status, 0);
  ASSERT_EQ(Cli("set print " + set + " --output " + sheet + " --key " + key).status, 0);
  std::string sheetText = Shell("pdftotext " + sheet + " - | tr -d ' \\f'").out;
  std::string keyText = Shell("pdftotext " + key + " - | tr -d ' \\f'").out;
  for (std::string_view caption : {"姓名", "学号", "会计科目", "借/贷", "金额"})
    EXPECT_NE(sheetText.find(caption), std::string::npos) << caption;
  for (int n = 1; n <= 12; ++n) {
    std::string number = "第" + std::to_string(n) + "题";
    EXPECT_NE(sheetText.find(number), std::string::npos) << number;
    EXPECT_NE(keyText.find(number), std::string::npos) << number;
  }
  EXPECT_EQ(sheetText.find("第13题"), std::string::npos);

  std::filesystem::remove(sheet);
  std::ofstream(dir + "/damaged.jsonl") << "{\"set\": 1}\n";
  EXPECT_EQ(Cli("set print " + dir + "/damaged.jsonl --output " + sheet).status, 2);
  EXPECT_EQ(Cli("set print " + set + " --key " + key).status, 2);
  EXPECT_FALSE(std::filesystem::exists(sheet));
  CliRun unwritable =
      Cli("set print " + set + " --output " + sheet + " --key " + dir + "/no/such/key.pdf", true);
  EXPECT_EQ(unwritable.status, 4);
  EXPECT_NE(unwritable.out.find("cannot write " + dir + "/no/such/key.pdf"), std::string::npos)
      << unwritable.out;
}
