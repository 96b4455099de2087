// varnello-cli exercise: figures for an exercise on a window, and its question.

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "cli/batch.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "core/engine/topic.h"
#include "core/json/json_writer.h"
#include "core/practice/exercise.h"
#include "core/practice/marking.h"

namespace varnello::cli {

namespace {

// The entries an exercise can ask of, as a list for a message: "0, 4, 7".
std::string QuestionList(const AnswerKey& key) {
  std::string list;
  for (size_t q : key.questions) list += (list.empty() ? "" : ", ") + std::to_string(q);
  return list.empty() ? "none" : list;
}

int MakeExerciseFigures(const Args& args) {
  Options options(args);
  std::optional<std::uint64_t> seed, entry;
  for (std::string_view name : {"--seed", "--entry"}) {
    std::string problem;
    std::optional<std::string_view> n = options.value(name, problem);
    std::string what = "exercise: " + std::string(name) + " takes a whole number";
    if (problem.ends_with("needs a value")) return UsageError(what);
    if (!problem.empty()) return UsageError("exercise: " + problem);
    if (!n) continue;
    std::optional<std::uint64_t> value = WholeNumber(*n);
    if (!value) return UsageError(what);
    (name == "--seed" ? seed : entry) = value;
  }
  if (!options.wordsOnly("exercise")) return kUsageError;
  const Args& words = options.words();
  if (words.size() != 1) return UsageError("exercise: name one window or keyword (see --help)");
  const TopicDesc* desc = nullptr;
  std::string error = CheckRequest(ResolveWindow(words[0]), std::string(words[0]), desc);
  if (!error.empty()) return UsageError(error);
  // Without a seed, a fresh one; it is printed, so that the exercise can be given again.
  if (!seed) seed = std::random_device()();
  std::map<int, std::string> texts = MakeExercise(*desc, *seed);
  // The question: the entry asked for, else the window's first.
  AnswerKey key = KeyOf(*desc, texts);
  if (entry && std::find(key.questions.begin(), key.questions.end(), *entry) == key.questions.end()) {
    return UsageError("exercise: " + std::string(desc->id.name()) + " has no question in entry " +
                      std::to_string(*entry) + " (entries with questions: " + QuestionList(key) + ")");
  }
  if (!entry && !key.questions.empty()) entry = key.questions.front();
  // {"window", "seed", "fields": {"Text1": …}}, and "entry": {"index", "heading"} and "question"
  // when the window asks one.
  std::string out;
  JsonWriter json(out);
  json.beginObject().key("window").string(desc->id.name()).key("seed").integer(*seed);
  json.key("fields").beginObject();
  for (const auto& [n, text] : texts) json.key("Text" + std::to_string(n)).string(text);
  json.endObject();
  if (entry) {
    json.key("entry").beginObject().key("index").integer(*entry);
    json.key("heading").string(key.entries[*entry].heading).endObject();
    json.key("question").string(QuestionText(*desc, texts, *entry));
  }
  json.endObject();
  return Emit(out + "\n", 0);
}

}  // namespace

extern const Command kExerciseCommand = {
    "exercise", MakeExerciseFigures,
    "  varnello-cli exercise WINDOW [--seed N] [--entry K]\n"
    "      Figures for an exercise on the window, chosen by its field captions (rates as fractions,\n"
    "      counts as small whole numbers, money as round amounts; fields that must agree derived\n"
    "      from each other) so that the press does not fault and every entry balances without a\n"
    "      negative amount, and the question on one entry (K, an index into the press's entries;\n"
    "      by default the first with a question): {\"window\", \"seed\", \"fields\", \"entry\":\n"
    "      {\"index\", \"heading\"}, \"question\"}. The same seed gives the same figures; without one\n"
    "      a fresh seed is drawn and printed.\n"};

}  // namespace varnello::cli
