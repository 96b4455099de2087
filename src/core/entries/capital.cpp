#include "core/entries/capital.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

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

}  // namespace

std::optional<std::string> CapitalAmount(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  // The 15 significant digits the amount prints with, rounded half up at 分.
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
  std::string digits(1, buf[0]);
  digits.append(buf + 2, 14);
  int exponent = std::atoi(buf + 17);
  if (exponent >= 16) return std::nullopt;
  int keep = exponent + 3;  // digits down to 分
  std::uint64_t cents = 0;
  for (int i = 0; i < keep; ++i)
    cents = cents * 10 + (i < 15 ? static_cast<std::uint64_t>(digits[i] - '0') : 0);
  if (keep >= 0 && keep < 15 && digits[static_cast<size_t>(keep)] >= '5') ++cents;
  std::uint64_t yuan = cents / 100, jiao = cents / 10 % 10, fen = cents % 10;
  if (yuan >= kYi * kYi) return std::nullopt;
  if (cents == 0) return "零元整";
  std::string out = value < 0 ? "负" : "";
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

}  // namespace varnello
