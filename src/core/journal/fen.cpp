#include "core/journal/fen.h"

#include <charconv>
#include <cmath>

namespace varnello {

std::optional<std::int64_t> WholeFen(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  // "d.dddddddddddddde±XX": the 15 significant digits the amount prints with, correctly rounded;
  // the exponent is taken after rounding, so 9999999999999999 is 1E+16.
  char text[32];
  std::to_chars_result r =
      std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific, 14);
  int exponent = 0;
  std::from_chars(text + 18, r.ptr, exponent);
  if (text[17] == '-') exponent = -exponent;
  if (exponent >= 16) return std::nullopt;
  auto digit = [&text](int i) { return std::int64_t{text[i == 0 ? 0 : i + 1] - '0'}; };
  int keep = exponent + 3;  // digits down to the 分, at most 18
  std::int64_t fen = 0;
  for (int i = 0; i < keep; ++i) fen = fen * 10 + (i < 15 ? digit(i) : 0);
  if (keep >= 0 && keep < 15 && digit(keep) >= 5) ++fen;
  return value < 0 ? -fen : fen;
}

}  // namespace varnello
