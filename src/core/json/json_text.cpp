#include "core/json/json_text.h"

#include <simdjson.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "core/journal/number_text.h"

namespace varnello {

namespace {

// Whether any byte of the 8 in `w` is below 0x20, a quote or a backslash. Each test is exact
// for "any" (a borrow only runs on from a byte that itself matches); bytes of 0x80 and above
// (UTF-8 sequences) never match.
bool AnyToEscape(uint64_t w) {
  constexpr uint64_t kOnes = 0x0101010101010101, kHigh = 0x8080808080808080;
  uint64_t quote = w ^ (kOnes * '"');
  uint64_t backslash = w ^ (kOnes * '\\');
  uint64_t hits = ((w - kOnes * 0x20) & ~w) | ((quote - kOnes) & ~quote) | ((backslash - kOnes) & ~backslash);
  return (hits & kHigh) != 0;
}

void AppendEscaped(std::string& out, unsigned char c) {
  static constexpr char kHex[] = "0123456789abcdef";
  switch (c) {
    case '"':
      out += "\\\"";
      break;
    case '\\':
      out += "\\\\";
      break;
    case '\b':
      out += "\\b";
      break;
    case '\f':
      out += "\\f";
      break;
    case '\n':
      out += "\\n";
      break;
    case '\r':
      out += "\\r";
      break;
    case '\t':
      out += "\\t";
      break;
    default: {
      const char escape[6] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 0xF]};
      out.append(escape, sizeof escape);
    }
  }
}

}  // namespace

// Appends text as a JSON string: quotes, backslashes and control characters escaped, everything
// else (UTF-8 included) as it is. Runs of plain bytes are found eight at a time and appended whole.
void AppendJsonString(std::string& out, std::string_view text) {
  out += '"';
  const char* data = text.data();
  size_t n = text.size(), i = 0, plain = 0;
  while (i < n) {
    // The last word of a text of eight bytes or more overlaps bytes already looked at: the
    // test only decides whether any byte needs looking at one by one.
    size_t at = n - i >= 8 ? i : n >= 8 ? n - 8 : i;
    if (n - at >= 8) {
      uint64_t w;
      std::memcpy(&w, data + at, 8);
      if (!AnyToEscape(w)) {
        i = at + 8;
        continue;
      }
    }
    for (size_t stop = std::min(i + 8, n); i < stop; ++i) {
      unsigned char c = static_cast<unsigned char>(data[i]);
      if (c >= 0x20 && c != '"' && c != '\\') continue;
      out.append(data + plain, i - plain);
      AppendEscaped(out, c);
      plain = i + 1;
    }
  }
  out.append(data + plain, n - plain);
  out += '"';
}

// A whole amount as a JSON integer (9550), any other in its shortest round-trip form.
void AppendJsonAmount(std::string& out, double amount) {
  if (!std::isfinite(amount)) {
    out += "null";
    return;
  }
  char buf[32];
  std::to_chars_result end;
  if (std::trunc(amount) == amount && std::fabs(amount) < 9007199254740992.0) {
    end = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(amount));
  } else {
    // Shortest round-trip digits, with an exponent for large and small magnitudes: a plain
    // integer of more than 19 digits is valid JSON but beyond what many readers take as a number.
    end.ptr = WriteShortestGeneral(buf, amount);
  }
  out.append(buf, end.ptr);
}

void AppendJsonReal(std::string& out, double value) {
  if (!std::isfinite(value)) {
    out += "null";
    return;
  }
  char buf[32];
  char* end = WriteShortest(buf, value);
  out.append(buf, end);
  if (std::find_if(buf, end, [](char c) { return c == '.' || c == 'e'; }) == end) out += ".0";
}

std::string ValidUtf8(std::string_view text) {
  if (simdjson::validate_utf8(text.data(), text.size())) return std::string(text);
  std::string out;
  for (size_t i = 0; i < text.size();) {
    auto c = static_cast<unsigned char>(text[i]);
    size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    if (i + n <= text.size() && simdjson::validate_utf8(text.data() + i, n)) {
      out.append(text, i, n);
      i += n;
    } else {
      out += "\xEF\xBF\xBD";
      ++i;
    }
  }
  return out;
}

}  // namespace varnello
