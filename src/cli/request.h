// The windows that requests and arguments name, and the request lines of every command that reads
// JSON lines (batch, mark): one reader, so that every command holds its requests to the same rules.
#pragma once

#include <simdjson.h>

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/topic.h"

namespace varnello::cli {

// A window name or keyword to the window name; empty when neither.
std::string_view ResolveWindow(std::string_view what);
// Checks that the window is a built topic window; returns an error text, or empty and sets desc.
std::string CheckRequest(std::string_view window, const std::string& asked, const TopicDesc*& desc);

// The longest request line that is answered (longer ones get an error answer).
constexpr size_t kMaxRequest = size_t{1} << 20;

// Reads one request line: a single JSON object and nothing after it but blanks, valid UTF-8,
// no key twice in any object, no top-level key but the command's own. simdjson validates the
// whole document, linear in its length, nesting depth bounded without recursion. The "id", if
// any, is kept as it was written (1.10 stays 1.10; an integer of any length is taken), to be
// echoed first in the answer. Keeps its parser and scratch space from one line to the next.
class RequestReader {
 public:
  // `keys`: every top-level key the command takes, "id" among them.
  explicit RequestReader(std::span<const std::string_view> keys);

  // `line` must be followed by simdjson::SIMDJSON_PADDING readable bytes. Empty when the line
  // is a request, which request() then holds; otherwise the error text. id() is set either way
  // when the line's "id" could be found.
  std::string_view read(std::string_view line);
  simdjson::dom::object request() const { return request_; }
  std::string_view id() const { return id_; }

  // The request's "fields": {"TextN": "text"} of fields the window has; empty or the error text.
  std::string_view fields(const TopicDesc& desc, std::vector<FieldText>& texts);
  // The request's "window" (a window name or keyword of a built topic window) into `desc`, and
  // its "fields" as fields() reads them; empty or the error text.
  std::string_view topic(const TopicDesc*& desc, std::vector<FieldText>& texts);

  // The first key given twice in the object, if any.
  std::optional<std::string_view> repeatedKey(simdjson::dom::object object);
  // Keeps an error text made for one line.
  std::string_view error(std::string text);

 private:
  std::string_view parse(std::string_view line);

  std::span<const std::string_view> known_;
  simdjson::dom::parser parser_;
  simdjson::dom::object request_;
  std::vector<std::string_view> keys_;
  std::string scratch_;  // a line whose "id" is too long a number for the parser
  std::string id_;
  std::string error_;
};

}  // namespace varnello::cli
