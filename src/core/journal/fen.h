// An amount in whole 分, rounded from the digits FormatAmount prints: the one rounding to the 分
// that capital numerals and the marking of answers share.
#pragma once

#include <cstdint>
#include <optional>

namespace varnello {

// The amount in 分, rounded half away from zero from its 15 significant digits as printed, not
// from the double: 2.675 and 1.005 (stored just below) are 268 and 101 分, -0.005 is -1 分,
// -0.004 is 0. Empty for NaN, the infinities and amounts whose printed digits reach 10^16 元.
std::optional<std::int64_t> WholeFen(double value);

}  // namespace varnello
