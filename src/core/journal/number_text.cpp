#include "core/journal/number_text.h"

#include <dragonbox/dragonbox.h>
#include <fast_float/fast_float.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#ifndef FMT_HEADER_ONLY
#define FMT_HEADER_ONLY
#endif
#include <fmt/format.h>

namespace varnello {

namespace {

__extension__ using Wide = unsigned __int128;

// The decimal digits of n, most significant first; returns their end.
char* WriteWhole(char* out, Wide n) {
  char reversed[40];
  size_t count = 0;
  do {
    reversed[count++] = static_cast<char>('0' + static_cast<int>(n % 10));
    n /= 10;
  } while (n != 0);
  return std::reverse_copy(reversed, reversed + count, out);
}

// Writes sign and the names of the values that have no digits; returns nullptr for the rest.
char* WriteSpecial(char*& out, double value) {
  if (std::signbit(value)) *out++ = '-';
  if (std::isnan(value)) return std::copy_n("nan", 3, out);
  if (std::isinf(value)) return std::copy_n("inf", 3, out);
  if (value == 0.0) {
    *out++ = '0';
    return out;
  }
  return nullptr;
}

// d.ddde+XX: the mantissa with a point after its first digit when it has more, then the
// exponent with its sign and at least two digits.
char* WriteExponentForm(char* out, const DecimalDigits& d) {
  *out++ = d.digits[0];
  if (d.count > 1) {
    *out++ = '.';
    out = std::copy(d.digits + 1, d.digits + d.count, out);
  }
  *out++ = 'e';
  *out++ = d.exponent < 0 ? '-' : '+';
  int mag = d.exponent < 0 ? -d.exponent : d.exponent;
  if (mag >= 100) *out++ = static_cast<char>('0' + mag / 100);
  *out++ = static_cast<char>('0' + mag / 10 % 10);
  *out++ = static_cast<char>('0' + mag % 10);
  return out;
}

// Plain notation of the digits; a whole number that needs zeros after its digits is written
// with the exact digits of `magnitude` (which then is a whole number below 10^22).
char* WritePlainForm(char* out, const DecimalDigits& d, double magnitude) {
  const int n = static_cast<int>(d.count);
  if (d.exponent < 0) {
    *out++ = '0';
    *out++ = '.';
    out = std::fill_n(out, -d.exponent - 1, '0');
    return std::copy(d.digits, d.digits + d.count, out);
  }
  if (n <= d.exponent + 1) return WriteWhole(out, static_cast<Wide>(magnitude));
  out = std::copy(d.digits, d.digits + d.exponent + 1, out);
  *out++ = '.';
  return std::copy(d.digits + d.exponent + 1, d.digits + d.count, out);
}

DecimalDigits FromDigitText(const char* first, const char* last, int exponent) {
  DecimalDigits d;
  for (const char* p = first; p < last; ++p) {
    if (*p >= '0' && *p <= '9') d.digits[d.count++] = *p;
  }
  while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
  d.exponent = exponent;
  return d;
}

}  // namespace

DecimalDigits ShortestDigits(double magnitude) {
  auto decimal = jkj::dragonbox::to_decimal(magnitude);
  char text[20];
  char* end = WriteWhole(text, decimal.significand);
  int count = static_cast<int>(end - text);
  return FromDigitText(text, end, decimal.exponent + count - 1);
}

DecimalDigits RoundedDigits(double magnitude, int significant) {
  // fmt writes the correctly rounded digits as d.ddd...e±XX.
  char text[48];
  auto written = fmt::format_to_n(text, sizeof text - 1, "{:.{}e}", magnitude, significant - 1);
  const char* end = written.out;
  const char* e = std::find(static_cast<const char*>(text), end, 'e');
  int exponent = 0;
  for (const char* p = e + 2; p < end; ++p) exponent = exponent * 10 + (*p - '0');
  return FromDigitText(text, e, e[1] == '-' ? -exponent : exponent);
}

char* WriteShortest(char* out, double value) {
  if (char* end = WriteSpecial(out, value)) return end;
  double magnitude = std::fabs(value);
  DecimalDigits d = ShortestDigits(magnitude);
  const int n = static_cast<int>(d.count);
  const int x = d.exponent;
  int exponentLength = n + (n > 1 ? 1 : 0) + 2 + (x >= 100 || x <= -100 ? 3 : 2);
  int plainLength = x < 0 ? 1 - x + n : (n <= x + 1 ? x + 1 : n + 1);
  return plainLength <= exponentLength ? WritePlainForm(out, d, magnitude) : WriteExponentForm(out, d);
}

char* WriteShortestGeneral(char* out, double value) {
  if (char* end = WriteSpecial(out, value)) return end;
  double magnitude = std::fabs(value);
  DecimalDigits d = ShortestDigits(magnitude);
  if (d.exponent >= -4 && d.exponent < 6) return WritePlainForm(out, d, magnitude);
  return WriteExponentForm(out, d);
}

std::from_chars_result ReadDouble(const char* first, const char* last, double& value) {
  double read = 0.0;
  fast_float::from_chars_result r = fast_float::from_chars(first, last, read);
  if (r.ec != std::errc()) return {r.ptr, r.ec};
  const char* mantissa = first + (first < last && *first == '-' ? 1 : 0);
  const bool numeric = mantissa < r.ptr && (*mantissa == '.' || (*mantissa >= '0' && *mantissa <= '9'));
  if (numeric && std::isinf(read)) return {r.ptr, std::errc::result_out_of_range};
  if (numeric && read == 0.0) {
    const char* exponent = std::find_if(mantissa, r.ptr, [](char c) { return c == 'e' || c == 'E'; });
    if (std::any_of(mantissa, exponent, [](char c) { return c >= '1' && c <= '9'; })) {
      return {r.ptr, std::errc::result_out_of_range};
    }
  }
  value = read;
  return {r.ptr, std::errc()};
}

}  // namespace varnello
