// Every answer of batch, mark and press --json is strict JSON, over the figures most likely to
// break it: every window with 1e308, -1e308 and the largest double in each of its fields, and in
// all of them at once. Rows of finite amounts may add up past the largest double; such a sum is
// written as null and its entry says "fault": "overflow".
#include <gtest/gtest.h>
#include <simdjson.h>

#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "cli/json_answers.h"
#include "cli/mark.h"
#include "cli/run_command.h"
#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"

namespace {

using simdjson::dom::element;

constexpr std::string_view kHostile[] = {"1e308", "-1e308", "1.7976931348623157e308"};

// A field set of a window: one field, or all of them, holding `text`.
std::string FieldsJson(const varnello::TopicDesc& desc, int only, std::string_view text) {
  std::string json = "{";
  for (const varnello::Item* f : varnello::FieldsOf(desc)) {
    if (only != 0 && f->field != only) continue;
    if (json.size() > 1) json += ',';
    json += "\"Text" + std::to_string(f->field) + "\":\"" + std::string(text) + "\"";
  }
  return json + "}";
}

// Parses an answer strictly (simdjson takes RFC 8259 JSON only: no inf, nan or bare words), and
// holds its entries to the rule for sums: a null sum exactly where the entry says it overflowed,
// and such an entry not balanced.
void ExpectStrict(const std::string& answer, const std::string& request, int& overflowed) {
  simdjson::dom::parser parser;
  element root;
  ASSERT_EQ(parser.parse(answer).get(root), simdjson::SUCCESS) << request << "\n" << answer;
  ASSERT_FALSE(Has(root, "error")) << request << "\n" << answer;
  simdjson::dom::array entries;
  if (root["entries"].get(entries) != simdjson::SUCCESS) return;  // a mark answer
  for (element e : entries) {
    bool nullSum = e["debit"].is_null() || e["credit"].is_null();
    ASSERT_EQ(nullSum, Has(e, "fault")) << request << "\n" << answer;
    if (!nullSum) continue;
    ASSERT_EQ(Text(e["fault"]), "overflow");
    ASSERT_FALSE(e["balanced"].get_bool().value()) << request;
    ++overflowed;
  }
}

// The requests of the sweep: each window, each hostile text in each field and in all of them.
template <typename Each>
void ForEachHostileRequest(Each each) {
  for (const varnello::TopicDesc* desc : varnello::AllTopics()) {
    std::string window = std::string(desc->id.name());
    for (std::string_view text : kHostile) {
      each(*desc, window, FieldsJson(*desc, 0, text), text);
      for (const varnello::Item* f : varnello::FieldsOf(*desc))
        each(*desc, window, FieldsJson(*desc, f->field, text), text);
    }
  }
}

// Answers one request line as the batch and mark commands do (the reader wants padding after it).
template <typename Answerer>
std::string Answer(Answerer& answerer, const std::string& request) {
  std::string padded = request + std::string(simdjson::SIMDJSON_PADDING, ' ');
  std::string out;
  answerer.answer(std::string_view(padded).substr(0, request.size()), out);
  return out;
}

TEST(StrictJson, BatchAndMarkAnswersOfTheHostileSweepParse) {
  varnello::cli::BatchAnswerer batch;
  varnello::cli::MarkAnswerer mark;
  int requests = 0, overflowed = 0;
  ForEachHostileRequest([&](const varnello::TopicDesc&, const std::string& window, const std::string& fields,
                            std::string_view text) {
    for (std::string_view explain : {"false", "true"}) {
      std::string request = R"({"window":")" + window + R"(","fields":)" + fields + R"(,"explain":)" +
                            std::string(explain) + "}";
      ExpectStrict(Answer(batch, request), request, overflowed);
    }
    // An answer echoing the figure, and one that writes every row of the key as its amount.
    std::string request = R"({"window":")" + window + R"(","fields":)" + fields +
                          R"(,"answer":[{"account":"银行存款","side":"借","amount":")" + std::string(text) +
                          R"("}]})";
    ExpectStrict(Answer(mark, request), request, overflowed);
    ++requests;
  });
  EXPECT_GT(requests, 1900);  // field sets, each answered three times
  // The sweep reaches sums past the largest double.
  EXPECT_GT(overflowed, 50);
}

TEST(StrictJson, PressJsonOfTheHostileSweepParses) {
  int overflowed = 0, runs = 0;
  ForEachHostileRequest([&](const varnello::TopicDesc& desc, const std::string& window,
                            const std::string& fields, std::string_view text) {
    // The program itself for all fields at once; one field at a time goes through the same
    // answer writer, answered in-process above.
    if (fields != FieldsJson(desc, 0, text)) return;
    std::string args = " press " + window;
    for (const varnello::Item* f : varnello::FieldsOf(desc))
      args += " Text" + std::to_string(f->field) + "=" + std::string(text);
    CliRun run = RunCommand(std::string(VARNELLO_CLI) + args + " --json 2>/dev/null");
    ASSERT_TRUE(run.status == 0 || run.status == 3) << args;  // 3: the press faulted
    ExpectStrict(run.out, args, overflowed);
    ++runs;
  });
  EXPECT_GT(runs, 300);
  EXPECT_GT(overflowed, 10);
}

// Entries whose rows add up past the largest double, as they are answered: the sum that
// overflowed is null, the other as it adds up.
struct OverflowCase {
  std::string_view request;
  std::size_t entry;
  std::string_view debit;  // the sums as JSON text
  std::string_view credit;
};
constexpr OverflowCase kOverflows[] = {
    // 1e308 debit against 1e308 + 1e308 credit.
    {R"({"window":"Form15","fields":{"Text1":"1e308","Text3":"1e308","Text4":"1e308"}})", 0, "1e+308",
     "null"},
    // Both sides 1e308 + 1e308: past the largest double on each.
    {R"({"window":"Form18","fields":{"Text1":"-1e308"}})", 4, "null", "null"},
    {R"({"window":"Form18","fields":{"Text2":"1.7976931348623157e308"},"explain":true})", 4, "null", "null"},
};

TEST(StrictJson, AnOverflowedSumIsNullAndItsEntrySaysSo) {
  varnello::cli::BatchAnswerer batch;
  for (const OverflowCase& c : kOverflows) {
    std::string answer = Answer(batch, std::string(c.request));
    element root = ParseJson(answer);
    ASSERT_TRUE(root["fault"].is_null()) << c.request;  // the press itself went through
    element e = root["entries"].at(c.entry).value();
    std::string sums = simdjson::minify(e["debit"]) + " " + simdjson::minify(e["credit"]);
    EXPECT_EQ(sums, std::string(c.debit) + " " + std::string(c.credit)) << c.request;
    EXPECT_EQ(Text(e["fault"]), "overflow") << c.request;
    EXPECT_FALSE(e["balanced"].get_bool().value()) << c.request;
  }
}

}  // namespace
