#include "core/engine/read_amount.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>
#include <vector>

#include "core/engine/fault.h"
#include "core/journal/journal.h"
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

constexpr char kStopper = '\x01';
constexpr char kCurrency = '\x02';  // ¥ or ￥

// Folds the full-width ASCII block to ASCII and the yen signs to kCurrency; control characters
// and anything else outside ASCII become a stopper.
char ToAscii(char32_t cp) {
  if (cp == 0xA5 || cp == 0xFFE5) return kCurrency;
  if (cp >= 0xFF01 && cp <= 0xFF5E) cp -= 0xFEE0;
  return cp >= 0x20 && cp < 0x80 ? static_cast<char>(cp) : kStopper;
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

size_t DigitsFrom(const std::string& s, size_t i) {
  while (i < s.size() && IsDigit(s[i])) ++i;
  return i;
}

// Where a whole part that begins at `start` with `first` digits ends when commas group it in
// threes: 1 to 3 digits (not starting with 0), then each comma followed by exactly three digits
// (and no fourth) is a group. Reading stops at the first comma that is not, as at any other
// character: 1,00 reads 1; 1,000,00 reads 1000.
size_t GroupedEnd(const std::string& s, size_t start, size_t first) {
  size_t end = start + first;
  if (first == 0 || first > 3 || s[start] == '0') return end;
  while (end < s.size() && s[end] == ',' && DigitsFrom(s, end + 1) == end + 4) end += 4;
  return end;
}

// The longest prefix of s that forms an amount: [currency] [sign] [currency] digits (whole part
// possibly grouped) with an optional fraction and exponent, then an optional percent sign.
// `number` gets it as plain decimal text (sign, digits, ".", exponent: no currency sign, commas
// or percent sign); returns its length in s, 0 when no digit is found.
size_t DecimalPrefix(const std::string& s, std::string& number, bool& percent) {
  size_t i = 0;
  bool currency = false;
  if (i < s.size() && s[i] == kCurrency) {
    currency = true;
    ++i;
  }
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) number += s[i++];
  if (!currency && i < s.size() && s[i] == kCurrency) ++i;
  size_t wholeAt = i;
  size_t wholeEnd = GroupedEnd(s, wholeAt, DigitsFrom(s, wholeAt) - wholeAt);
  for (; i < wholeEnd; ++i) {
    if (s[i] != ',') number += s[i];
  }
  bool digits = wholeEnd > wholeAt;
  if (i < s.size() && s[i] == '.') {
    size_t end = DigitsFrom(s, i + 1);
    digits = digits || end > i + 1;
    number.append(s, i, end - i);
    i = end;
  }
  if (!digits) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IsDigit(s[j])) {
      j = DigitsFrom(s, j);
      number.append(s, i, j - i);
      i = j;
    }
  }
  percent = i < s.size() && s[i] == '%';
  return percent ? i + 1 : i;
}

// The decimal text divided by 100: its exponent lowered by 2 (saturating far beyond any double).
std::string Hundredth(const std::string& number) {
  size_t at = number.find_first_of("eE");
  if (at == std::string::npos) return number + "e-2";
  std::string_view e = std::string_view(number).substr(at + 1);
  bool negative = !e.empty() && e[0] == '-';
  if (!e.empty() && (e[0] == '-' || e[0] == '+')) e.remove_prefix(1);
  long long value = 0;
  for (char c : e) value = std::min(value * 10 + (c - '0'), 1000000LL);
  return number.substr(0, at) + "e" + std::to_string((negative ? -value : value) - 2);
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

namespace {

// The reading; with `at`, also where the unread rest begins (the plain reading skips that work).
AmountReading Read(std::string_view text, std::vector<size_t>* at) {
  // Blanks are dropped wherever they stand; only the characters that may form a number matter.
  // (*at)[k] is where s[k] stands in the text.
  std::string s;
  s.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    size_t start = i;
    char32_t cp = NextCodePoint(text, i);
    if (IsBlank(cp)) continue;
    char c = ToAscii(cp);
    s += c;
    if (at != nullptr) at->push_back(start);
    if (c == kStopper) break;  // nothing after a stopper can matter
  }
  AmountReading reading;
  size_t used = 0;
  if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
    int base = s[1] == 'H' || s[1] == 'h' ? 16 : 8;
    used = 2;
    while (used < s.size() && DigitValue(s[used], base) >= 0) ++used;
    if (used == 2) used = 0;  // "&H" without digits reads nothing
    reading.value = ReadRadixInteger(s, 2, base);
  } else {
    std::string number;
    bool percent = false;
    used = DecimalPrefix(s, number, percent);
    if (used > 0) reading.value = ParseDecimal(percent ? Hundredth(number) : number);
  }
  reading.whole = used == s.size();
  if (!reading.whole && at != nullptr) {
    std::string_view rest = text.substr((*at)[used]);
    size_t i = rest.size();
    while (i > 0 && (rest[i - 1] == ' ' || rest[i - 1] == '\t' || rest[i - 1] == '\n' || rest[i - 1] == '\r'))
      --i;
    reading.rest = rest.substr(0, i);
  }
  return reading;
}

}  // namespace

AmountReading ReadAmountFully(std::string_view text) {
  // Most texts are read whole: where the rest begins is only looked for when one is not.
  AmountReading reading = Read(text, nullptr);
  if (reading.whole) return reading;
  std::vector<size_t> at;
  at.reserve(text.size());
  return Read(text, &at);
}

double ReadAmount(std::string_view text) {
  return Read(text, nullptr).value;
}

std::string ReadingNote(const AmountReading& reading) {
  return "读作 " + PlainAmount(reading.value) + "：“" + reading.rest + "”未读入";
}

}  // namespace varnello
