// Numbers as text, the same to the last digit on every platform and in every locale: the
// shortest digits that read back as a double, a double's digits rounded to a given count, the
// two shortest text forms the program writes, and the reading of a decimal text. Standard
// libraries differ in which of these they offer for floating point; this is the one path the
// program takes for all of them.
#pragma once

#include <charconv>
#include <cstddef>
#include <string_view>

namespace varnello {

// Significant decimal digits without trailing zeros, and the place value 10^exponent of the
// first digit.
struct DecimalDigits {
  char digits[20];
  size_t count = 0;
  int exponent = 0;
  std::string_view view() const { return {digits, count}; }
};

// The fewest digits that read back as exactly the magnitude (of those, the nearest to it, ties to
// even). For a finite magnitude above zero.
DecimalDigits ShortestDigits(double magnitude);
// The magnitude rounded correctly, half to even, to `significant` digits (1 to 17). For a finite
// magnitude above zero.
DecimalDigits RoundedDigits(double magnitude, int significant);

// The longest text the two writers below produce ("-1.2345678901234567e-308" and the like).
constexpr size_t kMaxNumberText = 32;
// Writes the value as std::to_chars(first, last, value) does: the shortest digits that read
// back as the value, in plain or exponent form, whichever is shorter (plain on a tie; a plain
// whole number shows its exact digits). Returns the end of what it wrote.
char* WriteShortest(char* out, double value);
// As std::to_chars(first, last, value, std::chars_format::general): the shortest digits, in
// plain form for place values from 10^-4 to 10^5, else in exponent form.
char* WriteShortestGeneral(char* out, double value);

// Reads a decimal number as std::from_chars(first, last, value) does: no leading blanks or "+",
// "." as the decimal point whatever the locale, correctly rounded, "inf" and "nan" in either
// case. A number beyond the range of a double (too large, or nonzero and rounding to zero) is
// result_out_of_range and leaves `value` as it was.
std::from_chars_result ReadDouble(const char* first, const char* last, double& value);

}  // namespace varnello
