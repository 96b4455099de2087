// Fuzz target: every finite double renders by the layout rules, exactly as the rendering built
// from printf's "%.14e" digits, and reads back to the value rounded to 15 significant digits.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/engine/fault.h"
#include "core/engine/read_amount.h"
#include "core/journal/journal.h"
#include "support/printf_amount.h"

namespace {

void Check(bool ok, const char* what, double v, const std::string& text) {
  if (ok) return;
  std::fprintf(stderr, "%s: %.17g -> \"%s\"\n", what, v, text.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < sizeof(double)) return 0;
  double v;
  std::memcpy(&v, data, sizeof v);
  if (!std::isfinite(v)) return 0;
  std::string text = varnello::FormatAmount(v);
  Check(text == varnello::testing::FormatAmountByPrintf(v), "differs from the printf digits", v, text);

  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", v);
  double rounded = std::strtod(buf, nullptr);
  if (!std::isfinite(rounded)) {
    // Within 5e-15 of the largest double the 15-digit rounding lies beyond the range of a
    // double: the text is still printed, and reading it back is an overflow.
    try {
      varnello::ReadAmount(varnello::FormatAmount(v));
      std::abort();
    } catch (const varnello::Fault&) {
    }
    return 0;
  }

  Check(text.size() >= 3, "too short", v, text);
  Check(text.back() == ' ', "no trailing space", v, text);
  Check(text[0] == (rounded < 0 ? '-' : ' '), "sign slot", v, text);
  std::string body = text.substr(1, text.size() - 2);
  Check(body.find_first_of(" ,+") == std::string::npos || body.find('E') != std::string::npos,
        "stray characters", v, text);
  size_t e = body.find('E');
  std::string mantissa = body.substr(0, e);
  int significant = 0;
  bool leading = true;
  for (char c : mantissa) {
    if (c == '.') continue;
    if (c == '0' && leading) continue;
    leading = false;
    ++significant;
  }
  Check(significant <= 15, "more than 15 significant digits", v, text);
  if (mantissa.find('.') != std::string::npos) {
    Check(mantissa.back() != '0' && mantissa.back() != '.', "trailing zeros", v, text);
  }
  double magnitude = std::fabs(rounded);
  bool exponentForm = magnitude >= 1e15 || (magnitude != 0 && magnitude < 1e-4);
  Check((e != std::string::npos) == exponentForm, "exponent form", v, text);
  Check(varnello::ReadAmount(text) == (rounded == 0 ? 0.0 : rounded), "reads back", v, text);
  return 0;
}
