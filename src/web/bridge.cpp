// What the web page asks of the core beside the command line's own commands (which it runs as
// they are): where each control of a window stands, and a fresh standard input between two runs
// of a command.
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
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

nlohmann::ordered_json RectJson(const Rect& r) {
  return {r.x, r.y, r.w, r.h};
}

// The window's layout in twips: {"name", "width", "height", "output", "controls", "tab"}; a
// control is {"kind", "name", "caption", "rect", "field", "opens", "role", "wrap"}. Null for a
// name that is no window.
nlohmann::ordered_json LayoutJson(std::string_view name) {
  std::optional<WindowId> id = WindowId::Parse(name);
  const WindowEntry* window = id ? FindWindow(*id) : nullptr;
  if (window == nullptr) return nullptr;
  WindowLayout layout;
  if (window->kind == WindowKind::Main) {
    layout = LayoutMain();
  } else if (window->topic != nullptr) {
    layout = LayoutTopic(*window->topic);
  } else if (window->category != nullptr) {
    layout = LayoutCategory(*window->category);
  } else {
    return nullptr;
  }
  nlohmann::ordered_json controls = nlohmann::ordered_json::array();
  for (const Control& c : layout.controls) {
    controls.push_back({{"kind", ControlKindName(c.kind)},
                        {"name", c.name},
                        {"caption", c.caption},
                        {"rect", RectJson(c.rect)},
                        {"field", c.field},
                        {"opens", c.opens.name()},
                        {"role", RoleName(c.role)},
                        {"wrap", c.wrap}});
  }
  return {{"name", id->name()},      {"width", layout.width},
          {"height", layout.height}, {"output", RectJson(layout.output)},
          {"controls", controls},    {"tab", layout.tabOrder}};
}

}  // namespace
}  // namespace varnello

extern "C" {

// The layout of a window as JSON text, valid until the next call.
const char* varnello_layout(const char* name) {
  static std::string text;
  text = varnello::LayoutJson(name).dump();
  return text.c_str();
}

// Standard input read to its end by one run of a command is readable again by the next.
void varnello_reset_input() {
  std::cin.clear();
  std::clearerr(stdin);
}
}
