#include "core/layout/layout.h"

#include <algorithm>

namespace varnello {

namespace {

constexpr int kMargin = 360;
constexpr int kRowPitch = 840;  // rows of captions and fields
constexpr int kFieldWidth = 1455;
constexpr int kFieldHeight = 330;
constexpr int kCaptionHeight = 270;
constexpr int kGap = 120;  // between a caption and its field
constexpr int kColumnGap = 480;
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 450;
constexpr int kMinOutputWidth = 5400;  // free area at the left for printed lines
constexpr int kMinRowPitch = 720;      // rows close up to this pitch to fit a window's given height
constexpr int kMinHeight = 7200;       // windows sized to their controls keep room for output
constexpr int kNoteWidth = 4200;       // a descriptive text wraps at this width
constexpr int kNoteHeight = 780;       // up to three wrapped lines within one row

constexpr int kMinMargin = 120;  // controls stay this far inside a window shrunk to its minimum

// The minimum client area: every control whole, with a small margin.
void SetMinimumSize(WindowLayout& layout) {
  for (const Control& c : layout.controls) {
    layout.minWidth = std::max(layout.minWidth, c.rect.right() + kMinMargin);
    layout.minHeight = std::max(layout.minHeight, c.rect.bottom() + kMinMargin);
  }
}

size_t IndexOf(const WindowLayout& layout, ControlKind kind, std::string_view name, int field = 0) {
  for (size_t i = 0; i < layout.controls.size(); ++i) {
    const Control& c = layout.controls[i];
    if (c.kind == kind && (kind == ControlKind::Field ? c.field == field : c.name == name)) return i;
  }
  return layout.controls.size();
}

struct ColumnGeometry {
  int captionWidth = 0;
  int width = 0;
  int rows = 0;
};

ColumnGeometry MeasureColumn(Column column) {
  ColumnGeometry g;
  int row = 0;
  for (const Item& item : column) {
    if (item.row >= 0) row = item.row;
    if (item.field != 0) g.captionWidth = std::max(g.captionWidth, TextWidth(item.caption));
    ++row;
  }
  g.rows = row;
  g.width = g.captionWidth + kGap + kFieldWidth;
  for (const Item& item : column) {
    if (item.note) {
      g.width = std::max(g.width, std::min(TextWidth(item.caption), kNoteWidth));
    } else if (item.field == 0) {
      g.width = std::max(g.width, TextWidth(item.caption, true));
    }
  }
  return g;
}

}  // namespace

int TextWidth(std::string_view text, bool bold) {
  int width = 0;
  for (unsigned char c : text) {
    if (c < 0x80)
      width += 100;  // ASCII: about half an em
    else if ((c & 0xC0) != 0x80)
      width += 180;  // a lead byte: one CJK character, one em
  }
  return width + (bold ? width / 10 : 0) + 60;
}

WindowLayout LayoutMain() {
  WindowLayout out;
  out.width = 11070;
  out.height = 8730;
  out.controls = {
      Control{ControlKind::Section, "Label1", "Varnello", Rect{7200, 1560, 2175, 375}},
      Control{ControlKind::Field, "Text1", {}, Rect{6360, 2280, 3615, 495}, 1},
      Control{.kind = ControlKind::Button,
              .name = "Command1",
              .caption = "确定",
              .rect = Rect{6000, 3360, 1935, 495},
              .role = ButtonRole::Compute},
      Control{.kind = ControlKind::Button,
              .name = "Command3",
              .caption = "取消",
              .rect = Rect{8520, 3360, 1935, 495},
              .role = ButtonRole::Clear},
      Control{.kind = ControlKind::Button,
              .name = "Command2",
              .caption = "退出",
              .rect = Rect{7080, 4440, 1935, 495},
              .role = ButtonRole::Quit},
  };
  out.tabOrder = {1, 3, 4, 2};  // Text1, 取消, 退出, 确定
  SetMinimumSize(out);
  return out;
}

WindowLayout LayoutTopic(const TopicDesc& desc) {
  WindowLayout out;
  std::vector<ColumnGeometry> geometry;
  int blockWidth = 0, rows = 0;
  for (const auto& column : desc.columns) {
    geometry.push_back(MeasureColumn(column));
    blockWidth += geometry.back().width;
    rows = std::max(rows, geometry.back().rows);
  }
  blockWidth += kColumnGap * static_cast<int>(desc.columns.size() > 0 ? desc.columns.size() - 1 : 0);
  int buttonsWidth = kButtonWidth * 2 + kGap * 2;
  blockWidth = std::max(blockWidth, buttonsWidth);

  int below = 120 + kButtonHeight + 300 + kButtonHeight + kMargin;
  if (!desc.extraButtons.empty()) below += 300 + kButtonHeight;
  int pitch = kRowPitch;
  if (desc.height > 0 && rows > 0) {
    pitch = std::clamp((desc.height - kMargin - below) / rows, kMinRowPitch, kRowPitch);
  }
  int fieldsBottom = kMargin + rows * pitch;
  int buttonsTop = fieldsBottom + 120;
  int exitTop = buttonsTop + kButtonHeight + 300;
  int bottom = exitTop + kButtonHeight;
  if (!desc.extraButtons.empty()) bottom += 300 + kButtonHeight;

  out.width = std::max(desc.width, kMinOutputWidth + blockWidth + 2 * kMargin);
  out.height = std::max(desc.height > 0 ? desc.height : kMinHeight, bottom + kMargin);
  int blockLeft = out.width - kMargin - blockWidth;

  int x = blockLeft;
  for (size_t c = 0; c < desc.columns.size(); ++c) {
    const ColumnGeometry& g = geometry[c];
    int row = 0;
    for (const Item& item : desc.columns[c]) {
      if (item.row >= 0) row = item.row;
      int top = kMargin + row * pitch;
      if (item.note) {
        Control note{ControlKind::Caption, {}, item.caption, Rect{x, top, g.width, kNoteHeight}};
        note.wrap = true;
        out.controls.push_back(note);
      } else if (item.field == 0) {
        out.controls.push_back(Control{ControlKind::Section,
                                       {},
                                       item.caption,
                                       Rect{x, top + 30, TextWidth(item.caption, true), kCaptionHeight},
                                       0,
                                       item.opens});
      } else {
        out.controls.push_back(Control{ControlKind::Caption,
                                       {},
                                       item.caption,
                                       Rect{x, top + 30, g.captionWidth, kCaptionHeight},
                                       item.field,
                                       item.opens});
        out.controls.push_back(Control{ControlKind::Field,
                                       {},
                                       {},
                                       Rect{x + g.captionWidth + kGap, top, kFieldWidth, kFieldHeight},
                                       item.field});
      }
      ++row;
    }
    x += g.width + kColumnGap;
  }

  int centre = blockLeft + blockWidth / 2;
  out.controls.push_back(
      Control{.kind = ControlKind::Button,
              .name = "Command1",
              .caption = "确定",
              .rect = Rect{centre - kGap - kButtonWidth, buttonsTop, kButtonWidth, kButtonHeight},
              .role = ButtonRole::Compute});
  out.controls.push_back(Control{.kind = ControlKind::Button,
                                 .name = "Command2",
                                 .caption = "取消",
                                 .rect = Rect{centre + kGap, buttonsTop, kButtonWidth, kButtonHeight},
                                 .role = ButtonRole::Clear});
  out.controls.push_back(
      Control{.kind = ControlKind::Button,
              .name = "Command3",
              .caption = "退出",
              .rect = Rect{centre - kButtonWidth / 2, exitTop, kButtonWidth, kButtonHeight},
              .opens = desc.exitTo,
              .role = ButtonRole::Navigate});
  int extraTop = exitTop + kButtonHeight + 300;
  for (const ExtraButton& b : desc.extraButtons) {
    int w = std::max(kButtonWidth, TextWidth(b.caption) + 240);
    out.controls.push_back(Control{.kind = ControlKind::Button,
                                   .name = b.name,
                                   .caption = b.caption,
                                   .rect = Rect{centre - w / 2, extraTop, w, kButtonHeight},
                                   .opens = b.opens,
                                   .role = ButtonRole::Navigate});
  }
  // The output takes the larger of the two rectangles the controls leave free: the strip to their
  // left or the band below them (the strip when they are equal).
  int controlsBottom = 0;
  for (const Control& c : out.controls) controlsBottom = std::max(controlsBottom, c.rect.bottom());
  Rect left{0, 0, blockLeft - kMargin / 2, out.height};
  int belowTop = controlsBottom + kMargin / 2;
  Rect band{0, belowTop, out.width, std::max(0, out.height - belowTop)};
  auto area = [](const Rect& r) { return static_cast<long long>(r.w) * r.h; };
  out.shape = area(band) > area(left) ? OutputShape::Below : OutputShape::Left;
  out.output = out.shape == OutputShape::Left ? left : band;
  // Tab walks the fields in the order they are filled in, then 确定, 取消, 退出 and further buttons.
  for (int n : FillOrder(desc)) out.tabOrder.push_back(IndexOf(out, ControlKind::Field, {}, n));
  for (size_t i = 0; i < out.controls.size(); ++i) {
    if (out.controls[i].kind == ControlKind::Button) out.tabOrder.push_back(i);
  }
  SetMinimumSize(out);
  return out;
}

Placement PlaceInClientArea(const WindowLayout& layout, int width, int height) {
  Placement p;
  const Rect& designed = layout.output;
  if (layout.shape == OutputShape::Left) {
    p.shift = std::max(0, width - layout.width);
    p.output = Rect{0, 0, designed.w + p.shift, std::max(0, height)};
  } else {
    p.output = Rect{0, designed.y, std::max(0, width), std::max(0, height - designed.y)};
  }
  return p;
}

WindowLayout LayoutCategory(const CategoryDesc& desc) {
  WindowLayout out;
  constexpr int kPitch = 600;
  int columns = 0;
  for (const CategoryButton& b : desc.buttons) columns = std::max(columns, b.column);
  bool headings = false;
  for (const CategoryLabel& l : desc.labels) headings = headings || l.column > 0;

  std::vector<int> buttonWidth(static_cast<size_t>(columns) + 1, 1935);
  std::vector<int> labelWidth(static_cast<size_t>(columns) + 1, 0);
  for (const CategoryButton& b : desc.buttons) {
    auto& w = buttonWidth[static_cast<size_t>(b.column)];
    w = std::max(w, TextWidth(b.caption) + 360);
  }
  for (const CategoryLabel& l : desc.labels) {
    if (l.beside >= 0) {
      int col = desc.buttons[static_cast<size_t>(l.beside)].column;
      labelWidth[static_cast<size_t>(col)] =
          std::max(labelWidth[static_cast<size_t>(col)], TextWidth(l.text) + 240);
    }
  }

  int top = kMargin + (headings ? 480 : 0);
  std::vector<int> left(static_cast<size_t>(columns) + 1, kMargin);
  int x = kMargin;
  for (int c = 1; c <= columns; ++c) {
    left[static_cast<size_t>(c)] = x;
    x += buttonWidth[static_cast<size_t>(c)] + labelWidth[static_cast<size_t>(c)] + kColumnGap;
  }
  int contentWidth = x - kColumnGap - kMargin;

  std::vector<int> next(static_cast<size_t>(columns) + 1, top);
  std::vector<Rect> buttonRects(desc.buttons.size());
  int lowest = top;
  for (size_t i = 0; i < desc.buttons.size(); ++i) {
    const CategoryButton& b = desc.buttons[i];
    if (b.column == 0) continue;
    auto c = static_cast<size_t>(b.column);
    buttonRects[i] = Rect{left[c], next[c], buttonWidth[c], kButtonHeight};
    next[c] += kPitch;
    lowest = std::max(lowest, next[c]);
  }
  int exitWidth = buttonWidth[0];
  contentWidth = std::max(contentWidth, exitWidth);
  for (size_t i = 0; i < desc.buttons.size(); ++i) {
    if (desc.buttons[i].column == 0) {
      buttonRects[i] = Rect{kMargin + (contentWidth - exitWidth) / 2, lowest + 240, exitWidth, kButtonHeight};
      lowest = buttonRects[i].bottom();
    }
  }
  for (size_t i = 0; i < desc.buttons.size(); ++i) {
    const CategoryButton& b = desc.buttons[i];
    out.controls.push_back(Control{.kind = ControlKind::Button,
                                   .name = b.name,
                                   .caption = b.caption,
                                   .rect = buttonRects[i],
                                   .opens = b.opens,
                                   .role = ButtonRole::Navigate});
  }
  for (const CategoryLabel& l : desc.labels) {
    Rect r;
    if (l.beside >= 0) {
      const Rect& br = buttonRects[static_cast<size_t>(l.beside)];
      r = Rect{br.right() + 120, br.y + 90, TextWidth(l.text), kCaptionHeight};
    } else {
      r = Rect{left[static_cast<size_t>(l.column)], kMargin, TextWidth(l.text, true), kCaptionHeight};
    }
    // Column headings are bold section captions; descriptions beside buttons are plain captions.
    out.controls.push_back(
        Control{l.beside >= 0 ? ControlKind::Caption : ControlKind::Section, l.name, l.text, r});
  }
  out.width = kMargin * 2 + contentWidth;
  for (const Control& c : out.controls) out.width = std::max(out.width, c.rect.right() + kMargin);
  out.height = lowest + kMargin;
  // Tab walks the buttons column by column, 退出 last.
  for (size_t i = 0; i < desc.buttons.size(); ++i) out.tabOrder.push_back(i);
  SetMinimumSize(out);
  return out;
}

}  // namespace varnello
