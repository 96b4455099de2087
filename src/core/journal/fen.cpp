#include "core/journal/fen.h"

#include <cmath>

#include "core/journal/journal.h"

namespace varnello {

std::optional<std::int64_t> WholeFen(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  if (value == 0.0) return 0;
  PrintedDigits d = PrintedDigitsOf(std::fabs(value));
  if (d.exponent >= 16) return std::nullopt;
  auto digit = [&d](int i) { return std::int64_t{i < static_cast<int>(d.count) ? d.digits[i] - '0' : 0}; };
  int keep = d.exponent + 3;  // digits down to the 分, at most 18
  std::int64_t fen = 0;
  for (int i = 0; i < keep; ++i) fen = fen * 10 + digit(i);
  if (keep >= 0 && digit(keep) >= 5) ++fen;
  return value < 0 ? -fen : fen;
}

}  // namespace varnello
