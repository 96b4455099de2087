// varnello-cli describe: the windows, their keywords, fields, section captions and buttons.

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "core/json/json_writer.h"
#include "core/layout/layout.h"
#include "core/search/keyword_index.h"

namespace varnello::cli {

namespace {

std::string_view KindName(WindowKind k) {
  switch (k) {
    case WindowKind::Main:
      return "main";
    case WindowKind::Topic:
      return "topic";
    case WindowKind::Category:
      return "category";
  }
  return "";
}

// What describe tells of one window, gathered once and printed as text or JSON.
struct Described {
  struct Entry {
    std::string name;
    std::string_view caption;
    std::string_view opens;  // empty: opens nothing
  };
  std::string_view name;
  WindowKind kind = WindowKind::Topic;
  std::vector<std::string_view> keywords;
  std::vector<std::string_view> initials;  // the pinyin initials of each keyword
  std::vector<Entry> fields;
  std::vector<std::string_view> sections;
  std::vector<Entry> buttons;
};

Described DescribeWindow(std::string_view name) {
  Described w;
  const WindowEntry& window = *FindWindow(*WindowId::Parse(name));
  WindowId id = window.id;
  w.name = name;
  w.kind = window.kind;
  for (const KeywordEntry& e : KeywordIndex()) {
    if (e.window != id) continue;
    w.keywords.push_back(e.keyword);
    w.initials.push_back(e.initials);
  }
  if (w.kind == WindowKind::Main) {
    for (const Control& c : LayoutMain().controls) {
      if (c.kind == ControlKind::Button) w.buttons.push_back({std::string(c.name), c.caption, {}});
    }
  } else if (const CategoryDesc* c = window.category) {
    for (const CategoryButton& b : c->buttons)
      w.buttons.push_back({std::string(b.name), b.caption, b.opens.name()});
    for (const CategoryLabel& l : c->labels) w.sections.push_back(l.text);
  } else if (const TopicDesc* t = window.topic) {
    for (const auto& column : t->columns) {
      for (const Item& item : column) {
        if (item.field != 0) {
          // A caption may open another window when clicked.
          w.fields.push_back({"Text" + std::to_string(item.field), item.caption, item.opens.name()});
        } else {
          w.sections.push_back(item.caption);
        }
      }
    }
    for (const Control& c : LayoutTopic(*t).controls) {
      if (c.kind == ControlKind::Button)
        w.buttons.push_back({std::string(c.name), c.caption, c.opens.name()});
    }
  }
  return w;
}

void PrintDescription(const Described& w, std::string& out) {
  out += w.name;
  out += " (";
  out += KindName(w.kind);
  out += ")";
  std::string_view sep = " keywords: ";
  for (size_t i = 0; i < w.keywords.size(); ++i) {
    out += sep;
    out += w.keywords[i];
    out += " (";
    out += w.initials[i];
    out += ")";
    sep = ", ";
  }
  out += "\n";
  for (std::string_view s : w.sections) {
    out += "  [";
    out += s;
    out += "]\n";
  }
  for (const Described::Entry& f : w.fields) {
    out += "  " + f.name + "  ";
    out += f.caption;
    if (!f.opens.empty()) out += " (caption opens " + std::string(f.opens) + ")";
    out += "\n";
  }
  for (const Described::Entry& b : w.buttons) {
    out += "  " + b.name + "  ";
    out += b.caption;
    // Category buttons always name the window they open, 退出's Form1 included.
    if (!b.opens.empty()) out += " -> " + std::string(b.opens);
    out += "\n";
  }
}

// {"name", "kind", "keywords", "initials", "built", "fields", "sections", "buttons"}; a field or
// button is {"name", "caption"}, with "opens" when it opens a window.
void AppendDescriptionJson(JsonWriter& json, const Described& w) {
  auto texts = [&](std::string_view key, const std::vector<std::string_view>& list) {
    json.key(key).beginArray();
    for (std::string_view text : list) json.string(text);
    json.endArray();
  };
  auto entries = [&](std::string_view key, const std::vector<Described::Entry>& list) {
    json.key(key).beginArray();
    for (const Described::Entry& e : list) {
      json.beginObject().key("name").string(e.name).key("caption").string(e.caption);
      if (!e.opens.empty()) json.key("opens").string(e.opens);
      json.endObject();
    }
    json.endArray();
  };
  json.beginObject().key("name").string(w.name).key("kind").string(KindName(w.kind));
  texts("keywords", w.keywords);
  texts("initials", w.initials);
  // Every window is built: "built" stays for readers of earlier output.
  json.key("built").boolean(true);
  entries("fields", w.fields);
  texts("sections", w.sections);
  entries("buttons", w.buttons);
  json.endObject();
}

int DescribeWindows(const Args& args) {
  Options options(args);
  bool asJson = options.flag("--json");
  if (!options.wordsOnly("describe")) return kUsageError;
  std::string_view only;
  for (std::string_view a : options.words()) {
    if (!only.empty()) {
      std::cerr << "describe: one window at most (see --help)\n";
      return kUsageError;
    }
    only = ResolveWindow(a);
    if (only.empty()) return UsageError("unknown window or keyword: " + std::string(a));
  }
  std::vector<Described> windows;
  for (const WindowEntry& w : Windows()) {
    if (only.empty() || w.id.name() == only) windows.push_back(DescribeWindow(w.id.name()));
  }
  std::string out;
  if (!asJson) {
    for (const Described& w : windows) PrintDescription(w, out);
    return Emit(out, 0);
  }
  JsonWriter json(out);
  json.beginObject().key("windows").beginArray();
  for (const Described& w : windows) AppendDescriptionJson(json, w);
  json.endArray();
  if (only.empty()) {
    json.key("keywords").beginArray();
    for (const KeywordRow& row : Keywords())
      json.beginArray().string(row.keyword).string(row.window.name()).endArray();
    json.endArray().key("menu").beginArray();
    for (const MenuEntry& m : Menu()) {
      json.beginObject().key("name").string(m.name).key("caption").string(m.caption);
      json.key("opens").string(m.opens.name()).endObject();
    }
    json.endArray();
  }
  json.endObject();
  return Emit(out + "\n", 0);
}

}  // namespace

extern const Command kDescribeCommand = {
    "describe", DescribeWindows,
    "  varnello-cli describe [WINDOW] [--json]\n"
    "      Lists every window (or one): kind, keywords with their pinyin initials, fields,\n"
    "      section captions, buttons.\n"};

}  // namespace varnello::cli
