// Presses a topic window's 确定 with given field texts, as the command line and the GUI do.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "core/entries/entries.h"
#include "core/journal/journal.h"

namespace varnello::testing {

// What one press printed and how it ended.
struct Pressed {
  std::optional<FaultKind> fault;
  TextLines lines;
};

// Field texts by field number, e.g. {{1, "1000"}, {2, "0.25"}}.
inline Pressed PressWindow(std::string_view window, const std::map<int, std::string>& texts) {
  std::optional<WindowId> id = WindowId::Parse(window);
  const TopicDesc* desc = id ? FindTopic(*id) : nullptr;
  if (desc == nullptr) {
    Pressed missing;
    std::string text = "<no window " + std::string(window) + ">";
    missing.lines = {text};
    return missing;
  }
  EntryRecord record = PressOnce(*desc, FieldTexts(texts));
  return {record.fault(), record.lines()};
}

// The line that starts with `caption` (first match), or "" when none.
inline std::string LineOf(const Pressed& p, const std::string& caption) {
  for (std::string_view line : p.lines) {
    if (line.starts_with(caption)) return std::string(line);
  }
  return "";
}

using Lines = std::vector<std::string>;
using Inputs = std::map<int, std::string>;

// Printed lines written as one text, separated by "|" ("" between two bars is a blank line).
inline Lines Split(const std::string& text) {
  Lines lines;
  std::stringstream in(text);
  for (std::string line; std::getline(in, line, '|');) lines.push_back(line);
  return lines;
}

// The inputs with some fields added or replaced.
inline Inputs With(Inputs in, const Inputs& more) {
  for (const auto& [n, text] : more) in[n] = text;
  return in;
}

// One press that ends without a fault and prints exactly `lines`.
inline void ExpectLines(std::string_view window, const Inputs& in, const Lines& lines,
                        std::string_view what = {}) {
  SCOPED_TRACE(std::string(window) + ": " + std::string(what));
  Pressed r = PressWindow(window, in);
  EXPECT_EQ(r.fault, std::nullopt);
  EXPECT_EQ(r.lines, lines);
}

// One press that ends with `fault` and leaves `kept` lines printed, the last of them `last` when
// given ("" for a blank line or none).
inline void ExpectFault(std::string_view window, const Inputs& in, size_t kept,
                        std::optional<std::string> last = std::nullopt, std::string_view what = {},
                        FaultKind fault = FaultKind::Overflow) {
  SCOPED_TRACE(std::string(window) + ": " + std::string(what));
  Pressed r = PressWindow(window, in);
  EXPECT_EQ(r.fault, fault);
  ASSERT_EQ(r.lines.size(), kept);
  if (last) {
    EXPECT_EQ(r.lines.empty() ? "" : r.lines.back(), *last);
  }
}

inline Lines Join(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// One press: its exact lines, or with `count` set only the number of lines, the last one when
// `lines` is given, and the lines at the indexes of `at`.
struct PressCase {
  const char* window;
  Inputs in;
  Lines lines;
  std::optional<FaultKind> fault = std::nullopt;
  size_t count = 0;
  const char* what = "";
  std::vector<std::pair<size_t, std::string>> at = {};
};

inline void CheckPresses(const std::vector<PressCase>& cases) {
  for (const PressCase& c : cases) {
    auto r = PressWindow(c.window, c.in);
    SCOPED_TRACE(std::string(c.window) + " case " + std::to_string(&c - cases.data()) + " " + c.what);
    EXPECT_EQ(r.fault, c.fault);
    if (c.count == 0) {
      EXPECT_EQ(r.lines, c.lines);
    } else {
      ASSERT_EQ(r.lines.size(), c.count);
      if (!c.lines.empty()) {
        EXPECT_EQ(r.lines.back(), c.lines.back());
      }
      for (const auto& [index, line] : c.at) EXPECT_EQ(r.lines[index], line) << "line " << index;
    }
  }
}

}  // namespace varnello::testing
