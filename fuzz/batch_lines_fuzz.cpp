// Fuzz target: any bytes as one batch request line (or, from its first byte, a mark request
// line) are answered by exactly one line of valid JSON, an object.
#include <simdjson.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cli/batch.h"
#include "cli/mark.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace varnello;
  static cli::BatchAnswerer batch;
  static cli::MarkAnswerer mark;
  if (size == 0) return 0;
  bool marking = data[0] & 1;
  std::string line(reinterpret_cast<const char*>(data) + 1, size - 1);
  // The line reader never gives a line feed inside a line.
  for (char& c : line) c = c == '\n' ? ' ' : c;
  size_t length = line.size();
  line.append(simdjson::SIMDJSON_PADDING, '\0');
  std::string answer;
  if (marking) {
    mark.answer(std::string_view(line.data(), length), answer);
  } else {
    batch.answer(std::string_view(line.data(), length), answer);
  }
  if (answer.empty() || answer.find('\n') != answer.size() - 1) std::abort();
  // An echoed integer id may be longer than any parser's integers: it stands as 0 for the check.
  if (answer.starts_with("{\"id\":")) {
    size_t end = answer.find_first_not_of("-0123456789", 6);
    if (end > 6) answer.replace(6, end - 6, "0");
  }
  simdjson::dom::parser parser;
  simdjson::dom::object doc;
  simdjson::error_code error = parser.parse(answer).get(doc);
  // An id is echoed as written: a number beyond what simdjson holds (more than 64 bits, an
  // exponent beyond a double's) is still valid JSON.
  auto numberId = [&answer] {
    return answer.starts_with("{\"id\":") && answer.size() > 6 &&
           std::string_view("-0123456789").find(answer[6]) != std::string_view::npos;
  };
  if (error != simdjson::SUCCESS && !(error == simdjson::NUMBER_ERROR && numberId())) std::abort();
  return 0;
}
