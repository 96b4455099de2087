// JSON text as the program writes it: strings escaped as common JSON writers escape them, and
// numbers in their shortest round-trip form. Answers, set files and listings are all appended
// through these, so every JSON line the program writes spells strings and numbers one way.
#pragma once

#include <string>
#include <string_view>

namespace varnello {

// Appends text as a JSON string: quotes, backslashes and control characters escaped,
// everything else (UTF-8 included) as it is.
void AppendJsonString(std::string& out, std::string_view text);
// A whole amount as a JSON integer (9550), any other in its shortest round-trip form; null for
// an amount that is not finite, which JSON cannot write (a sum past the largest double).
void AppendJsonAmount(std::string& out, double amount);
// A number as a real: the shortest digits that read back the same, with ".0" after a whole
// number so that it reads as a real (1.0, 0.5); null when it is not finite.
void AppendJsonReal(std::string& out, double value);
// The text with each byte that begins no valid UTF-8 sequence replaced by U+FFFD: text from
// outside (a command-line argument, a user's file) is echoed in JSON, which must be UTF-8.
std::string ValidUtf8(std::string_view text);

}  // namespace varnello
