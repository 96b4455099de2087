// The arguments, errors and output shared by the commands of varnello-cli.

#include "cli/options.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>

namespace varnello::cli {

int UsageError(std::string_view message) {
  std::cerr << "varnello-cli: " << message << "\n";
  return kUsageError;
}

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    ssize_t n = ::write(fd, text.data(), text.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    text.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

int IoError(std::string_view what) {
  std::cerr << "varnello-cli: cannot " << what << ": " << std::strerror(errno) << "\n";
  return kIoError;
}

int Emit(std::string_view text, int status) {
  return WriteAll(STDOUT_FILENO, text) ? status : IoError("write the output");
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

std::optional<Chart> ChartOption(Options& options, std::string_view command, int& status) {
  std::string problem;
  std::optional<std::string_view> file = options.value("--chart", problem);
  status = 0;
  if (!problem.empty()) {
    status = UsageError(std::string(command) + ": " + problem);
    return std::nullopt;
  }
  if (!file) return Chart::Standard();
  std::string csv;
  if (!ReadWholeFile(std::string(*file), csv)) {
    status = IoError("read the chart " + std::string(*file));
    return std::nullopt;
  }
  std::string error;
  std::optional<Chart> chart = Chart::WithUserCsv(csv, &error);
  if (!chart) status = UsageError(std::string(command) + ": chart " + std::string(*file) + ": " + error);
  return chart;
}

std::optional<std::uint64_t> WholeNumber(std::string_view n) {
  std::uint64_t value = 0;
  auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), value);
  if (ec != std::errc() || end != n.data() + n.size()) return std::nullopt;
  return value;
}

}  // namespace varnello::cli
