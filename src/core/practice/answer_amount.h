// The amounts of a student's answer as written, read to the 分, and the key's computed amounts in
// 分, so that the marking compares the two alike.
#pragma once

#include <optional>
#include <string_view>

namespace varnello {

// An amount as a student writes it, in 分: blanks, grouping commas, "¥"/"￥" in front and "元" at the
// end ignored, full-width digits read; "万" or "万元" at the end multiplies by 10000. `unit` is the
// 元 one written unit stands for (10000 for answers in 万元). Nothing when the text holds no
// number or one beyond the range of a double.
std::optional<double> ReadCents(std::string_view text, double unit = 1);
// A computed amount in 分 as WholeFen rounds it, held as a double; one beyond WholeFen's reach as
// printed, times 100 (a NaN stays NaN).
double Cents(double amount);

}  // namespace varnello
