// What the commands of varnello-cli share: their arguments and options, exit statuses,
// errors and output, the files they read and the account chart of --chart.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/accounts/chart.h"

namespace varnello::cli {

using Args = std::vector<std::string_view>;

constexpr int kUsageError = 2;
constexpr int kFaultExit = 3;
constexpr int kIoError = 4;

// Tells of a misuse on stderr; returns kUsageError.
int UsageError(std::string_view message);

// A command's arguments: options are taken out by name; what remains must be plain words.
class Options {
 public:
  explicit Options(const Args& args) : words_(args) {}

  // Whether the flag was given (taken out of the words).
  bool flag(std::string_view name) {
    bool found = false;
    for (auto it = words_.begin(); it != words_.end();) {
      if (*it == name) {
        found = true;
        it = words_.erase(it);
      } else {
        ++it;
      }
    }
    return found;
  }

  // The value of an option given as "NAME VALUE" or "NAME=VALUE" (taken out of the words);
  // nothing when not given. `problem` tells of NAME ending the words or given twice.
  std::optional<std::string_view> value(std::string_view name, std::string& problem) {
    std::optional<std::string_view> found;
    problem.clear();
    for (auto it = words_.begin(); it != words_.end();) {
      std::optional<std::string_view> given;
      if (*it == name) {
        it = words_.erase(it);
        if (it == words_.end()) {
          problem = std::string(name) + " needs a value";
          break;
        }
        given = *it;
        it = words_.erase(it);
      } else if (it->size() > name.size() && it->starts_with(name) && (*it)[name.size()] == '=') {
        given = it->substr(name.size() + 1);
        it = words_.erase(it);
      } else {
        ++it;
        continue;
      }
      if (found) problem = std::string(name) + " given twice";
      found = given;
    }
    return found;
  }

  // The remaining words; an option not taken out is refused (with a message on stderr).
  bool wordsOnly(std::string_view command) const {
    for (std::string_view w : words_) {
      if (w.substr(0, 1) == "-") {
        UsageError(std::string(command) + ": unknown option " + std::string(w) + " (see --help)");
        return false;
      }
    }
    return true;
  }
  const Args& words() const { return words_; }

 private:
  Args words_;
};

// Writes all of `text` to a file descriptor; false (errno set) when it cannot.
bool WriteAll(int fd, std::string_view text);

int IoError(std::string_view what);

// Writes a command's standard output; a failed write is exit status kIoError.
int Emit(std::string_view text, int status);

// Reads a whole file; false (errno set) when it cannot.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// The chart given by --chart FILE over the standard one; or the exit status of the failure.
std::optional<Chart> ChartOption(Options& options, std::string_view command, int& status);

// A whole number given to an option: --seed N, --entry K.
std::optional<std::uint64_t> WholeNumber(std::string_view n);

}  // namespace varnello::cli
