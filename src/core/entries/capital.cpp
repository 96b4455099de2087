#include "core/entries/capital.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "core/entries/entries.h"
#include "core/journal/journal.h"
#include "core/journal/number_text.h"

namespace varnello {

namespace {

constexpr std::string_view kDigits[] = {"零", "壹", "贰", "叁", "肆", "伍", "陆", "柒", "捌", "玖"};
constexpr std::string_view kPlaces[] = {"", "拾", "佰", "仟"};
constexpr std::uint64_t kWan = 10000;
constexpr std::uint64_t kYi = kWan * kWan;

// 1 to 9999: one 零 for each run of zeros between figures, none for trailing zeros.
std::string Section(std::uint64_t n) {
  constexpr std::uint64_t kPow[] = {1, 10, 100, 1000};
  std::string out;
  bool gap = false;
  for (int place = 3; place >= 0; --place) {
    std::uint64_t d = n / kPow[place] % 10;
    if (d == 0) {
      gap = !out.empty();
      continue;
    }
    if (gap) out += kDigits[0];
    gap = false;
    out += kDigits[d];
    out += kPlaces[place];
  }
  return out;
}

// 1 to 10^8 - 1, or with `unit` 亿 and `part` 10^8 the same one level up: the higher part, its
// unit, then 零 when the lower part skips its top place.
std::string Grouped(std::uint64_t n, std::uint64_t part, std::string_view unit,
                    std::string (*lower)(std::uint64_t)) {
  if (n < part) return lower(n);
  std::string out = lower(n / part);
  out += unit;
  std::uint64_t rest = n % part;
  if (rest != 0) {
    if (rest < part / 10) out += kDigits[0];
    out += lower(rest);
  }
  return out;
}

std::string BelowYi(std::uint64_t n) {
  return Grouped(n, kWan, "万", Section);
}

std::string Integer(std::uint64_t n) {
  return Grouped(n, kYi, "亿", BelowYi);
}

// The capital numerals of a whole number of 分, below 10^18.
std::string FromFen(bool negative, std::uint64_t cents) {
  std::uint64_t yuan = cents / 100, jiao = cents / 10 % 10, fen = cents % 10;
  if (cents == 0) return "零元整";
  std::string out = negative ? "负" : "";
  if (yuan != 0) out += Integer(yuan) + "元";
  if (jiao != 0) {
    out += kDigits[jiao];
    out += "角";
  } else if (fen != 0 && yuan != 0) {
    out += kDigits[0];
  }
  if (fen != 0) {
    out += kDigits[fen];
    out += "分";
  } else {
    out += "整";
  }
  return out;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

Capital CapitalOfDecimal(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // The digits without the point; `point` of them stand before it.
  std::string digits;
  std::size_t point = std::string::npos;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      digits += text[i];
    } else if (text[i] == '.' && point == std::string::npos) {
      point = digits.size();
    } else {
      break;
    }
  }
  if (digits.empty()) return {std::nullopt, CapitalRefusal::NotANumber};
  if (point == std::string::npos) point = digits.size();
  long long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool down = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) down = text[i++] == '-';
    if (i == text.size()) return {std::nullopt, CapitalRefusal::NotANumber};
    for (; i < text.size() && IsDigit(text[i]); ++i)
      exponent = std::min(exponent * 10 + (text[i] - '0'), 1000000LL);
    if (down) exponent = -exponent;
  }
  if (i != text.size()) return {std::nullopt, CapitalRefusal::NotANumber};
  // Digit k stands at the place 10^(point + exponent - 1 - k); the 分 is the place 10^-2.
  long long top = static_cast<long long>(point) + exponent - 1;
  std::uint64_t cents = 0;
  for (std::size_t k = 0; k < digits.size(); ++k) {
    if (digits[k] == '0') continue;
    long long place = top - static_cast<long long>(k);
    if (place < -2) return {std::nullopt, CapitalRefusal::BelowFen};
    if (place >= 16) return {std::nullopt, CapitalRefusal::Beyond};
  }
  for (std::size_t k = 0; k < digits.size(); ++k) {
    long long place = top - static_cast<long long>(k);
    if (place >= -2) cents = cents * 10 + static_cast<std::uint64_t>(digits[k] - '0');
  }
  // Places between the last digit and the 分 are zeros.
  for (long long place = top - static_cast<long long>(digits.size()); place >= -2; --place) {
    if (cents == 0) break;
    cents *= 10;
  }
  return {FromFen(negative && cents != 0, cents), CapitalRefusal::None};
}

Capital CapitalOfAmount(double value) {
  if (!std::isfinite(value)) return {std::nullopt, CapitalRefusal::Beyond};
  // An amount that prints as 1E+16 (its 15 significant digits round up to 10^16 元) is beyond
  // the units, though its exact value is a little below: the numerals never show a figure the
  // printed amount does not.
  char printed[40];
  std::snprintf(printed, sizeof printed, "%.14e", std::fabs(value));
  if (std::atoi(std::strchr(printed, 'e') + 1) >= 16) return {std::nullopt, CapitalRefusal::Beyond};
  char buf[64];
  char* end = WriteShortest(buf, value);
  Capital capital = CapitalOfDecimal(std::string_view(buf, static_cast<std::size_t>(end - buf)));
  if (capital.refusal == CapitalRefusal::BelowFen && std::fabs(value) < 1e12) {
    Capital shown = CapitalOfDecimal(PlainAmount(value));
    if (shown.text) return shown;
  }
  return capital;
}

Capital CapitalOfFen(std::int64_t fen) {
  std::uint64_t cents = fen < 0 ? 0 - static_cast<std::uint64_t>(fen) : static_cast<std::uint64_t>(fen);
  if (cents >= kYi * kYi * 100) return {std::nullopt, CapitalRefusal::Beyond};
  return {FromFen(fen < 0, cents), CapitalRefusal::None};
}

std::optional<std::string> CapitalAmount(double value) {
  return CapitalOfAmount(value).text;
}

Capital CapitalOfPrinted(std::optional<double> amount) {
  // Amounts that are not finite never print as a number (the fault rule stops them first).
  if (!amount || !std::isfinite(*amount)) return {std::nullopt, CapitalRefusal::NotANumber};
  if (*amount != 0) {
    PrintedDigits d = PrintedDigitsOf(std::fabs(*amount));
    if (d.count >= 15 && d.exponent - static_cast<int>(d.count) + 1 >= -2)
      return {std::nullopt, CapitalRefusal::Rounded};
  }
  return CapitalOfDecimal(PlainAmount(*amount));
}

std::string_view CapitalRefusalText(CapitalRefusal refusal) {
  switch (refusal) {
    case CapitalRefusal::BelowFen:
      return "金额有分以下的数字，大写金额只写到分，不能精确写出";
    case CapitalRefusal::Beyond:
      return "金额达到亿亿元（10^16 元），大写金额写不下";
    case CapitalRefusal::Rounded:
      return "金额显示时已舍入为 15 位有效数字，不能精确写出";
    case CapitalRefusal::NotANumber:
      return "不是金额";
    case CapitalRefusal::None:
      break;
  }
  return "";
}

}  // namespace varnello
