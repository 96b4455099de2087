// varnello-cli: the journal calculator without a screen. Presses a window's 确定 with given
// field texts, runs batches of presses from JSON lines, describes the windows, finds keywords,
// makes exercise figures and marks students' answers.
//
// Each command lives in a file of its own (cli/commands.h); this file only dispatches.
#include <simdjson.h>

#include <csignal>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "cli/options.h"
#include "core/catalogue/catalogue.h"

namespace varnello::cli {
namespace {

// The commands, in the order of --help.
constexpr const Command* kCommands[] = {
    &kPressCommand, &kAccountsCommand, &kBatchCommand, &kCapitalCommand, &kDescribeCommand,
    &kFindCommand,  &kExerciseCommand, &kMarkCommand,  &kSetCommand,     &kBookCommand,
};

int Main(int argc, char** argv) {
  if (std::vector<std::string> problems = CheckWindowTables(); !problems.empty()) {
    for (const std::string& p : problems) std::cerr << "varnello-cli: window tables: " << p << "\n";
    return 1;
  }
  Args args(argv + 1, argv + argc);
  for (size_t i = 0; i < args.size(); ++i) {
    if (!simdjson::validate_utf8(args[i].data(), args[i].size())) {
      return UsageError("argument " + std::to_string(i + 1) + " is not valid UTF-8");
    }
  }
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    return Emit(HelpText(kCommands), args.empty() ? kUsageError : 0);
  }
  if (args[0] == "--version") return Emit("varnello-cli " VARNELLO_VERSION "\n", 0);
  Args rest(args.begin() + 1, args.end());
  for (std::string_view a : rest) {
    if (a == "--help" || a == "-h") return Emit(HelpText(kCommands), 0);
  }
  for (const Command* c : kCommands) {
    if (c->name == args[0]) return c->run(rest);
  }
  return UsageError("unknown command " + std::string(args[0]) + " (see --help)");
}

}  // namespace
}  // namespace varnello::cli

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  // A reader that goes away (| head -1) is a failed write, exit status 4 with a message, not a
  // silent death by the signal.
  std::signal(SIGPIPE, SIG_IGN);
  return varnello::cli::Main(argc, argv);
}
