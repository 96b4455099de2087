// Presses a topic window's 确定 with given field texts, as the command line and the GUI do.
#pragma once

#include <map>
#include <optional>
#include <string>

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

}  // namespace varnello::testing
