#include "core/practice/answer_amount.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/engine/fault.h"
#include "core/engine/read_amount.h"
#include "core/journal/fen.h"
#include "core/journal/journal.h"
#include "core/journal/number_text.h"
#include "core/practice/text_edits.h"

namespace varnello {

namespace {

// Full-width digits and signs as students type them with a Chinese input method.
std::string HalfWidth(std::string_view text) {
  std::string out(text);
  static constexpr std::string_view kDigits[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
  for (size_t d = 0; d < 10; ++d) ReplaceAll(out, kDigits[d], std::string(1, static_cast<char>('0' + d)));
  ReplaceAll(out, "．", ".");
  ReplaceAll(out, "－", "-");
  ReplaceAll(out, "＋", "+");
  ReplaceAll(out, "Ｅ", "E");
  ReplaceAll(out, "ｅ", "e");
  return out;
}

}  // namespace

double Cents(double amount) {
  if (std::optional<std::int64_t> fen = WholeFen(amount)) return static_cast<double>(*fen);
  // Beyond 10^16 元 the amount as printed, scaled like the rest so that none meets an amount in
  // range; NaN meets nothing, not even itself.
  std::string shown = PlainAmount(std::fabs(amount));
  double printed = amount;
  ReadDouble(shown.data(), shown.data() + shown.size(), printed);
  return std::copysign(printed, amount) * 100;
}

std::optional<double> ReadCents(std::string_view text, double unit) {
  std::string folded = HalfWidth(text);
  for (std::string_view drop : {" ", "\t", "\r", "\n", "\u3000", ",", "，", "¥", "￥"})
    ReplaceAll(folded, drop, "");
  StripEnd(folded, "元");
  if (StripEnd(folded, "万")) unit *= 10000;
  if (folded.find_first_of("0123456789") == std::string::npos) return std::nullopt;
  try {
    double amount = ReadAmount(folded);
    return Cents(unit == 1 ? amount : amount * unit);
  } catch (const Fault&) {
    return std::nullopt;  // beyond the range of a double: no key amount is that large
  }
}

}  // namespace varnello
