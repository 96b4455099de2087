// What the web page asks of the core beside the command line's own commands (which it runs as
// they are): where each control of a window stands, and a fresh standard input between two runs
// of a command.
#include <simdjson.h>

#include <cstdio>
#include <iostream>
#include <map>
#include <string>

#include "core/catalogue/catalogue.h"
#include "core/engine/fault.h"
#include "core/engine/read_amount.h"
#include "core/engine/topic.h"
#include "core/entries/entries.h"
#include "core/entries/table.h"
#include "core/json/json_writer.h"
#include "core/layout/layout.h"

namespace varnello {
namespace {

std::string_view ControlKindName(ControlKind k) {
  switch (k) {
    case ControlKind::Caption:
      return "caption";
    case ControlKind::Section:
      return "section";
    case ControlKind::Field:
      return "field";
    case ControlKind::Button:
      return "button";
  }
  return "";
}

std::string_view RoleName(ButtonRole r) {
  switch (r) {
    case ButtonRole::Compute:
      return "compute";
    case ButtonRole::Clear:
      return "clear";
    case ButtonRole::Navigate:
      return "navigate";
    case ButtonRole::Quit:
      return "quit";
    case ButtonRole::None:
      break;
  }
  return "";
}

void AppendRect(JsonWriter& json, const Rect& r) {
  json.beginArray().integer(r.x).integer(r.y).integer(r.w).integer(r.h).endArray();
}

// The window's layout in twips: {"name", "width", "height", "output", "controls", "tab"}; a
// control is {"kind", "name", "caption", "rect", "field", "opens", "role", "wrap"}. Null for a
// name that is no window.
std::string LayoutJson(std::string_view name) {
  std::optional<WindowId> id = WindowId::Parse(name);
  const WindowEntry* window = id ? FindWindow(*id) : nullptr;
  if (window == nullptr) return "null";
  WindowLayout layout;
  if (window->kind == WindowKind::Main) {
    layout = LayoutMain();
  } else if (window->topic != nullptr) {
    layout = LayoutTopic(*window->topic);
  } else if (window->category != nullptr) {
    layout = LayoutCategory(*window->category);
  } else {
    return "null";
  }
  std::string out;
  JsonWriter json(out);
  json.beginObject().key("name").string(id->name());
  json.key("width").integer(layout.width).key("height").integer(layout.height);
  AppendRect(json.key("output"), layout.output);
  json.key("controls").beginArray();
  for (const Control& c : layout.controls) {
    json.beginObject().key("kind").string(ControlKindName(c.kind)).key("name").string(c.name);
    AppendRect(json.key("caption").string(c.caption).key("rect"), c.rect);
    json.key("field").integer(c.field).key("opens").string(c.opens.name());
    json.key("role").string(RoleName(c.role)).key("wrap").boolean(c.wrap).endObject();
  }
  json.endArray().key("tab").beginArray();
  for (size_t i : layout.tabOrder) json.integer(i);
  json.endArray().endObject();
  return out;
}

// The sign beside a field whose text is not read whole, as the program's window shows it: empty
// when the text reads whole.
std::string FieldNote(std::string_view text) {
  try {
    AmountReading reading = ReadAmountFully(text);
    return reading.whole ? std::string() : ReadingNote(reading);
  } catch (const Fault&) {
    return "数值超出范围：按“确定”时报告溢出";
  }
}

// The balance marks of one press of a window with the fields of `fieldsJson` ({"TextN": "..."}),
// as the program's window marks them: [{"line", "note"}], the line the mark stands on (the
// entry's heading, else its first row) and the note that explains it. An entry cut short by a
// fault is not marked. Null for a name that is no topic window or fields that are not an object of
// texts.
std::string BalanceMarksJson(std::string_view name, std::string_view fieldsJson) {
  std::optional<WindowId> id = WindowId::Parse(name);
  const TopicDesc* desc = id ? FindTopic(*id) : nullptr;
  if (desc == nullptr) return "null";
  std::map<int, std::string> texts;
  simdjson::dom::parser parser;
  simdjson::dom::object fields;
  if (parser.parse(fieldsJson.data(), fieldsJson.size()).get(fields) != simdjson::SUCCESS) return "null";
  for (auto [key, value] : fields) {
    std::string_view text;
    int n = FieldNumber(key);
    if (n == 0 || value.get(text) != simdjson::SUCCESS) return "null";
    texts[n] = std::string(text);
  }
  EntryRecord record = PressOnce(*desc, FieldTexts(texts), true);
  std::map<std::size_t, std::string> exprs;
  for (const WorkingLine& w : record.working()) exprs[w.line] = w.expr;
  const std::map<int, std::string> captions = FieldCaptions(*desc);
  std::vector<Entry> entries = EntriesOf(record);
  std::string out;
  JsonWriter json(out);
  json.beginArray();
  for (const Entry& e : entries) {
    if (record.fault() && &e == &entries.back()) break;
    if (e.rows.empty() || BalanceOf(e).balanced) continue;
    std::size_t line = e.headingLine != kNoLine ? e.headingLine : e.rows.front().line;
    json.beginObject().key("line").integer(static_cast<long long>(line));
    json.key("note").string(UnbalancedNote(e, exprs, captions)).endObject();
  }
  json.endArray();
  return out;
}

}  // namespace
}  // namespace varnello

extern "C" {

// The layout of a window as JSON text, valid until the next call.
const char* varnello_layout(const char* name) {
  static std::string text;
  text = varnello::LayoutJson(name);
  return text.c_str();
}

// The note of a field's text that is not read whole, empty when it is; valid until the next call.
const char* varnello_field_note(const char* text) {
  static std::string note;
  note = varnello::FieldNote(text);
  return note.c_str();
}

// The balance marks of a press as JSON text (see BalanceMarksJson), valid until the next call.
const char* varnello_balance_marks(const char* name, const char* fields) {
  static std::string text;
  text = varnello::BalanceMarksJson(name, fields);
  return text.c_str();
}

// Standard input read to its end by one run of a command is readable again by the next.
void varnello_reset_input() {
  std::cin.clear();
  std::clearerr(stdin);
}
}
