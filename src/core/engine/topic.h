// A topic window as data: its fields and captions, extra buttons, navigation, and the press
// function of its computing button. Every topic window registers one TopicDesc.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/fault.h"
#include "core/engine/press.h"
#include "core/engine/working.h"
#include "core/journal/journal.h"

namespace varnello {

// One row of a column of controls: an input field TextN with its caption, or (text == 0) a
// bold section caption without a field, or (note) a plain descriptive text that wraps.
struct Item {
  int text = 0;
  std::string_view caption;
  // Clicking the caption shows this window (the current one stays visible).
  std::string_view opens = {};
  // Row index within the column; -1 follows the previous item.
  int row = -1;
  bool note = false;
};

inline Item Field(int n, std::string_view caption) {
  return Item{n, caption};
}
inline Item Section(std::string_view caption) {
  return Item{0, caption};
}
inline Item Note(std::string_view text) {
  return Item{0, text, {}, -1, true};
}

// A button beyond the standard 确定/取消/退出: hides this window and shows `opens`.
struct ExtraButton {
  std::string_view name;
  std::string_view caption;
  std::string_view opens;
};

using PressFunction = void (*)(Press&);

struct TopicDesc {
  std::string_view name;  // "Form16"; also the title
  int width = 0;          // client area in twips; 0 sizes it to the controls
  int height = 0;
  std::vector<std::vector<Item>> columns;  // left to right
  PressFunction press = nullptr;
  std::vector<ExtraButton> extraButtons = {};
  std::string_view exitTo = "Form1";  // the window that 退出 shows
  // The fields in the order a user fills them in (and Tab walks them), where that is not by
  // field number.
  std::vector<int> fillOrder = {};
};

// Registers a topic window at start-up; one per window source file.
struct TopicRegistration {
  explicit TopicRegistration(TopicDesc desc);
};

// All registered topic windows in window-number order.
const std::vector<const TopicDesc*>& AllTopics();
const TopicDesc* FindTopic(std::string_view name);

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

// Runs one press of 确定: prints into `out`; returns the fault that ended it, if any. With
// `working` (made from the window's FieldCaptions) the press also records its working there.
std::optional<FaultKind> RunPress(const TopicDesc& desc, const FieldSource& fields, JournalSink& out,
                                  Working* working = nullptr);

// What a fault means for the user, in one or two plain sentences for the fault's message box:
// the press stopped, the lines before it stay, and which fields to look at (those that read as 0).
std::string FaultAdvice(const TopicDesc& desc, FaultKind kind, const FieldSource& fields);

// One press of a freshly created window whose fields hold `texts` (by field number; the others
// empty): the lines it prints and the fault that ended it, if any; with `explain` also the
// working of its amount lines and, on a fault, what faulted in words.
struct PressOutcome {
  std::vector<std::string> lines;
  std::optional<FaultKind> fault;
  std::vector<WorkingLine> working = {};
  std::string faultText = {};
};
PressOutcome PressFresh(const TopicDesc& desc, const std::map<int, std::string>& texts, bool explain = false);
// The same with the texts as (field number, text) pairs; a number given twice takes the last.
struct FieldText {
  int n;
  std::string_view text;
};
PressOutcome PressFresh(const TopicDesc& desc, const std::vector<FieldText>& texts, bool explain = false);

// Window number of "FormN" (0 when the name has another form).
int WindowNumber(std::string_view name);

}  // namespace varnello
