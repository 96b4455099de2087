// Fuzz target: any bytes read as an amount give a finite value or an overflow fault, and the
// reading rules hold: blanks inserted anywhere change nothing, full-width forms read like ASCII,
// a character that cannot continue a number changes nothing when appended, and &H/&O integers
// agree with a plain reference conversion.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/engine/fault.h"
#include "core/engine/read_amount.h"

namespace {

// The value read, or NaN for an overflow fault.
double Read(std::string_view text) {
  try {
    double v = varnello::ReadAmount(text);
    if (!std::isfinite(v)) std::abort();
    return v;
  } catch (const varnello::Fault& f) {
    if (f.kind != varnello::FaultKind::Overflow) std::abort();
    return NAN;
  }
}

void Same(double a, double b, const char* rule, std::string_view text) {
  if (a == b || (std::isnan(a) && std::isnan(b))) return;
  std::fprintf(stderr, "%s: \"%.*s\" reads %.17g, the variant %.17g\n", rule, static_cast<int>(text.size()),
               text.data(), a, b);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  double v = Read(text);

  // Blanks (space, tab, line feed, carriage return, ideographic space) at a character boundary.
  static const char* const kBlanks[] = {" ", "\t", "\n", "\r", "\xE3\x80\x80"};
  size_t at = size == 0 ? 0 : data[size - 1] % (size + 1);
  while (at < size && (data[at] & 0xC0) == 0x80) ++at;
  for (const char* blank : kBlanks) {
    std::string variant = std::string(text.substr(0, at)) + blank + std::string(text.substr(at));
    Same(v, Read(variant), "blank inserted", text);
  }

  // Full-width forms of every printable ASCII character (the space as the ideographic space).
  std::string wide;
  for (char c : text) {
    auto u = static_cast<unsigned char>(c);
    if (u == ' ') {
      wide += "\xE3\x80\x80";
    } else if (u > 0x20 && u < 0x7F) {
      char32_t cp = 0xFEE0 + u;
      wide += static_cast<char>(0xE0 | (cp >> 12));
      wide += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      wide += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      wide += c;
    }
  }
  Same(v, Read(wide), "full-width", text);

  // A character that cannot continue any number.
  for (const char* stopper : {",", "元", "/", "\xC2\xA5"}) {
    Same(v, Read(std::string(text) + stopper), "stopper appended", text);
  }

  // &H and &O with up to 13 hex or 17 octal digits from the input: exact in a double.
  std::string hex = "&H", oct = "&O";
  for (size_t i = 0; i < size && i < 13; ++i) hex += "0123456789ABCDEF"[data[i] % 16];
  for (size_t i = 0; i < size && i < 17; ++i) oct += static_cast<char>('0' + data[i] % 8);
  if (size > 0) {
    Same(static_cast<double>(std::strtoull(hex.c_str() + 2, nullptr, 16)), Read(hex), "hexadecimal", hex);
    Same(static_cast<double>(std::strtoull(oct.c_str() + 2, nullptr, 8)), Read(oct), "octal", oct);
  }
  return 0;
}
