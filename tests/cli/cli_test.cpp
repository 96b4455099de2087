// The command-line contract: output lines, JSON shapes, errors and exit statuses.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "cli/batch.h"
#include "cli/run_command.h"

namespace {

// Runs varnello-cli with arguments (already shell-quoted) and optional stdin text; stderr is
// dropped, or with `stderrFile` written there.
CliRun Cli(const std::string& args, const std::string& input = "",
           const std::string& stderrFile = "/dev/null") {
  // One input file per test process: ctest runs the tests side by side.
  std::string inFile = ::testing::TempDir() + "cli_in_" + std::to_string(getpid()) + ".txt";
  std::ofstream(inFile) << input;
  return RunCommand(std::string(VARNELLO_CLI) + " " + args + " < " + inFile + " 2>" + stderrFile);
}

// Every byte value at every place of an eight-byte word, amid UTF-8 and plain ASCII: escaped as
// byte-by-byte escaping does.
TEST(Cli, JsonStringsEscapeEveryByteAsByByte) {
  auto byByte = [](std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
      const char* named = c == '"'    ? "\\\""
                          : c == '\\' ? "\\\\"
                          : c == '\b' ? "\\b"
                          : c == '\f' ? "\\f"
                          : c == '\n' ? "\\n"
                          : c == '\r' ? "\\r"
                          : c == '\t' ? "\\t"
                                      : nullptr;
      char hex[8];
      if (named == nullptr && c < 0x20) std::snprintf(hex, sizeof hex, "\\u%04x", c);
      out += named != nullptr ? named : c < 0x20 ? hex : std::string(1, static_cast<char>(c));
    }
    return out + "\"";
  };
  for (std::string filler : {"借贷记账法则", "abcdefghijklmnopqr"}) {
    for (int c = 0; c < 256; ++c) {
      for (size_t at = 0; at <= filler.size(); ++at) {
        std::string text = filler;
        text.insert(at, 1, static_cast<char>(c));
        std::string out = "x";
        varnello::AppendJsonString(out, text);
        ASSERT_EQ(out, "x" + byByte(text)) << "byte " << c << " at " << at;
      }
    }
  }
  std::string out;
  varnello::AppendJsonString(out, "\"\\\n\x01\x1f\x7f");
  EXPECT_EQ(out, nlohmann::json("\"\\\n\x01\x1f\x7f").dump());
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
  CliRun version = Cli("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "varnello-cli " VARNELLO_VERSION "\n");
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

std::vector<nlohmann::json> AnswerLines(const std::string& out) {
  std::vector<nlohmann::json> lines;
  size_t start = 0;
  for (size_t nl; (nl = out.find('\n', start)) != std::string::npos; start = nl + 1) {
    lines.push_back(nlohmann::json::parse(out.substr(start, nl - start)));
  }
  return lines;
}

TEST(Cli, BatchAnswersEveryLineInOrderWithItsId) {
  std::string many = "{\"window\": \"Form9\", \"fields\": {";
  for (int i = 0; i < 50000; ++i) many += "\"k" + std::to_string(i) + "\": 1, ";
  many += "\"Text1\": \"1\"}}";
  std::string input =
      "{\"id\": 7, \"window\": \"Form9\", \"fields\": {\"Text1\": \"10\"}}\n"
      "\n"
      "   \r\n"
      "{\"id\": \"b\", \"window\": \"Form999\"}\n"
      "{\"window\": \"Form9\", \"window\": \"Form6\"}\n"
      "{\"window\": \"Form9\", \"fields\": {\"Text1\": \"1\", \"Text1\": \"2\"}}\n"
      "{\"id\": [1, {\"x\": null}], \"window\": \"Form9\", \"fields\": {\"Text01\": \"1\"}}\n" +
      std::string(2000, '[') + "\n" + "{\"window\": \"Form9\", \"fields\": {\"Text1\": \"" +
      std::string(1 << 20, '1') + "\"}}\n" + many + "\n" +
      "{\"id\": 1.5e3, \"window\": \"Form9\", \"fields\": {\"Text1\": \"2\"}}";  // no final line feed
  CliRun r = Cli("batch", input);
  EXPECT_EQ(r.status, 0);
  std::vector<nlohmann::json> a = AnswerLines(r.out);
  ASSERT_EQ(a.size(), 11u) << r.out.substr(0, 2000);
  EXPECT_EQ(a[0]["id"], 7);
  EXPECT_EQ(a[0]["lines"][0], "本年末资产减值损失 10 ");
  EXPECT_EQ(a[1], nlohmann::json({{"error", "empty request"}}));
  EXPECT_EQ(a[2], nlohmann::json({{"error", "empty request"}}));
  EXPECT_EQ(a[3], nlohmann::json({{"id", "b"}, {"error", "unknown window or keyword: Form999"}}));
  EXPECT_EQ(a[4]["error"], "repeated key \"window\"");
  EXPECT_EQ(a[5]["error"], "repeated key \"Text1\"");
  EXPECT_EQ(a[6], nlohmann::json({{"id", {1, {{"x", nullptr}}}}, {"error", "Form9 has no field Text01"}}));
  EXPECT_EQ(a[7]["error"], "malformed request: not JSON");
  EXPECT_EQ(a[8]["error"], "request longer than 1 MiB");
  EXPECT_EQ(a[9]["error"], "Form9 has no field k0");
  EXPECT_EQ(a[10]["id"], 1500.0);
  EXPECT_EQ(a[10]["lines"][0], "本年末资产减值损失 2 ");
  // The id stands first, so that a reader of the text sees it without parsing.
  EXPECT_EQ(r.out.substr(0, 7), "{\"id\":7");
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

TEST(Cli, EntriesAsJsonTableAndCapital) {
  const std::string form6 = "press 买股票 Text1=10 Text2=0.5 Text3=1000 Text4=50";
  auto doc = nlohmann::json::parse(Cli(form6 + " --format json").out);
  EXPECT_EQ(doc["lines"].size(), 21u);
  const auto& first = doc["entries"][0];
  EXPECT_EQ(first["heading"], "购入股票");
  EXPECT_EQ(first["rows"][2].dump(), R"({"account":"银行存款","amount":10050,"line":3,"side":"credit"})");
  EXPECT_EQ(doc["entries"][1]["heading"], nullptr);
  EXPECT_EQ(doc["entries"][1]["rows"][0]["side"], nullptr);
  EXPECT_EQ(Cli(form6 + " --format text").out, Cli(form6).out);
  std::string tsv = Cli(form6 + " --format tsv").out;
  EXPECT_EQ(tsv.substr(0, tsv.find("\t银行存款\t\t10050\t\n")),
            "摘要\t会计科目\t借方金额\t贷方金额\t其他金额\n"
            "购入股票\t交易性金融资产-成本\t9550\t\t\n\t投资收益\t500\t\t\n");
  EXPECT_EQ(Cli(form6 + " --format=csv").out.substr(0, 60), "摘要,会计科目,借方金额,贷方金额,其他金额\r\n");
  for (const char* bad : {" --format", " --format xml"}) EXPECT_EQ(Cli(form6 + bad).status, 2) << bad;

  auto batch =
      nlohmann::json::parse(Cli("batch", "{\"window\": \"Form6\", \"fields\": {\"Text3\": \"2\"}}\n").out);
  EXPECT_EQ(batch["entries"].size(), 6u);

  CliRun capital = Cli("capital 10050 -0.5 100000000.01");
  EXPECT_EQ(capital.status, 0);
  EXPECT_EQ(capital.out, "壹万零伍拾元整\n负伍角整\n壹亿元零壹分\n");
  for (const char* bad : {"capital", "capital 12元", "capital 1e16", "capital nan"})
    EXPECT_EQ(Cli(bad).status, 2) << bad;
}

// A field not read whole is told wherever a press is answered; every entry says whether it
// balances; a side the print leaves out is supplied and said to be.
TEST(Cli, WarningsBalancesAndInferredSides) {
  const std::string form6 = "press 买股票 Text1=10 Text2=0.5 Text4=50";
  EXPECT_NE(Cli(form6 + " Text3=1,000").out.find("\n银行存款（贷） 10050 \n"), std::string::npos);
  std::string errFile = ::testing::TempDir() + "cli_err_" + std::to_string(getpid()) + ".txt";
  CliRun classic = Cli(form6 + " Text3=1,00", "", errFile);
  EXPECT_EQ(classic.status, 0);
  EXPECT_EQ(classic.out, Cli(form6 + " Text3=1").out);
  std::ifstream err(errFile);
  std::string errText((std::istreambuf_iterator<char>(err)), std::istreambuf_iterator<char>());
  EXPECT_EQ(errText, "varnello-cli: Text3 读作 1：“,00”未读入\n");

  // Text2 once: a field given twice is refused.
  auto doc = nlohmann::json::parse(Cli("press 买股票 Text1=10 Text4=50 Text3=1,00 Text2=5万元 --json").out);
  EXPECT_EQ(doc["warnings"].dump(),
            R"([{"field":"Text2","read_as":5,"text":"5万元"},{"field":"Text3","read_as":1,"text":"1,00"}])");
  EXPECT_FALSE(nlohmann::json::parse(Cli(form6 + " Text3=1,000 --json").out).contains("warnings"));
  // An argument that is not UTF-8 is refused before it reaches a field.
  EXPECT_EQ(Cli(form6 + " Text3=\"$(printf '1\\377')\" --json").status, 2);
  const auto& bought = doc["entries"][0];
  EXPECT_EQ(bought["credit"], 60);  // 1 share at 10 and the fees of 50
  EXPECT_EQ(bought["debit"], bought["credit"]);
  EXPECT_EQ(bought["balanced"], true);

  std::string batch = Cli("batch",
                          "{\"window\": \"Form122\", \"fields\": {\"Text1\": \"13320\", \"Text2\": \"1\"}}\n"
                          "{\"window\": \"Form15\", \"fields\": {\"Text1\": \"1000\", \"Text3\": \"1000\", "
                          "\"Text4\": \"130\", \"Text5\": \"abc\"}}\n")
                          .out;
  auto capital = nlohmann::json::parse(batch.substr(0, batch.find('\n')));
  const auto& row = capital["entries"][0]["rows"][1];
  EXPECT_EQ(row["account"], "资本公积");
  EXPECT_EQ(row["side"], "credit");
  EXPECT_EQ(row["side_inferred"], true);
  EXPECT_FALSE(capital["entries"][0]["rows"][0].contains("side_inferred"));
  EXPECT_EQ(capital["entries"][0]["balanced"], true);
  EXPECT_FALSE(capital.contains("warnings"));
  auto note = nlohmann::json::parse(batch.substr(batch.find('\n') + 1));
  EXPECT_EQ(note["entries"][0]["balanced"], false);  // 票据面值 1000 against 货款 1000 + 增值税 130
  EXPECT_EQ(note["entries"][0]["credit"], 1130);
  EXPECT_EQ(note["warnings"][0]["field"], "Text5");

  auto closing = nlohmann::json::parse(Cli("press Form114 Text1=100 Text3=500 --json").out);
  EXPECT_EQ(closing["entries"][0]["rows"][0]["balance_line"], true);
  EXPECT_EQ(closing["entries"][0]["balanced"], true);

  auto marked = nlohmann::json::parse(
      Cli("mark", "{\"window\": \"Form6\", \"fields\": {\"Text3\": \"1,00\"}, \"answer\": []}\n").out);
  EXPECT_EQ(marked["warnings"].dump(), R"([{"field":"Text3","read_as":1,"text":"1,00"}])");

  EXPECT_EQ(Cli("capital 12345678901234.56").out,
            "壹拾贰万叁仟肆佰伍拾陆亿柒仟捌佰玖拾万壹仟贰佰叁拾肆元伍角陆分\n");
  EXPECT_EQ(Cli("capital 12.345").status, 2);
}

TEST(Cli, FindListsMatchesBestFirstAndDescribeShowsInitials) {
  CliRun r = Cli("find mgp");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "买股票  Form6  股票/债券\n购买股票  Form6  股票/债券\n");
  std::string maiGu = Cli("find 'MAI GU'").out;
  EXPECT_EQ(maiGu.substr(0, maiGu.find('\n')), "买股票  Form6  股票/债券");
  // A keyword no category lists has no subject.
  EXPECT_EQ(Cli("find 少记").out, "少记折旧  Form3\n");

  auto doc = nlohmann::json::parse(Cli("find 股票 --json").out);
  EXPECT_EQ(doc["query"], "股票");
  EXPECT_EQ(doc["matches"].size(), 9u);
  EXPECT_EQ(doc["matches"][0], nlohmann::json({{"keyword", "股票"},
                                               {"window", "Form66"},
                                               {"subject", "股票/债券"},
                                               {"pinyin", "gu piao"},
                                               {"initials", "gp"},
                                               {"match", "exact"}}));
  EXPECT_EQ(doc["matches"][8]["keyword"], "发行股票");

  CliRun none = Cli("find xq --json");
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(nlohmann::json::parse(none.out)["matches"].size(), 0u);
  EXPECT_EQ(Cli("find").status, 2);
  EXPECT_EQ(Cli("find a b").status, 2);

  std::string form103 = Cli("describe 长期借款").out;
  EXPECT_EQ(form103.substr(0, form103.find('\n')), "Form103 (topic) keywords: 长期借款 (cqjk)");
  auto form41 = nlohmann::json::parse(Cli("describe Form41 --json").out)["windows"][0];
  EXPECT_EQ(form41["initials"], nlohmann::json({"gmcqzq", "cycqzq", "cscqzq", "cqzqtz"}));
}

// A teacher's round trip: an exercise's figures, marked with the window's own key as the answer,
// score 100 %; a flipped side and a bad request are told apart.
TEST(Cli, ExerciseFiguresMarkedBack) {
  CliRun ex = Cli("exercise Form18 --seed 1");
  ASSERT_EQ(ex.status, 0);
  EXPECT_EQ(Cli("exercise 坏账准备 --seed 1").out, ex.out);
  auto request = nlohmann::json::parse(ex.out);
  EXPECT_EQ(request["seed"], 1);
  request["answer"] = nlohmann::json::array();
  auto first = nlohmann::json::parse(Cli("mark", request.dump() + "\n").out);
  ASSERT_GT(first["key"].size(), 0u);
  EXPECT_EQ(first["score"], 0.0);
  EXPECT_EQ(first["missing"].size(), first["key"].size());
  request["answer"] = first["key"];
  nlohmann::json flipped = request;
  flipped["answer"][0]["side"] = flipped["answer"][0]["side"] == "借" ? "贷" : "借";
  CliRun marked = Cli("mark", request.dump() + "\n" + flipped.dump() + "\n{\"window\": \"Form18\"}\n");
  EXPECT_EQ(marked.status, 0);
  std::vector<nlohmann::json> answers;
  for (size_t at = 0, end; (end = marked.out.find('\n', at)) != std::string::npos; at = end + 1)
    answers.push_back(nlohmann::json::parse(marked.out.substr(at, end - at)));
  ASSERT_EQ(answers.size(), 3u);
  EXPECT_EQ(answers[0]["score"], 1.0);
  EXPECT_EQ(answers[0]["missing"].size(), 0u);
  EXPECT_EQ(answers[1]["rows"][0]["mark"], "wrong_side");
  EXPECT_LT(answers[1]["score"], 1.0);
  EXPECT_TRUE(answers[2].contains("error"));
  for (const char* args : {"exercise", "exercise Form18 --seed", "exercise Form18 --seed x", "exercise Form1",
                           "exercise Form18 Form19", "mark extra"}) {
    EXPECT_EQ(Cli(args).status, 2) << args;
  }
}

namespace {

// batch and mark read their requests alike: each hostile line gets this exact answer from both.
TEST(Cli, BatchAndMarkHoldRequestsToOneRule) {
  struct Case {
    std::string request, answer;
  };
  const std::vector<Case> cases = {
      {R"({"id": 1.10, "window": "Form6", "feilds": {}})", R"({"id":1.10,"error":"unknown key \"feilds\""})"},
      {R"({"window": "Form6", "window": "Form6"})", R"({"error":"repeated key \"window\""})"},
      {R"({"id": -0, "window": "Form6", "fields": {"Text1": "1", "Text1": "2"}})",
       R"({"id":-0,"error":"repeated key \"Text1\""})"},
      {R"({"id": 2, "window": "Form6"} junk)",
       R"({"id":2,"error":"trailing bytes after the request object"})"},
      {R"({"window": "Form6"}{})", R"({"error":"trailing bytes after the request object"})"},
      {"{\"id\": 3, \"window\": \"Form6\", \"fields\": {\"Text1\": \"1\xC0\xAE"
       "5\"}}",
       R"({"error":"request is not valid UTF-8"})"},
      {R"({"id": 123456789012345678901234567890, "window": "Form6", "fields": {"Text1": 1e999}})",
       R"({"id":123456789012345678901234567890,"error":"malformed request: a number that is not JSON or is beyond the range of a double"})"},
      {R"({"id": 12345678901234567890123, "window": "Form999"})",
       R"({"id":12345678901234567890123,"error":"unknown window or keyword: Form999"})"},
      {R"({"id": {"a": [1, "}"]}, "window": "Form6", "fields": []})",
       R"({"id":{"a": [1, "}"]},"error":"\"fields\" must be an object"})"},
      {R"({"id": [1,], "window": "Form6"})", R"({"error":"malformed request: not JSON"})"},
      {R"({"id": 1e999, "window": "Form6"})",
       R"({"error":"malformed request: a number that is not JSON or is beyond the range of a double"})"},
      {R"([{"window": "Form6"}])", R"({"error":"request is not a JSON object"})"},
      {R"({"window": "Form6", "fields": {"Text1": "\u00"}})",
       R"({"error":"malformed request: a string that is not JSON"})"},
  };
  std::string input;
  for (const Case& c : cases) input += c.request + "\n";
  for (const char* command : {"batch", "mark"}) {
    CliRun r = Cli(command, input);
    EXPECT_EQ(r.status, 0);
    size_t at = 0;
    for (const Case& c : cases) {
      size_t end = r.out.find('\n', at);
      ASSERT_NE(end, std::string::npos) << command;
      EXPECT_EQ(r.out.substr(at, end - at), c.answer) << command << ": " << c.request;
      at = end + 1;
    }
    EXPECT_EQ(at, r.out.size()) << command;
  }
  // An id as written on an answer that is not an error.
  EXPECT_EQ(Cli("batch", "{\"id\": 1.10, \"window\": \"Form9\"}\n").out.substr(0, 22),
            "{\"id\":1.10,\"window\":\"F");
  std::string marked = Cli("mark", "{\"id\": 1E+2, \"window\": \"Form9\", \"answer\": []}\n").out;
  EXPECT_EQ(marked.substr(0, 32), "{\"id\":1E+2,\"window\":\"Form9\",\"sco");
}

// The answer of a press that faults marks the lines against the key up to the fault, but gives
// no score.
TEST(Cli, MarkGivesNoScoreBesideAFault) {
  auto answer = nlohmann::json::parse(
      Cli("mark", R"({"window": "Form9", "fields": {"Text1": "1e300", "Text3": "1e300"}, "answer": []})"
                  "\n")
          .out);
  EXPECT_EQ(answer["fault"], "overflow");
  EXPECT_FALSE(answer.contains("score"));
  EXPECT_TRUE(answer.contains("key"));
}

// The key gives each amount as the window prints it, without the sign slot's blank and the
// trailing blank: a fraction, and negative amounts written with an exponent.
TEST(Cli, MarkKeyAmountsAsPrinted) {
  std::string out =
      Cli("mark", R"({"window": "Form8", "fields": {"Text1": "10", "Text2": "100", "Text3": "-1e20",)"
                  R"( "Text4": "50", "Text5": "5.5"}, "entry": 0, "answer": []})"
                  "\n")
          .out;
  EXPECT_NE(out.find(R"("key":[{"account":"银行存款","side":"借","amount":"994.5"},)"
                     R"({"account":"投资收益","side":"借","amount":"-1E+20"},)"
                     R"({"account":"可供出售金融资产-成本","side":"贷","amount":"-1E+20"},)"
                     R"({"account":"公允价值变动","side":"贷","amount":"50"}])"),
            std::string::npos)
      << out;
}

// A client that sends one request and waits for its answer gets it while the input stays open.
TEST(Cli, AnswersComeBeforeTheInputEnds) {
  for (const char* command : {"batch", "mark"}) {
    int in[2], out[2];
    ASSERT_EQ(::pipe(in), 0);
    ASSERT_EQ(::pipe(out), 0);
    pid_t pid = ::fork();
    if (pid == 0) {
      ::dup2(in[0], 0);
      ::dup2(out[1], 1);
      ::close(in[1]);
      ::close(out[0]);
      ::execl(VARNELLO_CLI, VARNELLO_CLI, command, static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    std::string got;
    for (int request = 0; request < 3; ++request) {
      std::string line = "{\"id\": " + std::to_string(request) + ", \"window\": \"Form9\", \"answer\": []}\n";
      ASSERT_EQ(::write(in[1], line.data(), line.size()), static_cast<ssize_t>(line.size()));
      // Waits (60 s at most, for a loaded machine) for the answer's line feed.
      pollfd p{out[0], POLLIN, 0};
      while (std::count(got.begin(), got.end(), '\n') <= request && ::poll(&p, 1, 60000) == 1) {
        char buf[4096];
        ssize_t n = ::read(out[0], buf, sizeof buf);
        if (n <= 0) break;
        got.append(buf, static_cast<size_t>(n));
      }
      ASSERT_EQ(std::count(got.begin(), got.end(), '\n'), request + 1) << command;
      EXPECT_NE(got.find("{\"id\":" + std::to_string(request) + ","), std::string::npos) << got;
    }
    ::close(in[1]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ::close(out[0]);
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }
}

// Options as --name VALUE or --name=VALUE, not twice; fields not twice; arguments in UTF-8; a
// reader that goes away is exit status 4.
TEST(Cli, ArgumentsAndExitStatuses) {
  EXPECT_EQ(Cli("exercise Form18 --seed=5").out, Cli("exercise Form18 --seed 5").out);
  EXPECT_EQ(Cli("exercise Form18 --seed=5").status, 0);
  for (const char* args : {"exercise Form18 --seed 1 --seed=2", "press Form6 --format=csv --format csv",
                           "press Form6 Text1=1 Text1=2", "press Form6 \"Text1=$(printf '1\\300\\2565')\"",
                           "find \"$(printf '\\377')\"", "describe \"$(printf 'Form6\\377')\""}) {
    CliRun r = Cli(std::string("") + args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_EQ(r.out, "") << args;
  }
  std::string input = ::testing::TempDir() + "cli_many.txt";
  {
    std::ofstream many(input);
    for (int i = 0; i < 20000; ++i) many << "{\"window\": \"Form9\", \"fields\": {\"Text1\": \"10\"}}\n";
  }
  for (std::string command : {"batch", "mark"}) {
    std::string shell = "bash -c '" + std::string(VARNELLO_CLI) + " " + command + " <" + input +
                        " 2>/dev/null | head -c 1 >/dev/null; exit ${PIPESTATUS[0]}'";
    int status = std::system(shell.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 4) << command;
  }
}

}  // namespace

// A question is one entry: exercise names it and words it; mark takes it back with its options.
TEST(Cli, ExerciseEntryQuestionAndMarkOptions) {
  auto ex = nlohmann::json::parse(Cli("exercise 买股票 --seed 4 --entry 4").out);
  EXPECT_EQ(ex["entry"], nlohmann::json({{"index", 4}, {"heading", "分配股利"}}));
  std::string question = ex["question"];
  EXPECT_EQ(question.rfind("分配股利：每股股利 ", 0), 0u) << question;
  EXPECT_NE(question.find("。请编制会计分录。"), std::string::npos);
  EXPECT_EQ(Cli("exercise Form6 --entry 1").status, 2);  // a heading without rows
  nlohmann::json request = {
      {"window", "Form6"},
      {"fields", {{"Text1", "10"}, {"Text2", "0.5"}, {"Text3", "1000"}, {"Text4", "50"}}},
      {"entry", 0},
      {"detail", "optional"},
      {"unit", "wan"},
      {"answer",
       {{{"account", "交易性金融资产"}, {"side", "借"}, {"amount", "0.955"}},
        {{"account", "投资收益"}, {"side", "借"}, {"amount", "0.05"}},
        {{"account", "银行存款"}, {"side", "贷"}, {"amount", "1.005"}}}}};
  auto marked = nlohmann::json::parse(Cli("mark", request.dump() + "\n").out);
  EXPECT_EQ(marked["score"], 1.0) << marked.dump();
  EXPECT_EQ(marked["key"].size(), 3u);
  request["detail"] = "required";
  marked = nlohmann::json::parse(Cli("mark", request.dump() + "\n").out);
  EXPECT_EQ(marked["rows"][0]["mark"], "wrong_detail");
  EXPECT_EQ(marked["rows"][0]["reason"], "明细科目不符：应为 交易性金融资产-成本");
  request["unit"] = "万元";
  EXPECT_TRUE(nlohmann::json::parse(Cli("mark", request.dump() + "\n").out).contains("error"));
}
