// Turning the text of an input field into an amount.
#pragma once

#include <string_view>

namespace varnello {

// Reads a field's text as an amount: blanks anywhere are ignored, then an optional sign, digits
// with at most one ".", an optional exponent; reading stops at the first character that cannot
// continue the number. "&H"/"&O" introduce hexadecimal/octal integers. Text without a leading
// number reads as 0. Full-width forms (as typed by a Chinese input method) read like ASCII.
// A number beyond the range of a double throws Fault{FaultKind::Overflow}.
double ReadAmount(std::string_view text);

}  // namespace varnello
