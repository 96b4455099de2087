#include "cli/request.h"

#include <algorithm>
#include <optional>

#include "core/catalogue/catalogue.h"

namespace varnello::cli {

namespace {

constexpr std::string_view kBlanks = " \t\r";

// What a light pass over a line finds before it is parsed: where the object that opens it ends
// (npos when the line does not open with one or it does not close), and the text of the value
// of its "id" member as written. Strings are skipped whole, so that brackets and commas in them
// do not count. Only trusted once the parser has found the same text to be valid JSON.
struct Outline {
  size_t end = std::string_view::npos;
  std::string_view id;
};

Outline OutlineOf(std::string_view line) {
  Outline outline;
  size_t i = line.find_first_not_of(kBlanks);
  if (i == std::string_view::npos || line[i] != '{') return outline;
  int depth = 0;
  bool expectKey = false, inId = false, seenId = false;
  std::string_view key;
  size_t idBegin = 0;
  auto endId = [&](size_t at) {
    std::string_view value = line.substr(idBegin, at - idBegin);
    outline.id = value.substr(0, value.find_last_not_of(kBlanks) + 1);
    inId = false;
  };
  for (; i < line.size(); ++i) {
    char c = line[i];
    if (c == '"') {
      // The closing quote: the next one not escaped by an odd run of backslashes.
      size_t begin = i + 1;
      for (i = begin;; ++i) {
        i = line.find('"', i);
        if (i == std::string_view::npos) return outline;
        size_t backslashes = 0;
        while (line[i - 1 - backslashes] == '\\') ++backslashes;
        if (backslashes % 2 == 0) break;
      }
      if (depth == 1 && expectKey) key = line.substr(begin, i - begin);
      expectKey = false;
    } else if (c == '{' || c == '[') {
      expectKey = ++depth == 1;
    } else if (c == '}' || c == ']') {
      if (depth == 1 && inId) endId(i);
      if (--depth == 0) {
        outline.end = i + 1;
        return outline;
      }
    } else if (depth == 1 && c == ',') {
      if (inId) endId(i);
      expectKey = true;
    } else if (depth == 1 && c == ':' && key == "id" && !seenId) {
      seenId = inId = true;
      idBegin = line.find_first_not_of(kBlanks, i + 1);
      if (idBegin == std::string_view::npos) return outline;
    }
  }
  return outline;
}

// Whether the text is one JSON number: -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
bool IsJsonNumber(std::string_view t) {
  size_t i = 0;
  auto digits = [&] {
    size_t from = i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
    return i > from;
  };
  if (i < t.size() && t[i] == '-') ++i;
  if (i < t.size() && t[i] == '0') {
    ++i;
  } else if (!digits()) {
    return false;
  }
  if (i < t.size() && t[i] == '.' && (++i, !digits())) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    if (!digits()) return false;
  }
  return i == t.size();
}

std::string_view ErrorText(simdjson::error_code error) {
  switch (error) {
    case simdjson::UTF8_ERROR:
      return "request is not valid UTF-8";
    case simdjson::NUMBER_ERROR:
      return "malformed request: a number that is not JSON or is beyond the range of a double";
    case simdjson::DEPTH_ERROR:
      return "malformed request: nested too deeply";
    case simdjson::STRING_ERROR:
    case simdjson::UNCLOSED_STRING:
    case simdjson::UNESCAPED_CHARS:
      return "malformed request: a string that is not JSON";
    default:
      return "malformed request: not JSON";
  }
}

}  // namespace

// A window name or keyword to the window name; empty when neither.
std::string_view ResolveWindow(std::string_view what) {
  if (auto w = WindowId::Parse(what)) return w->name();
  if (auto w = DispatchKeyword(what)) return w->name();
  return {};
}

// Checks that the window is a topic window; returns an error text.
std::string CheckRequest(std::string_view window, const std::string& asked, const TopicDesc*& desc) {
  desc = nullptr;
  if (window.empty()) return "unknown window or keyword: " + asked;
  if (auto id = WindowId::Parse(window)) desc = FindTopic(*id);
  if (desc == nullptr) return std::string(window) + " is not a topic window";
  return {};
}

RequestReader::RequestReader(std::span<const std::string_view> keys) : known_(keys), parser_(kMaxRequest) {}

std::string_view RequestReader::error(std::string text) {
  error_ = std::move(text);
  return error_;
}

std::optional<std::string_view> RequestReader::repeatedKey(simdjson::dom::object object) {
  keys_.clear();
  for (simdjson::dom::key_value_pair member : object) keys_.push_back(member.key);
  std::sort(keys_.begin(), keys_.end());
  auto twice = std::adjacent_find(keys_.begin(), keys_.end());
  if (twice == keys_.end()) return std::nullopt;
  return *twice;
}

std::string_view RequestReader::read(std::string_view line) {
  id_.clear();
  request_ = {};
  if (line.find_first_not_of(kBlanks) == std::string_view::npos) return "empty request";
  if (!simdjson::validate_utf8(line.data(), line.size())) return ErrorText(simdjson::UTF8_ERROR);
  std::string_view error = parse(line);
  // An "id" found by its key as written (not by an escaped form of it) is taken on its own, so
  // that an error answer can carry it too; another spelling is read from the parsed request.
  if (id_.empty() && error.empty()) {
    simdjson::dom::element id;
    if (request_["id"].get(id) == simdjson::SUCCESS) id_ = simdjson::minify(id);
  }
  return error;
}

std::string_view RequestReader::parse(std::string_view line) {
  Outline outline = OutlineOf(line);
  bool longNumber = false;
  if (!outline.id.empty()) {
    simdjson::dom::element id;
    simdjson::error_code e = parser_.parse(outline.id.data(), outline.id.size(), false).get(id);
    // An integer beyond 64 bits is taken as written; a real beyond the range of a double is not.
    longNumber = e == simdjson::NUMBER_ERROR && IsJsonNumber(outline.id) &&
                 outline.id.find_first_of(".eE") == std::string_view::npos;
    if (e == simdjson::SUCCESS || longNumber) id_ = outline.id;
  }
  std::string_view object = line.substr(0, outline.end);
  simdjson::dom::element element;
  simdjson::error_code e = parser_.parse(object.data(), object.size(), false).get(element);
  if (e == simdjson::NUMBER_ERROR && longNumber) {
    // An integer id longer than 64 bits: echoed as written, parsed as 0 in a copy.
    scratch_.assign(object);
    size_t at = static_cast<size_t>(outline.id.data() - line.data());
    scratch_.replace(at, outline.id.size(), "0" + std::string(outline.id.size() - 1, ' '));
    scratch_.resize(object.size() + simdjson::SIMDJSON_PADDING);
    e = parser_.parse(scratch_.data(), object.size(), false).get(element);
  }
  if (e != simdjson::SUCCESS) return ErrorText(e);
  if (element.get(request_) != simdjson::SUCCESS) return "request is not a JSON object";
  if (line.substr(object.size()).find_first_not_of(kBlanks) != std::string_view::npos) {
    return "trailing bytes after the request object";
  }
  if (auto key = repeatedKey(request_)) return error("repeated key \"" + std::string(*key) + "\"");
  for (simdjson::dom::key_value_pair member : request_) {
    if (std::find(known_.begin(), known_.end(), member.key) == known_.end()) {
      return error("unknown key \"" + std::string(member.key) + "\"");
    }
  }
  return {};
}

std::string_view RequestReader::topic(const TopicDesc*& desc, std::vector<FieldText>& texts) {
  simdjson::dom::element window;
  std::string_view asked;
  if (request_["window"].get(window) != simdjson::SUCCESS || window.get(asked) != simdjson::SUCCESS) {
    return "request has no \"window\" string";
  }
  if (std::string e = CheckRequest(ResolveWindow(asked), std::string(asked), desc); !e.empty())
    return error(e);
  return fields(*desc, texts);
}

std::string_view RequestReader::fields(const TopicDesc& desc, std::vector<FieldText>& texts) {
  texts.clear();
  simdjson::dom::element fields;
  if (request_["fields"].get(fields) != simdjson::SUCCESS) return {};
  simdjson::dom::object object;
  if (fields.get(object) != simdjson::SUCCESS) return "\"fields\" must be an object";
  if (auto key = repeatedKey(object)) return error("repeated key \"" + std::string(*key) + "\"");
  for (simdjson::dom::key_value_pair member : object) {
    int n = FieldNumber(member.key);
    if (n == 0 || !HasField(desc, n)) {
      return error(std::string(desc.id.name()) + " has no field " + std::string(member.key));
    }
    std::string_view text;
    if (member.value.get(text) != simdjson::SUCCESS) {
      return error("field " + std::string(member.key) + " must be a string");
    }
    texts.push_back({n, text});
  }
  return {};
}

}  // namespace varnello::cli
