// Turning the text of an input field into an amount.
#pragma once

#include <string>
#include <string_view>

namespace varnello {

// Reads a field's text as an amount: blanks anywhere are ignored, then an optional sign, digits
// with at most one ".", an optional exponent; reading stops at the first character that cannot
// continue the number. Besides, as people write amounts: commas grouping the whole part in
// threes ("1,000", "12,345.5"; "1,00" stops at its comma), one currency sign "¥" before the
// number or its sign, and a "%" right after the number, which divides it by 100. "&H"/"&O"
// introduce hexadecimal/octal integers. Text without a leading number reads as 0. Full-width
// forms (as typed by a Chinese input method) read like ASCII.
// A number beyond the range of a double throws Fault{FaultKind::Overflow}.
double ReadAmount(std::string_view text);

// A reading with what it left out.
struct AmountReading {
  double value = 0;
  // Every character of the text, blanks aside, took part in the number (an empty text too).
  bool whole = true;
  // The text from the first character that was not read, without blanks at its ends; empty
  // when the reading is whole.
  std::string rest;
};
// ReadAmount, telling also whether the text was read whole. Throws as ReadAmount does.
AmountReading ReadAmountFully(std::string_view text);

// What a reading that was not whole reads as, for a warning beside the field:
// 读作 1：“,00”未读入 (the value as FormatAmount prints it, without its sign slot and trailing
// space).
std::string ReadingNote(const AmountReading& reading);

}  // namespace varnello
