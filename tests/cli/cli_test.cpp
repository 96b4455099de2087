// The command-line contract: output lines, JSON shapes, errors and exit statuses.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

namespace {

struct CliRun {
  std::string out;
  int status;
};

// Runs varnello-cli with arguments (already shell-quoted) and optional stdin text.
CliRun Cli(const std::string& args, const std::string& input = "") {
  std::string inFile = ::testing::TempDir() + "cli_in.txt";
  std::ofstream(inFile) << input;
  std::string cmd = std::string(VARNELLO_CLI) + " " + args + " < " + inFile + " 2>/dev/null";
  FILE* pipe = popen(cmd.c_str(), "r");
  std::string out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
  int status = pclose(pipe);
  return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

TEST(Cli, PressByKeywordPrintsLines) {
  CliRun r = Cli("press 少记折旧 Text1=1000 Text2=0.25 Text3=0.1 Text4=0.05");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("\n调整未分配利润 637.5 \n"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "补提折旧");
  EXPECT_EQ(Cli("press Form3 Text1=1000 Text2=0.25 Text3=0.1 Text4=0.05").out, r.out);
}

TEST(Cli, PressJsonAndFault) {
  CliRun r = Cli("press Form9 Text1=1e300 Text3=1e300 --json");
  EXPECT_EQ(r.status, 3);
  auto doc = nlohmann::json::parse(r.out);
  EXPECT_EQ(doc["window"], "Form9");
  EXPECT_EQ(doc["fault"], "overflow");
  EXPECT_EQ(doc["lines"].size(), 4u);
  CliRun text = Cli("press Form9 Text1=1e300 Text3=1e300");
  EXPECT_EQ(text.status, 3);
  EXPECT_EQ(text.out, "本年末资产减值损失 1E+300 \n\n本年末账面价值 1E+300 \n\n");
}

// The working: indented under each amount line with --explain; in JSON parallel to the lines,
// null for a line without an amount; in batch only when asked.
TEST(Cli, ExplainShowsTheWorking) {
  CliRun r = Cli("press 少记折旧 Text1=1000 Text2=0.25 Text3=0.1 Text4=0.05 --explain");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("\n调整未分配利润 637.5 \n"
                       "    = 净利润 750 − 盈余公积 112.5\n"
                       "      净利润 750 = 少记折旧费用 1000 − 所得税 250\n"),
            std::string::npos)
      << r.out;
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "补提折旧");

  auto doc = nlohmann::json::parse(Cli("press Form6 Text1=10 Text2=0.5 Text3=1000 Text4=50 --json").out);
  ASSERT_EQ(doc["working"].size(), doc["lines"].size());
  EXPECT_TRUE(doc["working"][0].is_null());  // 购入股票
  EXPECT_EQ(doc["working"][3]["text"], "银行存款（贷） 10050 = 数额 1000 × 每股价格 10 + 手续费等 50");
  EXPECT_EQ(doc["working"][3]["expr"], "((Text3 * Text1) + Text4)");

  std::string batch =
      Cli("batch", "{\"window\": \"Form6\", \"explain\": true}\n{\"window\": \"Form6\"}\n").out;
  auto explained = nlohmann::json::parse(batch.substr(0, batch.find('\n')));
  auto plain = nlohmann::json::parse(batch.substr(batch.find('\n') + 1));
  EXPECT_EQ(explained["working"].size(), explained["lines"].size());
  EXPECT_FALSE(plain.contains("working"));
  EXPECT_EQ(explained["lines"], plain["lines"]);
}

TEST(Cli, UsageErrors) {
  for (const char* args :
       {"press 没有这个", "press Form6 Text9=1", "press Form6 Textx=1", "press Form6 junk", "press Form1",
        "press Form27", "frobnicate", "describe Form999", "press Form6 Text01=1", "press Form6 Text+1=1",
        "press Form6 --frobnicate", "press --json", "batch extra", "batch --json", "describe --frobnicate",
        "describe Form6 Form7"}) {
    CliRun r = Cli(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_EQ(r.out, "") << args;
  }
  EXPECT_EQ(Cli("--help").status, 0);
  EXPECT_EQ(Cli("press --help").status, 0);
}

// Exit status of a shell command line running varnello-cli with the given redirections.
int Status(const std::string& argsAndRedirections) {
  int status = std::system((std::string(VARNELLO_CLI) + " " + argsAndRedirections + " 2>/dev/null").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Cli, FailedReadsAndWritesAreErrors) {
  std::string input = ::testing::TempDir() + "cli_requests.txt";
  std::ofstream(input) << "{\"window\": \"Form9\", \"fields\": {\"Text1\": \"10\"}}\n";
  for (const std::string& args : std::vector<std::string>{
           "press Form9 Text1=10 >/dev/full", "press Form9 Text1=10 --json >/dev/full", "describe >/dev/full",
           "describe Form6 --json >/dev/full", "--help >/dev/full", "batch >/dev/full <" + input,
           "batch >&- <" + input, "batch </ >/dev/null", "batch <&- >/dev/null"}) {
    EXPECT_EQ(Status(args), 4) << args;
  }
  EXPECT_EQ(Status("batch >/dev/null <" + input), 0);
}

TEST(Cli, BatchGoesOnAfterBadRequests) {
  std::string input =
      "{\"window\": \"Form9\", \"fields\": {\"Text1\": \"10\"}}\n"
      "not json\n"
      "{\"window\": \"Form999\"}\n"
      "{\"window\": \"Form6\", \"fields\": {\"Text7\": \"1\"}}\n"
      "{\"window\": \"买股票\", \"fields\": {\"Text1\": 5}}\n"
      "{\"window\": \"Form3\", \"fields\": {\"Text1\": \"1e300\", \"Text2\": \"1e300\"}}\n";
  CliRun r = Cli("batch", input);
  EXPECT_EQ(r.status, 0);
  std::vector<nlohmann::json> lines;
  size_t start = 0;
  for (size_t nl; (nl = r.out.find('\n', start)) != std::string::npos; start = nl + 1) {
    lines.push_back(nlohmann::json::parse(r.out.substr(start, nl - start)));
  }
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0]["lines"][0], "本年末资产减值损失 10 ");
  EXPECT_TRUE(lines[0]["fault"].is_null());
  for (int i : {1, 2, 3, 4}) EXPECT_TRUE(lines[static_cast<size_t>(i)].contains("error")) << i;
  EXPECT_EQ(lines[5]["fault"], "overflow");
  EXPECT_EQ(lines[5]["lines"].size(), 4u);
}

TEST(Cli, DescribeListsEveryWindowKeywordAndMenuEntry) {
  CliRun r = Cli("describe --json");
  ASSERT_EQ(r.status, 0);
  auto doc = nlohmann::json::parse(r.out);
  EXPECT_EQ(doc["windows"].size(), 125u);
  EXPECT_EQ(doc["keywords"].size(), 169u);
  EXPECT_EQ(doc["menu"].size(), 13u);
  EXPECT_EQ(doc["keywords"][0], nlohmann::json({"股价变动", "Form2"}));
  EXPECT_EQ(doc["menu"][12]["opens"], "Form52");
  auto form6 = doc["windows"][5];
  EXPECT_EQ(form6["name"], "Form6");
  EXPECT_EQ(form6["kind"], "topic");
  EXPECT_EQ(form6["fields"][0], nlohmann::json({{"name", "Text1"}, {"caption", "每股价格"}}));
  EXPECT_EQ(doc["windows"][0]["kind"], "main");
  EXPECT_EQ(doc["windows"][26]["kind"], "category");
}

}  // namespace
