// What the web page asks of the core beside the command line's own commands (which it runs as
// they are): where each control of a window stands, and a fresh standard input between two runs
// of a command.
#include <cstdio>
#include <iostream>
#include <string>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
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

}  // namespace
}  // namespace varnello

extern "C" {

// The layout of a window as JSON text, valid until the next call.
const char* varnello_layout(const char* name) {
  static std::string text;
  text = varnello::LayoutJson(name);
  return text.c_str();
}

// Standard input read to its end by one run of a command is readable again by the next.
void varnello_reset_input() {
  std::cin.clear();
  std::clearerr(stdin);
}
}
