// Presses a topic window's 确定 with given field texts, as the command line and the GUI do.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "journal/journal.h"
#include "topic/topic.h"

namespace varnello::testing {

struct Pressed {
  std::vector<std::string> lines;
  std::optional<FaultKind> fault;
};

// Field texts by field number, e.g. {{1, "1000"}, {2, "0.25"}}.
inline Pressed PressWindow(std::string_view window, const std::map<int, std::string>& texts) {
  const TopicDesc* desc = FindTopic(window);
  if (desc == nullptr) return {{"<no window " + std::string(window) + ">"}, std::nullopt};
  OutputBuffer out;
  FieldSource source = [&texts](int n) {
    auto it = texts.find(n);
    return it == texts.end() ? std::string() : it->second;
  };
  Pressed r;
  r.fault = RunPress(*desc, source, out);
  r.lines = out.lines();
  return r;
}

// The line that starts with `caption` (first match), or "" when none.
inline std::string LineOf(const Pressed& p, const std::string& caption) {
  for (const std::string& line : p.lines) {
    if (line.rfind(caption, 0) == 0) return line;
  }
  return "";
}

}  // namespace varnello::testing
