// Where every control of a window stands, in twips from the top-left corner of the client
// area. Computed from the window descriptions so that the GUI only places what it is told and
// tests can check the geometry without a screen.
#pragma once

#include <string_view>
#include <vector>

#include "core/engine/topic.h"
#include "core/tables/tables.h"

namespace varnello {

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  int right() const { return x + w; }
  int bottom() const { return y + h; }
  bool intersects(const Rect& o) const {
    return x < o.right() && o.x < right() && y < o.bottom() && o.y < bottom();
  }
};

enum class ControlKind { Caption, Section, Field, Button };

// What pressing a button does: 确定 computes and prints (on the main window: opens the keyword's
// window), 取消 clears the printed lines, a navigating button hides its window and shows `opens`,
// and the main window's 退出 ends the program.
enum class ButtonRole { None, Compute, Clear, Navigate, Quit };

struct Control {
  ControlKind kind;
  std::string_view name;  // "Command1"; "LabelN" on category windows; empty otherwise
  std::string_view caption;
  Rect rect;
  int field = 0;        // N of TextN for fields, and for the caption of a field
  WindowId opens = {};  // navigating buttons and linked captions: the window shown
  bool wrap = false;    // a descriptive text that wraps within its rectangle
  ButtonRole role = ButtonRole::None;
};

struct WindowLayout {
  int width = 0, height = 0;  // client area
  // The smallest client area at which every control is still whole in view.
  int minWidth = 0, minHeight = 0;
  Rect output;  // the free area at the left where printed lines start (empty for category windows)
  std::vector<Control> controls;
  // Indices into controls: the fields and buttons in the order Tab walks them.
  std::vector<size_t> tabOrder;
};

// Width of a text in the 9-point window font, estimated in twips (CJK characters are one em).
int TextWidth(std::string_view text, bool bold = false);

// The main window Form1: banner, keyword field and its three buttons, below its menu bar.
WindowLayout LayoutMain();
WindowLayout LayoutTopic(const TopicDesc& desc);
WindowLayout LayoutCategory(const CategoryDesc& desc);

}  // namespace varnello
