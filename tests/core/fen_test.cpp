#include "core/journal/fen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace varnello {
namespace {

TEST(WholeFen, RoundsThePrintedDigits) {
  struct Case {
    double value;
    std::optional<std::int64_t> fen;
  };
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {0.125, 13},  // halfway cases round away from zero, from the printed digits
      {1.005, 101},
      {2.675, 268},
      {12.345, 1235},
      {0.0049, 0},
      {-2.675, -268},
      {-0.005, -1},
      {-0.004, 0},
      {1e-300, 0},
      {99999.995, 10000000},
      {1234567890123.45, 123456789012345},
      {999999999999999.9, 100000000000000000},  // printed 1E+15
      {9999999999999990.0, 999999999999999000},
      {9999999999999998.0, std::nullopt},  // printed 1E+16
      {-1e16, std::nullopt},
      {1e300, std::nullopt},
      {kInf, std::nullopt},
      {-kInf, std::nullopt},
      {std::nan(""), std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(WholeFen(c.value), c.fen) << c.value;
}

}  // namespace
}  // namespace varnello
