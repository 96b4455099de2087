// set make and set mark as a teacher runs them: a set file, a folder of answers, a report.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/run_command.h"
#include "core/catalogue/catalogue.h"
#include "core/practice/exercise_set.h"
#include "core/practice/marking.h"

namespace varnello {
namespace {

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(SetCli, MakeThenMarkAFolderListingTheFileNotMarked) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::path(::testing::TempDir()) / ("set_cli_" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "answers");
  const std::string cli = VARNELLO_CLI;
  const std::string setFile = (dir / "set.jsonl").string();

  CliRun made = RunCommand(cli + " set make --count 5 --seed 7 --subject 工资，税费 --output " + setFile);
  ASSERT_EQ(made.status, 0);
  EXPECT_EQ(made.out, "");
  EXPECT_EQ(Slurp(setFile), RunCommand(cli + " set make --count 5 --seed=7 --subject 工资,税费").out);
  SetReading set = ReadSet(Slurp(setFile));
  ASSERT_EQ(set.error, "");

  // One student writes every key line; another file answers another set.
  SetAnswers right{set.set.id, "01", "甲", {}};
  for (const SetExercise& e : set.set.exercises) {
    AnswerKey key = KeyOf(*FindTopic(*WindowId::Parse(e.window)), e.fields);
    for (const KeyLine& k : key.entryLines[e.entry])
      right.lines.push_back({e.number, {k.account, std::string(SideText(k.side)), PlainAmount(k.amount)}});
  }
  std::ofstream(dir / "answers" / "01.csv") << AnswersCsv(right);
  std::ofstream(dir / "answers" / "02.csv") << AnswersCsv({"7-00000000", "02", "乙", {}});
  std::ofstream(dir / "answers" / "notes.txt") << "not an answers file";

  const std::string err = (dir / "err.txt").string();
  CliRun marked = RunCommand(cli + " set mark " + setFile + " " + (dir / "answers").string() + " --output " +
                             (dir / "report").string() + " --detail optional 2>" + err);
  EXPECT_EQ(marked.status, 1);
  EXPECT_NE(Slurp(err).find("02.csv: 第 2 行：答的是练习集 7-00000000"), std::string::npos) << Slurp(err);
  std::string csv = Slurp(dir / "report" / "report.csv");
  EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBF学号,姓名,题号,得分,错误数,错误\r\n01,甲,1,1,0,\r\n")) << csv;
  EXPECT_EQ(csv.find("乙"), std::string::npos);
  EXPECT_NE(Slurp(dir / "report" / "report.html").find("02.csv"), std::string::npos);

  // A 中级 class: first-level accounts, amounts in 万元 rounded half up to two decimals, sides as
  // Dr/Cr; full marks with --format 中级, not with the default.
  SetAnswers middle{set.set.id, "03", "丙", {}};
  for (const SetExercise& e : set.set.exercises) {
    AnswerKey key = KeyOf(*FindTopic(*WindowId::Parse(e.window)), e.fields);
    for (const KeyLine& k : key.entryLines[e.entry]) {
      std::string normal = NormalizeAccount(k.account);
      long long fen = std::llabs(static_cast<long long>(Cents(k.amount)));
      long long hundreds = (fen + 5000) / 10000;
      char wan[32];
      std::snprintf(wan, sizeof wan, "%lld.%02lld", hundreds / 100, hundreds % 100);
      bool debit = (k.side == Side::Debit) == (k.amount >= 0);
      middle.lines.push_back(
          {e.number, {normal.substr(0, normal.find_first_of("-/")), debit ? "Dr" : "Cr", wan}});
    }
  }
  fs::create_directories(dir / "middle");
  std::ofstream(dir / "middle" / "03.csv") << AnswersCsv(middle);
  for (const char* format : {"中级", "初级"}) {
    CliRun r = RunCommand(cli + " set mark " + setFile + " " + (dir / "middle").string() + " --output " +
                          (dir / "report3").string() + " --format " + format);
    EXPECT_EQ(r.status, 0) << format;
    csv = Slurp(dir / "report3" / "report.csv");
    for (const SetExercise& e : set.set.exercises) {
      std::string row = "\r\n03,丙," + std::to_string(e.number) + ",1,0,\r\n";
      EXPECT_EQ(csv.find(row) != std::string::npos, std::string_view(format) == "中级") << format << csv;
    }
  }

  for (const char* args :
       {"set make --subject 工资 --subject 税费", "set make --subject 无此", "set make --count x",
        "set make --count 999 --windows Form6", "set frob", "set mark " /* no files */,
        "set mark set.jsonl answers --output report --format 高级"}) {
    CliRun r = RunCommand(cli + " " + args + " 2>/dev/null");
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_EQ(r.out, "") << args;
  }
  fs::remove_all(dir);
}

// What the files of a class and a teacher's outputs get: a set file with a byte-order mark is
// read; a GBK answers file is read, its 学号 with raw control bytes reaches neither report raw;
// the sheet and its key never go to one path; a FIFO, a device or a folder given as --output
// stays what it is.
TEST(SetCli, HostileFilesAndOutputs) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::path(::testing::TempDir()) / ("set_cli_files_" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "answers");
  const std::string cli = VARNELLO_CLI;
  const std::string setFile = (dir / "set.jsonl").string(), bomFile = (dir / "bom.jsonl").string();
  ASSERT_EQ(RunCommand(cli + " set make --count 2 --seed 3 --windows Form6 --output " + setFile).status, 0);
  std::ofstream(bomFile, std::ios::binary) << "\xEF\xBB\xBF" << Slurp(setFile);
  const std::string id = ReadSet(Slurp(setFile)).set.id;

  // The answers as a spreadsheet set to Chinese saves them: GBK (乙 is D2 D2), a NUL and an
  // escape in the 学号.
  std::ofstream(dir / "answers" / "a.csv", std::ios::binary)
      << "\xC1\xB7\xCF\xB0\xBC\xAF,\xD1\xA7\xBA\xC5,\xD0\xD5\xC3\xFB,\xCC\xE2\xBA\xC5,"
         "\xBB\xE1\xBC\xC6\xBF\xC6"
         "\xC4\xBF,\xBD\xE8/\xB4\xFB,\xBD\xF0\xB6\xEE\r\n"
      << id << std::string(",0\x00\x1B[2J7,\xD2\xD2,,,,\r\n", 17);
  CliRun marked = RunCommand(cli + " set mark " + bomFile + " " + (dir / "answers").string() + " --output " +
                             (dir / "report").string() + " 2>&1");
  EXPECT_EQ(marked.status, 0) << marked.out;
  std::string csv = Slurp(dir / "report" / "report.csv"), html = Slurp(dir / "report" / "report.html");
  EXPECT_NE(csv.find("\r\n0[2J7,乙,1,0,"), std::string::npos) << csv;
  EXPECT_NE(html.find("0[2J7"), std::string::npos);
  for (const std::string& report : {csv, html}) {
    EXPECT_EQ(report.find('\x1B'), std::string::npos);
    EXPECT_EQ(report.find('\0'), std::string::npos);
  }

  // One path for the sheet and its key, also through a link: refused, the old file kept.
  const std::string same = (dir / "same.pdf").string();
  std::ofstream(same) << "old";
  fs::create_symlink("same.pdf", dir / "alias.pdf");
  for (const std::string& key : {same, (dir / "alias.pdf").string(), (dir / "." / "same.pdf").string()}) {
    CliRun r = RunCommand(cli + " set print " + setFile + " --output " + same + " --key " + key + " 2>&1");
    EXPECT_EQ(r.status, 4) << key;
    EXPECT_NE(r.out.find("names the same file"), std::string::npos) << r.out;
    EXPECT_EQ(Slurp(same), "old");
  }
  // A key that cannot be written: the sheet is not written either.
  CliRun r = RunCommand(cli + " set print " + setFile + " --output " + same + " --key " +
                        (dir / "missing" / "key.pdf").string() + " 2>/dev/null");
  EXPECT_EQ(r.status, 4);
  EXPECT_EQ(Slurp(same), "old");

  // Outputs that are no regular file, and a link to one; /dev/stdout is refused, not replaced.
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
  fs::create_directory(dir / "folder");
  fs::create_symlink("fifo", dir / "to-fifo");
  for (const char* name : {"fifo", "folder", "to-fifo"}) {
    for (const char* format : {"import-csv", "xlsx", "voucher-pdf"}) {
      CliRun w = RunCommand(cli + " press Form6 Text1=10 Text3=100 --format " + format + " --output " +
                            (dir / name).string() + " 2>&1");
      EXPECT_EQ(w.status, 4) << name << " " << format;
      EXPECT_NE(w.out.find("not a regular file"), std::string::npos) << w.out;
    }
  }
  EXPECT_TRUE(fs::is_fifo(dir / "fifo"));
  EXPECT_TRUE(fs::is_directory(dir / "folder"));
  const std::string out = (dir / "stdout.txt").string();
  CliRun toStdout = RunCommand(
      cli + " press Form6 Text1=10 Text3=100 --format import-csv --output /dev/stdout >" + out + " 2>&1");
  EXPECT_EQ(toStdout.status, 4);
  EXPECT_NE(Slurp(out).find("/dev/stdout"), std::string::npos);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace varnello
