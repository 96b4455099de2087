// Presses a topic window's 确定 with given field texts, as the command line and the GUI do.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/engine/topic.h"
#include "core/journal/journal.h"

namespace varnello::testing {

using Pressed = PressOutcome;

// Field texts by field number, e.g. {{1, "1000"}, {2, "0.25"}}.
inline Pressed PressWindow(std::string_view window, const std::map<int, std::string>& texts) {
  std::optional<WindowId> id = WindowId::Parse(window);
  const TopicDesc* desc = id ? FindTopic(*id) : nullptr;
  if (desc == nullptr) return {{"<no window " + std::string(window) + ">"}, std::nullopt};
  return PressFresh(*desc, texts);
}

// The line that starts with `caption` (first match), or "" when none.
inline std::string LineOf(const Pressed& p, const std::string& caption) {
  for (const std::string& line : p.lines) {
    if (line.rfind(caption, 0) == 0) return line;
  }
  return "";
}

using Lines = std::vector<std::string>;

inline Lines Join(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// One press: its exact lines, or with `count` set only the number of lines and the last one.
struct PressCase {
  const char* window;
  std::map<int, std::string> in;
  Lines lines;
  std::optional<FaultKind> fault = std::nullopt;
  size_t count = 0;
};

inline void CheckPresses(const std::vector<PressCase>& cases) {
  for (const PressCase& c : cases) {
    auto r = PressWindow(c.window, c.in);
    SCOPED_TRACE(std::string(c.window) + " case " + std::to_string(&c - cases.data()));
    EXPECT_EQ(r.fault, c.fault);
    if (c.count == 0) {
      EXPECT_EQ(r.lines, c.lines);
    } else {
      ASSERT_EQ(r.lines.size(), c.count);
      EXPECT_EQ(r.lines.back(), c.lines.back());
    }
  }
}

}  // namespace varnello::testing
