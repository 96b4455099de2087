// varnello-cli capital: amounts in capital numerals.

#include <string>
#include <string_view>

#include "cli/commands.h"
#include "cli/options.h"
#include "core/entries/capital.h"

namespace varnello::cli {

namespace {

int CapitalNumerals(const Args& args) {
  if (args.empty()) return UsageError("capital: give one or more amounts (see --help)");
  std::string out;
  for (std::string_view a : args) {
    // From the digits as given: a double would lose the 分 of amounts of 16 significant digits.
    Capital capital = CapitalOfDecimal(a);
    switch (capital.refusal) {
      case CapitalRefusal::None:
        break;
      case CapitalRefusal::Beyond:
        return UsageError("capital: " + std::string(a) + " is beyond 亿亿 (10^16) 元");
      case CapitalRefusal::BelowFen:
        return UsageError("capital: " + std::string(a) +
                          " has a digit below 分 (0.01 元): capital numerals cannot write it exactly");
      default:
        return UsageError("capital: not an amount: " + std::string(a));
    }
    out += *capital.text;
    out += '\n';
  }
  return Emit(out, 0);
}

}  // namespace

extern const Command kCapitalCommand = {
    "capital", CapitalNumerals,
    "  varnello-cli capital AMOUNT...\n"
    "      Each amount in capital numerals, as on a voucher: capital 10050 prints 壹万零伍拾元整.\n"
    "      Written from the digits as given, exactly: a digit below 分 or an amount of 10^16 元\n"
    "      or more is refused (exit status 2), never rounded.\n"};

}  // namespace varnello::cli
