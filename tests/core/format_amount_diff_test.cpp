// FormatAmount against printf's correctly rounded digits over millions of doubles: random bit
// patterns (every exponent, subnormals), whole numbers, cents, exact and near halfway cases of
// the 15-digit rounding, and the edges of the two notations.
#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>

#include "core/journal/journal.h"
#include "support/printf_amount.h"

namespace varnello {
namespace {

using testing::FormatAmountByPrintf;

// Count of random values per kind; VARNELLO_DIFF_COUNT raises it for a longer run.
long Count() {
  const char* env = std::getenv("VARNELLO_DIFF_COUNT");
  return env != nullptr ? std::atol(env) : 200000;
}

TEST(FormatAmountDiff, SameTextAsPrintfDigits) {
  std::mt19937_64 rng(20261207);
  std::uniform_int_distribution<int> digit(0, 9);
  long failures = 0;
  auto check = [&failures](double v) {
    if (!std::isfinite(v) || failures > 10) return;
    std::string got = FormatAmount(v), want = FormatAmountByPrintf(v);
    if (got != want) {
      ++failures;
      ADD_FAILURE() << std::hexfloat << v << ": \"" << got << "\" instead of \"" << want << "\"";
    }
  };
  for (double v : {0.0, -0.0, DBL_MIN, -DBL_MIN, DBL_MAX, -DBL_MAX, DBL_TRUE_MIN, 1e15, 1e15 - 0.125, 1e-4,
                   9.99999999999999e-5, 0.000099999999999999995, std::nextafter(1e-4, 0.0), 999999999999999.4,
                   999999999999999.5}) {
    check(v);
  }
  for (long i = 0; i < Count(); ++i) {
    uint64_t bits = rng();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    check(v);                                                                   // any bit pattern
    check(static_cast<double>(static_cast<int64_t>(rng() >> (rng() % 64))));    // whole numbers
    check(static_cast<double>(static_cast<int64_t>(rng() % 100000000)) / 100);  // cents
    // Any 53-bit fraction from about 2^-67 to 2^49: the range of ordinary amounts, both sides of 1E-4.
    check(std::ldexp(static_cast<double>(rng() >> 11), static_cast<int>(rng() % 64) - 67));
    // Sixteen significant digits ending in 5: the nearest double to a halfway point of the
    // 15-digit rounding, exactly halfway when it is representable (below 2^53 as a whole number,
    // or with a fraction of .5 or .25).
    std::string text = std::to_string(1 + digit(rng));
    for (int k = 0; k < 14; ++k) text += static_cast<char>('0' + digit(rng));
    text += '5';
    int exponent = static_cast<int>(rng() % 640) - 320;
    check(std::strtod((text + "e" + std::to_string(exponent)).c_str(), nullptr));
    check(std::strtod(text.c_str(), nullptr) / 10);
    check(std::strtod(text.c_str(), nullptr) / 4);
    // Near the edges of the notations and of each decade.
    check(std::nextafter(std::pow(10.0, exponent % 20), (rng() & 1) != 0 ? 0.0 : DBL_MAX));
  }
  EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace varnello
