// The command-line contract: output lines, JSON shapes, errors and exit statuses.
#include <gtest/gtest.h>
#include <poll.h>
#include <simdjson.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "cli/batch.h"
#include "cli/json_answers.h"
#include "cli/run_command.h"

namespace {

using simdjson::dom::element;

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
  EXPECT_EQ(out, R"("\"\\\n\u0001\u001f)"
                 "\x7f\"");
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
  element doc = ParseJson(r.out);
  EXPECT_EQ(Text(doc["window"]), "Form9");
  EXPECT_EQ(Text(doc["fault"]), "overflow");
  EXPECT_EQ(Size(doc["lines"]), 4u);
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

  element doc = ParseJson(Cli("press Form6 Text1=10 Text2=0.5 Text3=1000 Text4=50 --json").out);
  ASSERT_EQ(Size(doc["working"]), Size(doc["lines"]));
  EXPECT_TRUE(doc["working"].at(0).is_null());  // 购入股票
  EXPECT_EQ(Text(doc["working"].at(3)["text"]),
            "银行存款（贷） 10050 = 数额 1000 × 每股价格 10 + 手续费等 50");
  EXPECT_EQ(Text(doc["working"].at(3)["expr"]), "((Text3 * Text1) + Text4)");

  std::string batch =
      Cli("batch", "{\"window\": \"Form6\", \"explain\": true}\n{\"window\": \"Form6\"}\n").out;
  std::vector<element> answers = AnswerLines(batch);
  ASSERT_EQ(answers.size(), 2u);
  EXPECT_EQ(Size(answers[0]["working"]), Size(answers[0]["lines"]));
  EXPECT_FALSE(Has(answers[1], "working"));
  EXPECT_EQ(simdjson::minify(answers[0]["lines"]), simdjson::minify(answers[1]["lines"]));
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
  std::vector<element> lines = AnswerLines(r.out);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(Text(lines[0]["lines"].at(0)), "本年末资产减值损失 10 ");
  EXPECT_TRUE(lines[0]["fault"].is_null());
  for (int i : {1, 2, 3, 4}) EXPECT_TRUE(Has(lines[static_cast<size_t>(i)], "error")) << i;
  EXPECT_EQ(Text(lines[5]["fault"]), "overflow");
  EXPECT_EQ(Size(lines[5]["lines"]), 4u);
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
  std::vector<element> a = AnswerLines(r.out);
  ASSERT_EQ(a.size(), 11u) << r.out.substr(0, 2000);
  EXPECT_EQ(int64_t(a[0]["id"]), 7);
  EXPECT_EQ(Text(a[0]["lines"].at(0)), "本年末资产减值损失 10 ");
  EXPECT_EQ(simdjson::minify(a[1]), R"({"error":"empty request"})");
  EXPECT_EQ(simdjson::minify(a[2]), R"({"error":"empty request"})");
  EXPECT_EQ(simdjson::minify(a[3]), R"({"id":"b","error":"unknown window or keyword: Form999"})");
  EXPECT_EQ(Text(a[4]["error"]), "repeated key \"window\"");
  EXPECT_EQ(Text(a[5]["error"]), "repeated key \"Text1\"");
  EXPECT_EQ(simdjson::minify(a[6]), R"({"id":[1,{"x":null}],"error":"Form9 has no field Text01"})");
  EXPECT_EQ(Text(a[7]["error"]), "malformed request: not JSON");
  EXPECT_EQ(Text(a[8]["error"]), "request longer than 1 MiB");
  EXPECT_EQ(Text(a[9]["error"]), "Form9 has no field k0");
  EXPECT_EQ(double(a[10]["id"]), 1500.0);
  EXPECT_EQ(Text(a[10]["lines"].at(0)), "本年末资产减值损失 2 ");
  // The id stands first, so that a reader of the text sees it without parsing.
  EXPECT_EQ(r.out.substr(0, 7), "{\"id\":7");
}

TEST(Cli, DescribeListsEveryWindowKeywordAndMenuEntry) {
  CliRun r = Cli("describe --json");
  ASSERT_EQ(r.status, 0);
  element doc = ParseJson(r.out);
  EXPECT_EQ(Size(doc["windows"]), 125u);
  EXPECT_EQ(Size(doc["keywords"]), 169u);
  EXPECT_EQ(Size(doc["menu"]), 13u);
  EXPECT_EQ(simdjson::minify(doc["keywords"].at(0)), R"(["股价变动","Form2"])");
  EXPECT_EQ(Text(doc["menu"].at(12)["opens"]), "Form52");
  element form6 = doc["windows"].at(5);
  EXPECT_EQ(Text(form6["name"]), "Form6");
  EXPECT_EQ(Text(form6["kind"]), "topic");
  EXPECT_EQ(simdjson::minify(form6["fields"].at(0)), R"({"name":"Text1","caption":"每股价格"})");
  EXPECT_EQ(Text(doc["windows"].at(0)["kind"]), "main");
  EXPECT_EQ(Text(doc["windows"].at(26)["kind"]), "category");
}

}  // namespace

TEST(Cli, EntriesAsJsonTableAndCapital) {
  const std::string form6 = "press 买股票 Text1=10 Text2=0.5 Text3=1000 Text4=50";
  element doc = ParseJson(Cli(form6 + " --format json").out);
  EXPECT_EQ(Size(doc["lines"]), 21u);
  element first = doc["entries"].at(0);
  EXPECT_EQ(Text(first["heading"]), "购入股票");
  EXPECT_EQ(simdjson::minify(first["rows"].at(2)),
            R"({"account":"银行存款","side":"credit","amount":10050,"line":3})");
  EXPECT_TRUE(doc["entries"].at(1)["heading"].is_null());
  EXPECT_TRUE(doc["entries"].at(1)["rows"].at(0)["side"].is_null());
  EXPECT_EQ(Cli(form6 + " --format text").out, Cli(form6).out);
  std::string tsv = Cli(form6 + " --format tsv").out;
  EXPECT_EQ(tsv.substr(0, tsv.find("\t银行存款\t\t10050\t\n")),
            "摘要\t会计科目\t借方金额\t贷方金额\t其他金额\n"
            "购入股票\t交易性金融资产-成本\t9550\t\t\n\t投资收益\t500\t\t\n");
  EXPECT_EQ(Cli(form6 + " --format=csv").out.substr(0, 60), "摘要,会计科目,借方金额,贷方金额,其他金额\r\n");
  for (const char* bad : {" --format", " --format xml"}) EXPECT_EQ(Cli(form6 + bad).status, 2) << bad;

  element batch = ParseJson(Cli("batch", "{\"window\": \"Form6\", \"fields\": {\"Text3\": \"2\"}}\n").out);
  EXPECT_EQ(Size(batch["entries"]), 6u);

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
  element doc = ParseJson(Cli("press 买股票 Text1=10 Text4=50 Text3=1,00 Text2=5万元 --json").out);
  EXPECT_EQ(simdjson::minify(doc["warnings"]),
            R"([{"field":"Text2","text":"5万元","read_as":5},{"field":"Text3","text":"1,00","read_as":1}])");
  EXPECT_FALSE(Has(ParseJson(Cli(form6 + " Text3=1,000 --json").out), "warnings"));
  // An argument that is not UTF-8 is refused before it reaches a field.
  EXPECT_EQ(Cli(form6 + " Text3=\"$(printf '1\\377')\" --json").status, 2);
  element bought = doc["entries"].at(0);
  EXPECT_EQ(int64_t(bought["credit"]), 60);  // 1 share at 10 and the fees of 50
  EXPECT_EQ(int64_t(bought["debit"]), 60);
  EXPECT_TRUE(bool(bought["balanced"]));

  std::string batch = Cli("batch",
                          "{\"window\": \"Form122\", \"fields\": {\"Text1\": \"13320\", \"Text2\": \"1\"}}\n"
                          "{\"window\": \"Form15\", \"fields\": {\"Text1\": \"1000\", \"Text3\": \"1000\", "
                          "\"Text4\": \"130\", \"Text5\": \"abc\"}}\n")
                          .out;
  std::vector<element> answers = AnswerLines(batch);
  ASSERT_EQ(answers.size(), 2u);
  element capital = answers[0], note = answers[1];
  element row = capital["entries"].at(0)["rows"].at(1);
  EXPECT_EQ(Text(row["account"]), "资本公积");
  EXPECT_EQ(Text(row["side"]), "credit");
  EXPECT_TRUE(bool(row["side_inferred"]));
  EXPECT_FALSE(Has(capital["entries"].at(0)["rows"].at(0), "side_inferred"));
  EXPECT_TRUE(bool(capital["entries"].at(0)["balanced"]));
  EXPECT_FALSE(Has(capital, "warnings"));
  EXPECT_FALSE(bool(note["entries"].at(0)["balanced"]));  // 票据面值 1000 against 货款 1000 + 增值税 130
  EXPECT_EQ(int64_t(note["entries"].at(0)["credit"]), 1130);
  EXPECT_EQ(Text(note["warnings"].at(0)["field"]), "Text5");

  element closing = ParseJson(Cli("press Form114 Text1=100 Text3=500 --json").out);
  EXPECT_TRUE(bool(closing["entries"].at(0)["rows"].at(0)["balance_line"]));
  EXPECT_TRUE(bool(closing["entries"].at(0)["balanced"]));

  element marked = ParseJson(
      Cli("mark", "{\"window\": \"Form6\", \"fields\": {\"Text3\": \"1,00\"}, \"answer\": []}\n").out);
  EXPECT_EQ(simdjson::minify(marked["warnings"]), R"([{"field":"Text3","text":"1,00","read_as":1}])");

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

  element doc = ParseJson(Cli("find 股票 --json").out);
  EXPECT_EQ(Text(doc["query"]), "股票");
  EXPECT_EQ(Size(doc["matches"]), 9u);
  EXPECT_EQ(simdjson::minify(doc["matches"].at(0)),
            R"({"keyword":"股票","window":"Form66","subject":"股票/债券","pinyin":"gu piao","initials":"gp",)"
            R"("match":"exact"})");
  EXPECT_EQ(Text(doc["matches"].at(8)["keyword"]), "发行股票");

  CliRun none = Cli("find xq --json");
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.out, "{\"query\":\"xq\",\"matches\":[]}\n");
  EXPECT_EQ(Cli("find").status, 2);
  EXPECT_EQ(Cli("find a b").status, 2);

  std::string form103 = Cli("describe 长期借款").out;
  EXPECT_EQ(form103.substr(0, form103.find('\n')), "Form103 (topic) keywords: 长期借款 (cqjk)");
  element form41 = ParseJson(Cli("describe Form41 --json").out)["windows"].at(0);
  EXPECT_EQ(simdjson::minify(form41["initials"]), R"(["gmcqzq","cycqzq","cscqzq","cqzqtz"])");
}

// A teacher's round trip: an exercise's figures, marked with the window's own key as the answer,
// score 100 %; a flipped side and a bad request are told apart.
TEST(Cli, ExerciseFiguresMarkedBack) {
  CliRun ex = Cli("exercise Form18 --seed 1");
  ASSERT_EQ(ex.status, 0);
  EXPECT_EQ(Cli("exercise 坏账准备 --seed 1").out, ex.out);
  EXPECT_EQ(int64_t(ParseJson(ex.out)["seed"]), 1);
  // The exercise's object with an "answer" added.
  auto request = [&](std::string_view answer) {
    return ex.out.substr(0, ex.out.rfind('}')) + ",\"answer\":" + std::string(answer) + "}\n";
  };
  element first = ParseJson(Cli("mark", request("[]")).out);
  ASSERT_GT(Size(first["key"]), 0u);
  EXPECT_EQ(double(first["score"]), 0.0);
  EXPECT_EQ(Size(first["missing"]), Size(first["key"]));
  std::string key = simdjson::minify(first["key"]), side = std::string(Text(first["key"].at(0)["side"]));
  std::string flipped = key;
  size_t at = flipped.find("\"side\":\"" + side + "\"") + 8;
  flipped.replace(at, side.size(), side == "借" ? "贷" : "借");
  CliRun marked = Cli("mark", request(key) + request(flipped) + "{\"window\": \"Form18\"}\n");
  EXPECT_EQ(marked.status, 0);
  std::vector<element> answers = AnswerLines(marked.out);
  ASSERT_EQ(answers.size(), 3u);
  EXPECT_EQ(double(answers[0]["score"]), 1.0);
  EXPECT_EQ(Size(answers[0]["missing"]), 0u);
  EXPECT_EQ(Text(answers[1]["rows"].at(0)["mark"]), "wrong_side");
  EXPECT_LT(double(answers[1]["score"]), 1.0);
  EXPECT_TRUE(Has(answers[2], "error"));
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
      // A key repeated anywhere in an object, not only next to itself, and in any spelling.
      {R"({"window": "Form6", "fields": {"Text1": "1"}, "window": "Form7"})",
       R"({"error":"repeated key \"window\""})"},
      {R"({"explain": true, "window": "Form6", "fields": {}, "explain": false})",
       R"({"error":"repeated key \"explain\""})"},
      {R"({"window": "Form6", "fields": {"Text2": "1", "Text1": "2", "Text3": "3", "Text2": "9"}})",
       R"({"error":"repeated key \"Text2\""})"},
      {R"({"\u0077indow": "Form6", "fields": {}, "window": "Form6"})",
       R"({"error":"repeated key \"window\""})"},
      {R"({"window": "Form6", "fields": {"Text1": "1", "Text3": "3", "Text\u0031": "2"}})",
       R"({"error":"repeated key \"Text1\""})"},
      {R"({"id": 1, "window": "Form6", "id": 2})", R"({"id":1,"error":"repeated key \"id\""})"},
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
  element answer = ParseJson(
      Cli("mark", R"({"window": "Form9", "fields": {"Text1": "1e300", "Text3": "1e300"}, "answer": []})"
                  "\n")
          .out);
  EXPECT_EQ(Text(answer["fault"]), "overflow");
  EXPECT_FALSE(Has(answer, "score"));
  EXPECT_TRUE(Has(answer, "key"));
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
  element ex = ParseJson(Cli("exercise 买股票 --seed 4 --entry 4").out);
  EXPECT_EQ(simdjson::minify(ex["entry"]), R"({"index":4,"heading":"分配股利"})");
  std::string question(Text(ex["question"]));
  EXPECT_EQ(question.rfind("分配股利：每股股利 ", 0), 0u) << question;
  EXPECT_NE(question.find("。请编制会计分录。"), std::string::npos);
  EXPECT_EQ(Cli("exercise Form6 --entry 1").status, 2);  // a heading without rows
  auto request = [](std::string_view detail, std::string_view unit) {
    return R"({"window": "Form6", "fields": {"Text1": "10", "Text2": "0.5", "Text3": "1000", "Text4": "50"},)"
           R"( "entry": 0, "detail": ")" +
           std::string(detail) + R"(", "unit": ")" + std::string(unit) +
           R"(", "answer": [{"account": "交易性金融资产", "side": "借", "amount": "0.955"},)"
           R"( {"account": "投资收益", "side": "借", "amount": "0.05"},)"
           R"( {"account": "银行存款", "side": "贷", "amount": "1.005"}]})"
           "\n";
  };
  std::string out = Cli("mark", request("optional", "wan")).out;
  element marked = ParseJson(out);
  EXPECT_EQ(double(marked["score"]), 1.0) << out;
  EXPECT_EQ(Size(marked["key"]), 3u);
  marked = ParseJson(Cli("mark", request("required", "wan")).out);
  EXPECT_EQ(Text(marked["rows"].at(0)["mark"]), "wrong_detail");
  EXPECT_EQ(Text(marked["rows"].at(0)["reason"]), "明细科目不符：应为 交易性金融资产-成本");
  EXPECT_TRUE(Has(ParseJson(Cli("mark", request("required", "万元")).out), "error"));

  // The exam's format: 中级 takes first-level accounts and 万元 to two decimals (0.955 → 0.96,
  // 1.005 → 1.01), sides in English too; 初级 and a "unit" beside the format do not.
  auto formatted = [](std::string_view format, std::string_view more) {
    return R"({"window": "Form6", "fields": {"Text1": "10", "Text2": "0.5", "Text3": "1000", "Text4": "50"},)"
           R"( "entry": 0, "format": ")" +
           std::string(format) + "\"" + std::string(more) +
           R"(, "answer": [{"account": "交易性金融资产", "side": "Dr", "amount": "0.96"},)"
           R"( {"account": "投资收益", "side": "debit", "amount": 0.05},)"
           R"( {"account": "银行存款", "side": "CR", "amount": "1.01"}]})"
           "\n";
  };
  out = Cli("mark", formatted("中级", "")).out;
  EXPECT_EQ(double(ParseJson(out)["score"]), 1.0) << out;
  out = Cli("mark", formatted("中级", R"(, "unit": "yuan")")).out;
  EXPECT_EQ(double(ParseJson(out)["score"]), 0.0) << out;
  out = Cli("mark", formatted("初级", "")).out;
  EXPECT_EQ(Text(ParseJson(out)["rows"].at(0)["mark"]), "wrong_detail") << out;
  EXPECT_EQ(Text(ParseJson(out)["rows"].at(2)["mark"]), "wrong_amount") << out;
  for (std::string_view bad : {"高级", "2"}) {
    out = Cli("mark", formatted(bad, "")).out;
    EXPECT_EQ(Text(ParseJson(out)["error"]), "\"format\" must be \"初级\" or \"中级\"") << out;
  }
}

namespace {

// The objects inside a mark request (the entry as exercise names it, each answer line) are held
// to the rules of the request itself: a key twice anywhere in one is refused, never read as its
// first value.
TEST(Cli, MarkHoldsTheObjectsInsideARequestToTheSameRules) {
  const std::string fields =
      R"("window": "Form6", "fields": {"Text1": "10", "Text2": "0.5", "Text3": "1000", "Text4": "50"})";
  const std::string line = R"({"account": "银行存款", "side": "贷", "amount": "10050")";
  struct Case {
    std::string rest, answer;  // the request after its window and fields
  };
  const std::vector<Case> cases = {
      {R"("answer": [], "entry": {"index": 0, "heading": "购入股票", "index": 2})",
       R"({"error":"repeated key \"index\""})"},
      {R"("answer": [)" + line + R"(, "entry": {"index": 0, "heading": "购入股票", "index": 0}}])",
       R"({"error":"repeated key \"index\""})"},
      {R"("answer": [)" + line + R"(, "account": "库存现金"}])", R"({"error":"repeated key \"account\""})"},
      {R"("answer": [{"acount": "银行存款"}])", R"({"error":"unknown key \"acount\" in an answer line"})"},
      {R"("answer": [], "entry": 99)",
       R"({"error":"\"entry\" must be the index of one of the window's entries"})"},
      {R"("answer": [], "entry": {"heading": "购入股票"})",
       R"({"error":"\"entry\" must be the index of one of the window's entries"})"},
  };
  std::string input;
  for (const Case& c : cases) input += "{" + fields + ", " + c.rest + "}\n";
  CliRun r = Cli("mark", input);
  EXPECT_EQ(r.status, 0);
  size_t at = 0;
  for (const Case& c : cases) {
    size_t end = r.out.find('\n', at);
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(r.out.substr(at, end - at), c.answer) << c.rest;
    at = end + 1;
  }
  // The entry named once, as exercise names it, is marked.
  element marked = ParseJson(Cli("mark", "{" + fields + R"(, "answer": [)" + line +
                                             R"(, "entry": {"index": 0, "heading": "购入股票"}}]})" + "\n")
                                 .out);
  EXPECT_EQ(Text(marked["rows"].at(0)["mark"]), "correct");
}

}  // namespace
