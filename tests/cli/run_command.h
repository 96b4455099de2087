// Running a shell command line from a test: its standard output and exit status.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

struct CliRun {
  std::string out;
  int status;
};

inline CliRun RunCommand(const std::string& command) {
  FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
  int status = pclose(pipe);
  return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}
