#include "core/entries/capital.h"

#include <cstdint>
#include <string_view>

#include "core/entries/entries.h"
#include "core/journal/fen.h"

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
  std::optional<std::int64_t> whole = WholeFen(value);
  if (!whole) return std::nullopt;
  auto cents = static_cast<std::uint64_t>(*whole < 0 ? -*whole : *whole);
  std::uint64_t yuan = cents / 100, jiao = cents / 10 % 10, fen = cents % 10;
  if (cents == 0) return "零元整";
  std::string out = *whole < 0 ? "负" : "";
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

std::optional<std::string> CapitalOfLine(std::string_view line) {
  PrintedLine parsed = ParseLine(line);
  if (parsed.kind != PrintedLine::Kind::Journal || !parsed.amount) return std::nullopt;
  return CapitalAmount(*parsed.amount);
}

}  // namespace varnello
