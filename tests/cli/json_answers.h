// Reading the program's JSON answers in a test, with simdjson's DOM: a text that is not JSON, a
// missing key or a value of another type throws, and so fails the test.
#pragma once

#include <simdjson.h>

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

using JsonValue = simdjson::simdjson_result<simdjson::dom::element>;

// The parsed text. Its elements point into their parser, so each text keeps one of its own to
// the end of the test program.
inline simdjson::dom::element ParseJson(std::string_view text) {
  static std::deque<simdjson::dom::parser> parsers;
  return parsers.emplace_back().parse(std::string(text)).value();
}

// Each line of JSON-lines output, parsed.
inline std::vector<simdjson::dom::element> AnswerLines(std::string_view out) {
  std::vector<simdjson::dom::element> lines;
  for (size_t at = 0, end; (end = out.find('\n', at)) != std::string_view::npos; at = end + 1)
    lines.push_back(ParseJson(out.substr(at, end - at)));
  return lines;
}

inline std::string_view Text(JsonValue value) {
  return value.get_string().value();
}
inline size_t Size(JsonValue array) {
  return array.get_array().value().size();
}
inline bool Has(simdjson::dom::element object, std::string_view key) {
  return object[key].error() == simdjson::SUCCESS;
}
