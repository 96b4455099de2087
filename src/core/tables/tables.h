// The application's constant tables: keywords, menu bar, category windows, window kinds.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace varnello {

struct KeywordRow {
  std::string_view keyword;
  std::string_view window;
};

struct MenuEntry {
  std::string_view name;  // control name, e.g. "支出"
  std::string_view caption;
  std::string_view opens;
};

struct CategoryButton {
  std::string_view name;  // "CommandN"
  std::string_view caption;
  std::string_view opens;
  int column;  // 1.. left to right; 0 for 退出, centred below the columns
};

struct CategoryLabel {
  std::string_view name;  // "LabelN"
  std::string_view text;
  int column;  // heading of this column (0: none)
  int beside;  // index of the button it describes (-1: none)
};

struct CategoryDesc {
  std::string_view name;
  std::vector<CategoryButton> buttons;  // display order, 退出 last
  std::vector<CategoryLabel> labels;
};

enum class WindowKind { Main, Topic, Category };

// 169 (keyword, window) pairs in table order.
const std::vector<KeywordRow>& Keywords();
// 13 menu entries in menu-bar order.
const std::vector<MenuEntry>& Menu();
// 13 category windows in window-number order.
const std::vector<CategoryDesc>& Categories();
const CategoryDesc* FindCategory(std::string_view name);

// Keyword dispatch: every row is compared exactly with the text (no trimming or folding);
// returns the window of the matching row.
std::optional<std::string_view> DispatchKeyword(std::string_view text);

// Every window name "Form1".."Form125" in order, and the kind of each.
const std::vector<std::string_view>& AllWindowNames();
WindowKind KindOf(std::string_view window);

}  // namespace varnello
