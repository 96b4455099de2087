// A topic window as data: its fields and captions, extra buttons, navigation, and the press
// function of its computing button. Every topic window defines one constant TopicDesc, listed
// in the catalogue of windows (src/core/catalogue/).
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/fault.h"
#include "core/engine/press.h"
#include "core/engine/window_id.h"
#include "core/engine/working.h"
#include "core/journal/journal.h"

namespace varnello {

// One row of a column of controls: an input field TextN with its caption, or (field == 0) a
// bold section caption without a field, or (note) a plain descriptive text that wraps.
struct Item {
  int field = 0;  // N of the input field TextN
  std::string_view caption;
  // Clicking the caption shows this window (the current one stays visible).
  WindowId opens = {};
  // Row index within the column; -1 follows the previous item.
  int row = -1;
  bool note = false;
};

constexpr Item Field(int n, std::string_view caption) {
  return Item{n, caption};
}
constexpr Item Section(std::string_view caption) {
  return Item{0, caption};
}
constexpr Item Note(std::string_view text) {
  return Item{0, text, {}, -1, true};
}

using Column = std::span<const Item>;

// A button beyond the standard 确定/取消/退出: hides this window and shows `opens`.
struct ExtraButton {
  std::string_view name;
  std::string_view caption;
  WindowId opens;
};

using PressFunction = void (*)(Press&);

// Constant data: each window file defines one, over arrays of its own.
struct TopicDesc {
  WindowId id;    // its name is also the title
  int width = 0;  // client area in twips; 0 sizes it to the controls
  int height = 0;
  std::span<const Column> columns;  // left to right
  PressFunction press = nullptr;
  std::span<const ExtraButton> extraButtons = {};
  WindowId exitTo = kMainWindow;  // the window that 退出 shows
  // The fields in the order a user fills them in (and Tab walks them), where that is not by
  // field number.
  std::span<const int> fillOrder = {};
};

// The input fields of a window in display order.
std::vector<const Item*> FieldsOf(const TopicDesc& desc);
bool HasField(const TopicDesc& desc, int n);
// The field numbers in the order a user fills them in: the window's own fillOrder, else by number.
std::vector<int> FillOrder(const TopicDesc& desc);

// The number N of a field name "TextN" written exactly so (no sign, blank or leading zero:
// "Text01" is not "Text1"); 0 for any other text.
int FieldNumber(std::string_view name);

// Captions of a window's fields by field number.
std::map<int, std::string> FieldCaptions(const TopicDesc& desc);

// What a fault means for the user, in one or two plain sentences for the fault's message box:
// the press stopped, the lines before it stay, and which fields to look at (those that read as 0).
std::string FaultAdvice(const TopicDesc& desc, FaultKind kind, std::span<const FieldText> texts);
// The same for a fault whose working is known: names only the fields the faulting figure used
// (`used`, Working::FaultFields), saying of each that reads as 0 whether it was left empty; when
// none reads as 0, names the fields it used.
std::string FaultAdvice(const TopicDesc& desc, FaultKind kind, std::span<const FieldText> texts,
                        std::span<const int> used);

// The pairs of texts held by field number; they view `texts`, which must outlive them.
std::vector<FieldText> FieldTexts(const std::map<int, std::string>& texts);

}  // namespace varnello
