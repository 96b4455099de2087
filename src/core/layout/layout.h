// Where every control of a window stands, in twips from the top-left corner of the client
// area. Computed from the window descriptions so that the GUI only places what it is told and
// tests can check the geometry without a screen.
#pragma once

#include <string_view>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"

namespace varnello {

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  int right() const { return x + w; }
  int bottom() const { return y + h; }
  bool operator==(const Rect&) const = default;
  bool intersects(const Rect& o) const {
    return x < o.right() && o.x < right() && y < o.bottom() && o.y < bottom();
  }
};

enum class ControlKind { Caption, Section, Field, Button };

// Which free part of a topic window's client area shows the printed lines: the strip to the left
// of the controls, the whole height down; or the band below them, the whole width across.
enum class OutputShape { Left, Below };

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
  // The free area where printed lines are shown, at the designed size (empty for category
  // windows), and which side of the controls it takes.
  Rect output;
  OutputShape shape = OutputShape::Left;
  std::vector<Control> controls;
  // Indices into controls: the fields and buttons in the order Tab walks them.
  std::vector<size_t> tabOrder;
};

// Where the printed lines and the controls stand in a client area of the given size (twips).
// The output takes every bit of room the controls leave free on its side, so an enlarged window
// gives all its extra room to the output: beside a Left output the controls keep to the right
// edge (`shift` is how far right of their designed place they stand); they never move further
// left than designed.
struct Placement {
  Rect output;
  int shift = 0;
};
Placement PlaceInClientArea(const WindowLayout& layout, int width, int height);

// Width of a text in the 9-point window font, estimated in twips (CJK characters are one em).
int TextWidth(std::string_view text, bool bold = false);

// The main window Form1: banner, keyword field and its three buttons, below its menu bar.
WindowLayout LayoutMain();
WindowLayout LayoutTopic(const TopicDesc& desc);
WindowLayout LayoutCategory(const CategoryDesc& desc);

}  // namespace varnello
