// The commands of varnello-cli. Each is one function taking its arguments and returning the exit
// status, with its paragraph of --help, defined in a file of its own (press_command.cpp, …);
// main.cpp lists them in the order of --help. A new command is its file, its line below and
// its line in that list.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "cli/options.h"

namespace varnello::cli {

struct Command {
  std::string_view name;
  int (*run)(const Args& args);
  std::string_view help;  // its paragraph of --help
  // The commands it is made of (set make, set mark, …): their paragraphs follow its own.
  std::span<const Command> parts = {};
};

extern const Command kPressCommand;
extern const Command kAccountsCommand;
extern const Command kBatchCommand;
extern const Command kCapitalCommand;
extern const Command kDescribeCommand;
extern const Command kFindCommand;
extern const Command kExerciseCommand;
extern const Command kMarkCommand;
extern const Command kSetCommand;
extern const Command kBookCommand;

// The whole of --help: the paragraphs of the commands and their parts, in order, then what
// holds for every command and a few examples.
std::string HelpText(std::span<const Command* const> commands);

}  // namespace varnello::cli
