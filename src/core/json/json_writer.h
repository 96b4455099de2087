// A JSON text built in a caller's string: objects, arrays, keys and values in order, with the
// commas put where they go. Strings and numbers are spelled by json_text.h; the text is compact
// (no spaces), as every answer and listing of the program is.
#pragma once

#include <charconv>
#include <concepts>
#include <string>
#include <string_view>

#include "core/json/json_text.h"

namespace varnello {

class JsonWriter {
 public:
  // Appends to `out`, which must outlive the writer.
  explicit JsonWriter(std::string& out) : out_(out) {}

  JsonWriter& beginObject() { return open('{'); }
  JsonWriter& endObject() { return close('}'); }
  JsonWriter& beginArray() { return open('['); }
  JsonWriter& endArray() { return close(']'); }
  // A member's key inside an object; its value is written next.
  JsonWriter& key(std::string_view name) {
    separate();
    AppendJsonString(out_, name);
    out_ += ':';
    first_ = true;
    return *this;
  }

  JsonWriter& string(std::string_view text) {
    separate();
    AppendJsonString(out_, text);
    return *this;
  }
  template <std::integral T>
  requires(!std::same_as<T, bool>) JsonWriter& integer(T n) {
    separate();
    char buf[24];
    out_.append(buf, std::to_chars(buf, buf + sizeof buf, n).ptr);
    return *this;
  }
  // An amount: a whole one as an integer (9550), any other in its shortest round-trip form;
  // null when it is not finite.
  JsonWriter& amount(double a) {
    separate();
    AppendJsonAmount(out_, a);
    return *this;
  }
  // A real, always with a fraction or exponent (1.0, 0.5); null when it is not finite.
  JsonWriter& real(double r) {
    separate();
    AppendJsonReal(out_, r);
    return *this;
  }
  JsonWriter& boolean(bool b) { return raw(b ? "true" : "false"); }
  JsonWriter& null() { return raw("null"); }
  // A value that is JSON text already (an id echoed as the request wrote it).
  JsonWriter& raw(std::string_view json) {
    separate();
    out_ += json;
    return *this;
  }

 private:
  // A comma before every value or key but the first of its object or array.
  void separate() {
    if (!first_) out_ += ',';
    first_ = false;
  }
  JsonWriter& open(char c) {
    separate();
    out_ += c;
    first_ = true;
    return *this;
  }
  JsonWriter& close(char c) {
    out_ += c;
    first_ = false;
    return *this;
  }

  std::string& out_;
  bool first_ = true;  // the next value or key is the first of its object or array
};

}  // namespace varnello
