// Fuzz target: capital numerals agree with rounding to the 分. Eight bytes are a double, other
// inputs an amount as text; the numerals are read back to 分 and compared with a reference that
// rounds the 15 significant digits printf prints half away from zero, in integer arithmetic.
// The rule both keep: numerals are written only for an amount whose printed 15 digits stay below
// 10^16 元 (9999999999999998 prints as 1E+16 and is refused).
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "core/entries/capital.h"

namespace {

// The amount in 分, or none at 10^16 元 and beyond, NaN and the infinities.
std::optional<std::int64_t> ReferenceFen(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
  std::int64_t digits = 0;
  for (const char* p = buf; *p != 'e'; ++p) {
    if (*p != '.') digits = digits * 10 + (*p - '0');
  }
  int exponent = std::atoi(std::strchr(buf, 'e') + 1);
  if (exponent >= 16) return std::nullopt;
  std::int64_t fen;
  if (exponent >= 12) {
    fen = digits;
    for (int i = 12; i < exponent; ++i) fen *= 10;
  } else if (12 - exponent > 18) {
    fen = 0;
  } else {
    std::int64_t scale = 1;
    for (int i = exponent; i < 12; ++i) scale *= 10;
    fen = digits / scale + (digits % scale * 2 >= scale ? 1 : 0);
  }
  return std::signbit(value) ? -fen : fen;
}

// Capital numerals read back to 分: digits times 拾/佰/仟 make a section, 万 and 亿 scale what
// came before them in their group, 元/角/分 close the parts.
std::int64_t ReadCapital(std::string_view text) {
  static constexpr std::string_view kDigits[] = {"零", "壹", "贰", "叁", "肆", "伍", "陆", "柒", "捌", "玖"};
  struct Unit {
    std::string_view text;
    std::int64_t places;
  };
  static constexpr Unit kPlaces[] = {{"拾", 10}, {"佰", 100}, {"仟", 1000}};
  std::int64_t yi = 0, wan = 0, section = 0, digit = 0, yuan = 0, jiao = 0, fen = 0, sign = 1;
  auto take = [&text](std::string_view s) {
    if (!text.starts_with(s)) return false;
    text.remove_prefix(s.size());
    return true;
  };
  while (!text.empty()) {
    bool found = false;
    for (int d = 0; d < 10 && !found; ++d) {
      if (take(kDigits[d])) {
        digit = d;
        found = true;
      }
    }
    for (const Unit& u : kPlaces) {
      if (!found && take(u.text)) {
        section += digit * u.places;
        digit = 0;
        found = true;
      }
    }
    if (found) continue;
    if (take("负")) {
      sign = -1;
    } else if (take("万")) {
      wan += (section + digit) * 10000;
      section = digit = 0;
    } else if (take("亿")) {
      yi += (wan + section + digit) * 100000000;
      wan = section = digit = 0;
    } else if (take("元")) {
      yuan = yi + wan + section + digit;
      digit = 0;
    } else if (take("角")) {
      jiao = digit;
      digit = 0;
    } else if (take("分")) {
      fen = digit;
      digit = 0;
    } else if (!take("整")) {
      std::abort();  // a character that is not a capital numeral
    }
  }
  return sign * (yuan * 100 + jiao * 10 + fen);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  double value = 0;
  if (size == sizeof value) {
    std::memcpy(&value, data, sizeof value);
  } else {
    const char* text = reinterpret_cast<const char*>(data);
    if (std::from_chars(text, text + size, value).ec != std::errc()) return 0;
  }
  std::optional<std::string> capital = varnello::CapitalAmount(value);
  std::optional<std::int64_t> fen = ReferenceFen(value);
  // Capital numerals are refused, never rounded, for an amount with a digit below the 分: a
  // refusal is allowed anywhere, a text only where the reference has one.
  if (capital.has_value() && !fen.has_value()) std::abort();
  if (!capital) return 0;
  // Written from the amount's shortest decimal digits: up to 17 significant digits, where the
  // reference rounds the 15 it prints with.
  std::optional<std::int64_t> shortest;
  char digits[400];
  auto [end, ec] = std::to_chars(digits, digits + sizeof digits, std::fabs(value), std::chars_format::fixed);
  std::string_view text(digits, ec == std::errc() ? static_cast<std::size_t>(end - digits) : 0);
  std::size_t point = text.find('.');
  if (!text.empty() && (point == std::string_view::npos || text.size() - point - 1 <= 2) &&
      text.size() <= 20) {
    std::int64_t whole = 0;
    for (char c : text.substr(0, point)) whole = whole * 10 + (c - '0');
    std::int64_t cents = 0;
    std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
    for (std::size_t i = 0; i < 2; ++i) cents = cents * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    shortest = (value < 0 ? -1 : 1) * (whole * 100 + cents);
  }
  if (ReadCapital(*capital) != *fen && ReadCapital(*capital) != shortest) {
    std::fprintf(stderr, "%.17g: %s, expected %lld 分\n", value, capital->c_str(),
                 static_cast<long long>(*fen));
    std::abort();
  }
  if (*fen == 0 && *capital != "零元整") std::abort();
  return 0;
}
