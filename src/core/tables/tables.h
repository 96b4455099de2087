// The application's constant tables: keywords, menu bar, category windows, window kinds.
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

// Every window Form1..Form125 in order, and the kind of each.
std::span<const WindowId> AllWindows();
WindowKind KindOf(WindowId window);

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
