// The catalogue of windows: every window of the program (the main window, the topic windows with
// the subject folder of each, the category windows), the keywords and the menu bar, in constant
// tables. Everything that shows, lists or looks up a window takes it from here.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/window_id.h"

namespace varnello {

struct TopicDesc;

struct KeywordRow {
  std::string_view keyword;
  WindowId window;
};

struct MenuEntry {
  std::string_view name;  // control name, e.g. "支出"
  std::string_view caption;
  WindowId opens;
};

struct CategoryButton {
  std::string_view name;  // "CommandN"
  std::string_view caption;
  WindowId opens;
  int column;  // 1.. left to right; 0 for 退出, centred below the columns
};

struct CategoryLabel {
  std::string_view name;  // "LabelN"
  std::string_view text;
  int column;  // heading of this column (0: none)
  int beside;  // index of the button it describes (-1: none)
};

struct CategoryDesc {
  WindowId id;
  std::span<const CategoryButton> buttons;  // display order, 退出 last
  std::span<const CategoryLabel> labels;
};

enum class WindowKind { Main, Topic, Category };

// A topic window and the folder under src/core/topics/ that holds its file ("financial").
struct TopicRow {
  const TopicDesc* desc;
  std::string_view subject;
};

// One window of the catalogue: its kind and its description.
struct WindowEntry {
  WindowId id;
  WindowKind kind = WindowKind::Topic;
  const TopicDesc* topic = nullptr;        // a topic window's description
  const CategoryDesc* category = nullptr;  // a category window's
  std::string_view subject;                // a topic window's folder under src/core/topics/
};

// Every window Form1..Form125 in window-number order.
std::span<const WindowEntry> Windows();
// The catalogue's entry of a window; nullptr for no window.
const WindowEntry* FindWindow(WindowId id);
WindowKind KindOf(WindowId window);

// The 111 topic windows in window-number order, with their subject folders
// (src/core/catalogue/topic_windows.cpp); the same descriptions alone.
std::span<const TopicRow> TopicRows();
std::span<const TopicDesc* const> AllTopics();
const TopicDesc* FindTopic(WindowId id);

// 169 (keyword, window) pairs in table order.
std::span<const KeywordRow> Keywords();
// 13 menu entries in menu-bar order.
std::span<const MenuEntry> Menu();
// 13 category windows in window-number order.
std::span<const CategoryDesc> Categories();
const CategoryDesc* FindCategory(WindowId id);

// Keyword dispatch: every row is compared exactly with the text (no trimming or folding);
// returns the window of the matching row.
std::optional<WindowId> DispatchKeyword(std::string_view text);

// All the tables that name windows.
struct WindowTables {
  std::span<const TopicDesc* const> topics;
  std::span<const CategoryDesc> categories;
  std::span<const KeywordRow> keywords;
  std::span<const MenuEntry> menu;
  // The program's own tables.
  static WindowTables Program();
};

// The consistency of window tables: every window has exactly one descriptor of its kind, every
// target of a keyword, menu entry, button, caption or 退出 is a window, and every name is unique
// where it must be. Returns one text per problem; empty when all is sound. Both programs check
// their own tables at start-up, and so do the tests.
std::vector<std::string> CheckWindowTables(const WindowTables& tables = WindowTables::Program());

}  // namespace varnello
