// Fuzz target: mark requests built from the input. The first byte chooses the window, the bytes
// up to the first 0xFF give its fields' texts (split at zero bytes), the rest answer lines
// (account, side, amount split at zero bytes). The score is in [0, 1]; the key the answer gives
// back, marked as the answer, scores 1.0 (when the press does not fault: then there is no score).
#include <simdjson.h>

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "cli/mark.h"
#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"

namespace {

std::string_view Next(std::string_view& rest, char stop) {
  size_t end = rest.find(stop);
  std::string_view part = rest.substr(0, end);
  rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  return part;
}

simdjson::dom::object Answer(const std::string& request, simdjson::dom::parser& parser) {
  static varnello::cli::MarkAnswerer answerer;
  std::string line = request;
  line.append(simdjson::SIMDJSON_PADDING, '\0');
  static std::string answer;
  answer.clear();
  answerer.answer(std::string_view(line.data(), request.size()), answer);
  simdjson::dom::object doc;
  if (answer.find('\n') != answer.size() - 1 || parser.parse(answer).get(doc) != simdjson::SUCCESS)
    std::abort();
  return doc;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace varnello;
  if (size == 0) return 0;
  std::span<const TopicDesc* const> topics = AllTopics();
  const TopicDesc& desc = *topics[data[0] % topics.size()];
  std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::string_view figures = Next(rest, '\xFF');

  std::string request = "{\"window\": \"" + std::string(desc.id.name()) + "\", \"fields\": {";
  bool first = true;
  for (const Item* field : FieldsOf(desc)) {
    if (figures.empty()) break;
    request += first ? "\"Text" : ", \"Text";
    first = false;
    request += std::to_string(field->field) + "\": ";
    AppendJsonString(request, Next(figures, '\0'));
  }
  request += "}, \"answer\": ";
  std::string head = request;
  request += '[';
  for (first = true; !rest.empty(); first = false) {
    request += first ? "{\"account\": " : ", {\"account\": ";
    AppendJsonString(request, Next(rest, '\0'));
    request += ", \"side\": ";
    AppendJsonString(request, Next(rest, '\0'));
    request += ", \"amount\": ";
    AppendJsonString(request, Next(rest, '\0'));
    request += '}';
  }
  request += "]}";

  simdjson::dom::parser parser;
  simdjson::dom::object answer = Answer(request, parser);
  simdjson::dom::element key, score;
  if (answer["error"].error() == simdjson::SUCCESS) return 0;  // text that is not UTF-8
  if (answer["key"].get(key) != simdjson::SUCCESS) std::abort();
  bool fault = answer["fault"].error() == simdjson::SUCCESS;
  if (fault != (answer["score"].get(score) != simdjson::SUCCESS)) std::abort();
  if (!fault && !(double(score) >= 0 && double(score) <= 1)) std::abort();
  if (fault) return 0;

  simdjson::dom::parser again;
  simdjson::dom::object back = Answer(head + simdjson::minify(key) + "}", again);
  if (back["score"].get(score) != simdjson::SUCCESS || double(score) != 1.0) std::abort();
  return 0;
}
