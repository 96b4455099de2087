// Amounts in capital Chinese numerals, as written on vouchers and cheques (壹万零伍拾元整).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnello {

// The amount rounded half up to 分 from its printed digits (so 12.345, printed "12.345", is
// 壹拾贰元叁角伍分), written with 万/亿 grouping: 零 for skipped units between figures and for an
// empty 角 before 分, 整 after 元 or 角 when there is no 分, 负 before a negative amount, 零元整 for
// zero. None when the amount is not finite or reaches 10^16 元.
std::optional<std::string> CapitalAmount(double value);
// The capital numerals of the amount a printed line shows; none for a line without an amount.
std::optional<std::string> CapitalOfLine(std::string_view line);

}  // namespace varnello
