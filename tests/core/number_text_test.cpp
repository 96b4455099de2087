// The portable number path against the standard library's own conversions on this platform:
// every digit the same, over edge values and a few hundred thousand random doubles.
#include "core/journal/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace varnello {
namespace {

std::string StdText(double v, std::chars_format fmt, int precision = -1, bool plain = false) {
  char buf[64];
  std::to_chars_result r = plain           ? std::to_chars(buf, buf + sizeof buf, v)
                           : precision < 0 ? std::to_chars(buf, buf + sizeof buf, v, fmt)
                                           : std::to_chars(buf, buf + sizeof buf, v, fmt, precision);
  return std::string(buf, r.ptr);
}

std::string Scientific(const DecimalDigits& d) {
  char buf[kMaxNumberText];
  std::string mantissa(d.view());
  // Compared in the standard's scientific form with the trailing zeros it writes dropped.
  std::string text = mantissa.substr(0, 1) + (mantissa.size() > 1 ? "." + mantissa.substr(1) : "");
  char* end = std::to_chars(buf, buf + sizeof buf, d.exponent).ptr;
  return text + "e" + std::string(buf, end);
}

// The standard's scientific text as mantissa without trailing zeros and a bare exponent.
std::string Normalised(std::string text) {
  size_t e = text.find('e');
  std::string mantissa = text.substr(0, e);
  if (mantissa.find('.') != std::string::npos) {
    while (mantissa.back() == '0') mantissa.pop_back();
    if (mantissa.back() == '.') mantissa.pop_back();
  }
  int exponent = std::stoi(text.substr(e + 1));
  return mantissa + "e" + std::to_string(exponent);
}

void ExpectSameText(double v) {
  char buf[kMaxNumberText];
  ASSERT_EQ(std::string(buf, WriteShortest(buf, v)), StdText(v, {}, -1, true)) << "plain " << v;
  ASSERT_EQ(std::string(buf, WriteShortestGeneral(buf, v)), StdText(v, std::chars_format::general))
      << "general " << v;
  double magnitude = std::fabs(v);
  if (!std::isfinite(magnitude) || magnitude == 0.0) return;
  ASSERT_EQ(Scientific(ShortestDigits(magnitude)),
            Normalised(StdText(magnitude, std::chars_format::scientific)))
      << v;
  for (int digits : {15, 1, 17}) {
    ASSERT_EQ(Scientific(RoundedDigits(magnitude, digits)),
              Normalised(StdText(magnitude, std::chars_format::scientific, digits - 1)))
        << v << " to " << digits;
  }
}

void ExpectSameReading(const std::string& text) {
  double ours = 42.0, theirs = 42.0;
  const char* first = text.data();
  const char* last = first + text.size();
  std::from_chars_result a = ReadDouble(first, last, ours);
  std::from_chars_result b = std::from_chars(first, last, theirs);
  ASSERT_EQ(a.ec, b.ec) << text;
  ASSERT_EQ(a.ptr, b.ptr) << text;
  ASSERT_EQ(std::bit_cast<std::uint64_t>(ours), std::bit_cast<std::uint64_t>(theirs)) << text;
}

std::vector<double> EdgeValues() {
  using limits = std::numeric_limits<double>;
  std::vector<double> values = {0.0,
                                -0.0,
                                limits::infinity(),
                                -limits::infinity(),
                                limits::quiet_NaN(),
                                limits::min(),
                                limits::denorm_min(),
                                limits::max(),
                                limits::lowest(),
                                limits::epsilon(),
                                0.1,
                                0.2,
                                0.3,
                                1.0 / 3,
                                2.0 / 3,
                                0.5,
                                1e-4,
                                9.99999e-5,
                                1e5,
                                1e6,
                                99999.5,
                                999999.5,
                                1e15,
                                1e15 + 5,
                                1e15 + 15,
                                1e15 + 25,
                                9007199254740992.0,
                                9007199254740993.0,
                                1152921504606846976.0,
                                1e21,
                                1e22,
                                1e23,
                                5e-324,
                                1e-320,
                                2.2250738585072009e-308,
                                123456789012345680000.0};
  // Powers of ten and their neighbours, and halfway cases of 15 and 17 digits.
  for (int e = -320; e <= 308; ++e) {
    double p = std::pow(10.0, e);
    values.insert(values.end(), {p, std::nextafter(p, 0.0), std::nextafter(p, limits::infinity())});
    values.push_back(1.000000000000005 * p);
    values.push_back(-1.2345 * p);
  }
  return values;
}

TEST(NumberText, WritesAsTheStandardLibraryDoes) {
  for (double v : EdgeValues()) ASSERT_NO_FATAL_FAILURE(ExpectSameText(v));
  std::mt19937_64 random(20260301);
  for (int i = 0; i < 200000; ++i) {
    // Any bit pattern (all exponents), and amounts of money with a few decimals.
    ASSERT_NO_FATAL_FAILURE(ExpectSameText(std::bit_cast<double>(random())));
    double cents = static_cast<double>(random() % 100000000000) / 100.0;
    ASSERT_NO_FATAL_FAILURE(ExpectSameText(cents * (i % 7 == 0 ? 1e-9 : 1.0)));
  }
}

TEST(NumberText, ReadsAsTheStandardLibraryDoes) {
  std::vector<std::string> texts = {"",
                                    "-",
                                    ".",
                                    "-.",
                                    "+1",
                                    " 1",
                                    "1",
                                    "-0",
                                    "0.",
                                    ".5",
                                    "-.5e1",
                                    "1e",
                                    "1e+",
                                    "1e-2x",
                                    "1.5E3",
                                    "1,5",
                                    "inf",
                                    "-INF",
                                    "Infinity",
                                    "nan",
                                    "NaN ",
                                    "nan(1)",
                                    "0x1p3",
                                    "1e400",
                                    "-1e400",
                                    "1e-400",
                                    "2e-324",
                                    "3e-324",
                                    "0e999",
                                    "0.000e-999",
                                    "1.79769313486232E+308",
                                    "4.9406564584124654e-324",
                                    "2.4703282292062327e-324",
                                    "2.4703282292062328e-324",
                                    "123456789012345678901234567890",
                                    "0.1000000000000000055511151231257827021181583404541015625",
                                    "9007199254740993",
                                    "12.5abc",
                                    "e5",
                                    "--1",
                                    "1..2",
                                    "1e+0010"};
  for (const std::string& t : texts) ASSERT_NO_FATAL_FAILURE(ExpectSameReading(t));
  std::mt19937_64 random(7);
  const std::string alphabet = "0123456789.eE-+";
  char buf[kMaxNumberText];
  for (int i = 0; i < 100000; ++i) {
    // Texts that the writers produce read back exactly; random texts of number characters read
    // (or fail) alike.
    double v = std::bit_cast<double>(random());
    ASSERT_NO_FATAL_FAILURE(ExpectSameReading(std::string(buf, WriteShortest(buf, v))));
    std::string t;
    for (size_t n = random() % 12; n > 0; --n) t += alphabet[random() % alphabet.size()];
    ASSERT_NO_FATAL_FAILURE(ExpectSameReading(t));
  }
}

}  // namespace
}  // namespace varnello
