#include "core/journal/journal.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>

namespace varnello {

namespace {

// Writes the 1 to 17 significant digits of a magnitude whose first digit has the place value
// 10^exponent at `out` (at most 23 characters): exponent form from 1E+15 and below 1E-4, else
// plain decimal notation. Returns the end of what it wrote.
char* WriteDigits(char* out, std::string_view digits, int exponent) {
  if (exponent >= 15 || exponent < -4) {
    // Mantissa digits with a point after the first, "E", sign, at least two exponent digits.
    *out++ = digits[0];
    if (digits.size() > 1) {
      *out++ = '.';
      out = std::copy(digits.begin() + 1, digits.end(), out);
    }
    *out++ = 'E';
    *out++ = exponent < 0 ? '-' : '+';
    int mag = exponent < 0 ? -exponent : exponent;
    if (mag >= 100) *out++ = static_cast<char>('0' + mag / 100);
    *out++ = static_cast<char>('0' + mag / 10 % 10);
    *out++ = static_cast<char>('0' + mag % 10);
  } else if (exponent < 0) {
    *out++ = '0';
    *out++ = '.';
    out = std::fill_n(out, -exponent - 1, '0');
    out = std::copy(digits.begin(), digits.end(), out);
  } else if (digits.size() <= static_cast<size_t>(exponent) + 1) {
    out = std::copy(digits.begin(), digits.end(), out);
    out = std::fill_n(out, static_cast<size_t>(exponent) + 1 - digits.size(), '0');
  } else {
    std::string_view whole = digits.substr(0, static_cast<size_t>(exponent) + 1);
    std::string_view fraction = digits.substr(static_cast<size_t>(exponent) + 1);
    out = std::copy(whole.begin(), whole.end(), out);
    *out++ = '.';
    out = std::copy(fraction.begin(), fraction.end(), out);
  }
  return out;
}

// 10^k for k from 0 to 19, the powers that fit 64 bits.
constexpr std::uint64_t kPow10[] = {1,
                                    10,
                                    100,
                                    1000,
                                    10000,
                                    100000,
                                    1000000,
                                    10000000,
                                    100000000,
                                    1000000000,
                                    10000000000,
                                    100000000000,
                                    1000000000000,
                                    10000000000000,
                                    100000000000000,
                                    1000000000000000,
                                    10000000000000000,
                                    100000000000000000,
                                    1000000000000000000,
                                    10000000000000000000u};

// Rounds a magnitude from 1E-4 up to 1E+15 to 15 significant digits,
// exactly and half to even as printf's %.14e does, in integer arithmetic: the value is m * 2^-s
// with a 53-bit m, and m * 10^(14-k) (at most 117 bits) shifted right by s gives the 15 digits of
// a value whose first digit has the place value 10^k. Writes the digits without trailing zeros and
// returns their count; `exponent` is the first digit's place value after rounding.
size_t RoundTo15Digits(double magnitude, char* digits, int& exponent) {
  __extension__ using Wide = unsigned __int128;
  std::uint64_t bits = std::bit_cast<std::uint64_t>(magnitude);
  int binaryExponent = static_cast<int>(bits >> 52) - 1075;  // normal: value = m * 2^binaryExponent
  std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  int shift = -binaryExponent;  // from 3 (below 2^50) to 66 (from 2^-14)
  // About floor(log10(2^(binaryExponent + 52))): k or k - 1, never more than k (1233 / 4096 is
  // just below log10(2), and none of these powers of two lies that close below a power of ten).
  int k = ((binaryExponent + 52) * 1233) >> 12;
  Wide scaled = 0, digits15 = 0;
  for (;; ++k) {
    scaled = static_cast<Wide>(m) * kPow10[14 - k];
    digits15 = scaled >> shift;
    if (digits15 < kPow10[15]) break;
  }
  Wide rest = scaled - (digits15 << shift);
  Wide half = static_cast<Wide>(1) << (shift - 1);
  if (rest > half || (rest == half && (digits15 & 1) != 0)) ++digits15;
  exponent = k;
  if (digits15 == kPow10[15]) {  // 999999999999999.5 and the like round up to the next power
    ++exponent;
    digits[0] = '1';
    return 1;
  }
  char* end = std::to_chars(digits, digits + 15, static_cast<std::uint64_t>(digits15)).ptr;
  while (end[-1] == '0') --end;
  return static_cast<size_t>(end - digits);
}

}  // namespace

PrintedDigits PrintedDigitsOf(double magnitude) {
  PrintedDigits d;
  if (magnitude >= 1e-4 && magnitude < 1e15) {
    d.count = RoundTo15Digits(magnitude, d.digits, d.exponent);
    return d;
  }
  // The shortest digits that read back as the value are, when there are at most 15 of them, the
  // value rounded to 15 significant digits: a normal double is finer than 15 digits (half its
  // spacing is below a ninth of the 15-digit spacing), so no other 15-digit decimal lies as close.
  // Subnormals are coarser and always take the rounding below. Otherwise round to 15 significant
  // digits (correctly rounded, as printf's %.14e); the exponent is taken after rounding so
  // 9.999999999999999E+15 becomes 1E+16.
  if (magnitude >= std::numeric_limits<double>::min()) d = ShortestDigits(magnitude);
  if (d.count == 0 || d.count > 15) d = RoundedDigits(magnitude, 15);
  return d;
}

void AppendAmount(std::string& out, double value) {
  if (value == 0.0 || !std::isfinite(value)) {
    // Non-finite amounts never reach printing (the fault rule stops them); zero of either sign is " 0 ".
    out += value == 0.0 ? " 0 " : (std::isnan(value) ? " NaN " : (value < 0 ? "-Inf " : " Inf "));
    return;
  }
  // The amount is put together here and appended in one go: sign slot, digits, space.
  char amount[32];
  char* end = amount;
  *end++ = value < 0 ? '-' : ' ';
  double magnitude = std::fabs(value);
  if (magnitude < 1e15 && magnitude == std::floor(magnitude)) {
    // A whole number below 10^15 has at most 15 digits: exact, in plain notation.
    end = std::to_chars(end, std::end(amount), static_cast<std::uint64_t>(magnitude)).ptr;
    *end++ = ' ';
    out.append(amount, static_cast<size_t>(end - amount));
    return;
  }
  PrintedDigits d = PrintedDigitsOf(magnitude);
  end = WriteDigits(end, d.view(), d.exponent);
  *end++ = ' ';
  out.append(amount, static_cast<size_t>(end - amount));
}

std::string PlainAmount(double value) {
  std::string text = FormatAmount(value);
  std::size_t begin = text.front() == ' ' ? 1 : 0;
  return text.substr(begin, text.size() - 1 - begin);
}

std::string FormatAmount(double value) {
  std::string out;
  AppendAmount(out, value);
  return out;
}

TextLines::TextLines(std::initializer_list<std::string_view> lines) {
  for (std::string_view line : lines) {
    AddLine();
    Append(line);
  }
}

namespace {

// Strips `suffix` from the end of `s` when it is there.
bool StripSuffix(std::string_view& s, std::string_view suffix) {
  if (!s.ends_with(suffix)) return false;
  s.remove_suffix(suffix.size());
  return true;
}

}  // namespace

CaptionSide FindSide(std::string_view caption) {
  std::string_view rest = caption;
  if (!StripSuffix(rest, "）")) StripSuffix(rest, ")");
  StripSuffix(rest, "方");
  Side side = Side::None;
  if (StripSuffix(rest, "借")) {
    side = Side::Debit;
  } else if (StripSuffix(rest, "贷")) {
    side = Side::Credit;
  }
  if (side == Side::None || !(StripSuffix(rest, "（") || StripSuffix(rest, "(")))
    return {caption.size(), Side::None};
  return {rest.size(), side};
}

std::string_view SideMarkText(Side side, SideMark mark) {
  if (side == Side::None) return {};
  bool debit = side == Side::Debit;
  switch (mark) {
    case SideMark::Full:
      break;
    case SideMark::Half:
      return debit ? "(借)" : "(贷)";
    case SideMark::HalfClose:
      return debit ? "（借)" : "（贷)";
    case SideMark::Unclosed:
      return debit ? "（借" : "（贷";
  }
  return debit ? "（借）" : "（贷）";
}

std::string CaptionOf(const Posting& posting) {
  std::string caption(posting.account);
  caption += SideMarkText(posting.side, posting.mark);
  return caption;
}

std::string_view SideName(Side side) {
  switch (side) {
    case Side::Debit:
      return "debit";
    case Side::Credit:
      return "credit";
    case Side::None:
      break;
  }
  return "";
}

std::string_view SideText(Side side) {
  switch (side) {
    case Side::Debit:
      return "借";
    case Side::Credit:
      return "贷";
    case Side::None:
      break;
  }
  return "";
}

}  // namespace varnello
