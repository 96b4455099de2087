#include "core/engine/read_amount.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "core/engine/fault.h"
#include "core/journal/number_text.h"

namespace varnello {

namespace {

// Decodes one UTF-8 code point at text[i]; advances i. Malformed bytes decode as U+FFFD.
char32_t NextCodePoint(std::string_view text, size_t& i) {
  unsigned char c = static_cast<unsigned char>(text[i]);
  if (c < 0x80) {
    ++i;
    return c;
  }
  int extra = (c >= 0xF0 && c < 0xF8) ? 3 : (c >= 0xE0) ? 2 : (c >= 0xC0) ? 1 : -1;
  if (extra < 0 || i + static_cast<size_t>(extra) >= text.size()) {
    // A stray continuation byte, or a sequence cut short by the end of the text.
    ++i;
    return 0xFFFD;
  }
  char32_t cp = c & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    unsigned char cc = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
    if ((cc & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    cp = (cp << 6) | (cc & 0x3F);
  }
  i += static_cast<size_t>(extra) + 1;
  return cp;
}

bool IsBlank(char32_t cp) {
  return cp == ' ' || cp == '\t' || cp == '\n' || cp == '\r' || cp == 0x3000;
}

// Folds the full-width ASCII block to ASCII; anything else outside ASCII becomes a stopper.
char ToAscii(char32_t cp) {
  if (cp >= 0xFF01 && cp <= 0xFF5E) cp -= 0xFEE0;
  return cp < 0x80 ? static_cast<char>(cp) : '\x01';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int DigitValue(char c, int base) {
  int d = -1;
  if (IsDigit(c))
    d = c - '0';
  else if (c >= 'a' && c <= 'f')
    d = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    d = c - 'A' + 10;
  return d < base ? d : -1;
}

double CheckRange(double v) {
  if (!std::isfinite(v)) throw Fault{FaultKind::Overflow};
  return v;
}

double ReadRadixInteger(const std::string& s, size_t pos, int base) {
  double v = 0;
  for (; pos < s.size(); ++pos) {
    int d = DigitValue(s[pos], base);
    if (d < 0) break;
    v = v * base + d;
  }
  return CheckRange(v);
}

// Length of the longest prefix of s that forms a decimal number; 0 if no digit is found.
size_t DecimalPrefix(const std::string& s) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  bool digits = false, point = false;
  for (; i < s.size(); ++i) {
    if (IsDigit(s[i])) {
      digits = true;
    } else if (s[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IsDigit(s[j])) {
      while (j < s.size() && IsDigit(s[j])) ++j;
      i = j;
    }
  }
  return i;
}

// Whether a decimal number whose reading fell outside the range of a double is too large (rather
// than too small): the power of ten of its leading nonzero digit is positive. `digits` is the
// number without its sign.
bool BeyondLargest(std::string_view digits) {
  size_t point = digits.find('.');
  size_t exponentAt = digits.find_first_of("eE");
  std::string_view mantissa = digits.substr(0, exponentAt);
  if (point == std::string_view::npos || point > mantissa.size()) point = mantissa.size();
  size_t first = mantissa.find_first_not_of("0.");
  if (first == std::string_view::npos) return false;  // all zeros: nothing out of range
  long long power =
      first < point ? static_cast<long long>(point - first) : -static_cast<long long>(first - point);
  if (exponentAt != std::string_view::npos) {
    // Saturates: any exponent beyond a million decides the matter alone.
    std::string_view e = digits.substr(exponentAt + 1);
    bool negative = !e.empty() && e[0] == '-';
    if (!e.empty() && (e[0] == '-' || e[0] == '+')) e.remove_prefix(1);
    long long value = 0;
    for (char c : e) value = std::min(value * 10 + (c - '0'), 1000000LL);
    power += negative ? -value : value;
  }
  return power > 0;
}

// Reads a decimal number of the form DecimalPrefix accepts, independent of the process locale
// (the decimal point is always "."), rounding correctly to the nearest double.
double ParseDecimal(const std::string& number) {
  std::string_view digits(number);
  bool negative = false;
  if (!digits.empty() && (digits[0] == '+' || digits[0] == '-')) {
    negative = digits[0] == '-';
    digits.remove_prefix(1);
  }
  double value = 0.0;
  auto [end, ec] = ReadDouble(digits.data(), digits.data() + digits.size(), value);
  (void)end;
  if (ec == std::errc::result_out_of_range) {
    // Too large is an overflow; too small reads as zero, as the nearest double.
    if (BeyondLargest(digits)) throw Fault{FaultKind::Overflow};
    value = 0.0;
  }
  return CheckRange(negative ? -value : value);
}

}  // namespace

double ReadAmount(std::string_view text) {
  // Blanks are dropped wherever they stand; only the characters that may form a number matter.
  std::string s;
  s.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    char32_t cp = NextCodePoint(text, i);
    if (IsBlank(cp)) continue;
    char c = ToAscii(cp);
    s += c;
    if (c == '\x01') break;  // nothing after a stopper can matter
  }
  if (s.size() >= 2 && s[0] == '&') {
    char p = s[1];
    if (p == 'H' || p == 'h') return ReadRadixInteger(s, 2, 16);
    if (p == 'O' || p == 'o') return ReadRadixInteger(s, 2, 8);
    return 0.0;
  }
  size_t len = DecimalPrefix(s);
  if (len == 0) return 0.0;
  s.resize(len);
  return ParseDecimal(s);
}

}  // namespace varnello
