// Amounts in capital Chinese numerals, as written on vouchers and cheques (壹万零伍拾元整).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnello {

// Capital numerals are written from an amount's decimal digits, exactly: with 万/亿 grouping, 零
// for skipped units between figures and for an empty 角 before 分, 整 after 元 or 角 when there is
// no 分, 负 before a negative amount, 零元整 for zero. What they cannot write exactly (a digit
// below the 分, 10^16 元 and beyond) is refused, never rounded.
enum class CapitalRefusal { None, NotANumber, BelowFen, Beyond, Rounded };
struct Capital {
  std::optional<std::string> text;
  CapitalRefusal refusal = CapitalRefusal::None;  // why there is no text
};
// From decimal text: an optional sign, digits with at most one ".", an optional exponent
// (12345678901234.56, -0.5, 1.5e3), and nothing else.
Capital CapitalOfDecimal(std::string_view text);
// From an amount: the shortest decimal text that reads back as it; refused as Beyond when the
// amount prints as 10^16 元 or more (15 significant digits), though a little below it. A figure whose
// shortest text runs below the 分 only through binary rounding noise (0.1 + 0.2 is 0.30000000000000004) is
// written from the 15 significant digits it prints with, when these reach below the 厘 (amounts
// under 10^12 元) and show nothing below the 分.
Capital CapitalOfAmount(double value);
// From a whole number of 分, exactly (amounts kept in 分, such as a voucher's totals, never pass
// through a double): refused at 10^16 元 and beyond.
Capital CapitalOfFen(std::int64_t fen);
// CapitalOfAmount's text, none when refused.
std::optional<std::string> CapitalAmount(double value);
// The capital numerals of an amount as a journal line prints it, from its printed digits; none
// for a line without an amount (NotANumber), or one whose print may have rounded it at the 分 or
// above (15 significant digits, the last at the 分 or above: Rounded).
Capital CapitalOfPrinted(std::optional<double> amount);
// Why capital numerals were refused, in words for the user ("金额有分以下的数字").
std::string_view CapitalRefusalText(CapitalRefusal refusal);

}  // namespace varnello
