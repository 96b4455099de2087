// Fuzz target: batch requests built from the input reach every topic window's press. The first
// byte chooses the window, the rest (split at zero bytes) gives its fields' texts in display
// order; an optional id and the request go through the batch answerer, whose answer must be one
// JSON line carrying exactly the lines and fault of pressing the window directly.
#include <simdjson.h>

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "core/entries/entries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace varnello;
  if (size == 0) return 0;
  std::span<const TopicDesc* const> topics = AllTopics();
  const TopicDesc& desc = *topics[data[0] % topics.size()];
  std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);

  std::vector<FieldText> texts;
  std::string request = "{\"id\": " + std::to_string(size) + ", \"window\": \"" +
                        std::string(desc.id.name()) + "\", \"fields\": {";
  for (const Item* field : FieldsOf(desc)) {
    if (rest.empty()) break;
    size_t end = rest.find('\0');
    std::string_view text = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (!texts.empty()) request += ", ";
    request += "\"Text" + std::to_string(field->field) + "\": ";
    AppendJsonString(request, text);
    texts.push_back({field->field, text});
  }
  request += "}}";
  bool validText = simdjson::validate_utf8(request.data(), request.size());

  cli::BatchAnswerer answerer;
  std::string answer;
  request.append(simdjson::SIMDJSON_PADDING, ' ');
  answerer.answer(std::string_view(request.data(), request.size() - simdjson::SIMDJSON_PADDING), answer);
  if (answer.empty() || answer.back() != '\n' || answer.find('\n') != answer.size() - 1) std::abort();

  simdjson::dom::parser parser;
  simdjson::dom::object doc;
  if (parser.parse(answer).get(doc) != simdjson::SUCCESS) std::abort();
  if (!validText) return 0;  // answered with an error: the request was not valid UTF-8
  // The answer of a press: the same lines, fault and warnings as pressing the window directly.
  std::string expected;
  EntryRecord record = PressOnce(desc, texts);
  cli::AppendPressAnswer(expected, std::to_string(size), desc.id.name(), record, false, texts);
  if (answer != expected + "\n") std::abort();
  return 0;
}
