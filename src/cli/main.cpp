// varnello-cli: the journal calculator without a screen. Presses a window's 确定 with given
// field texts, runs batches of presses from JSON lines, and describes the windows.
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/topic.h"
#include "core/journal/journal.h"
#include "core/layout/layout.h"
#include "core/tables/tables.h"

namespace varnello {
namespace {

using json = nlohmann::ordered_json;

constexpr int kUsageError = 2;
constexpr int kFaultExit = 3;

constexpr std::string_view kHelp =
    "varnello-cli: compute journal entries without a screen.\n"
    "\n"
    "  varnello-cli press WINDOW [TextN=TEXT ...] [--json]\n"
    "      One press of 确定 on a fresh window. WINDOW is a window name (Form6) or a keyword\n"
    "      (买股票). Fields not given are empty. Prints the lines as the window shows them.\n"
    "      Exit status: 0 done, 2 unknown window or field, 3 arithmetic fault (lines printed\n"
    "      before the fault are kept on stdout; the fault goes to stderr).\n"
    "  varnello-cli batch\n"
    "      Reads JSON lines {\"window\": \"Form6\", \"fields\": {\"Text1\": \"10\"}} from stdin and\n"
    "      writes one JSON line per request: {\"window\", \"lines\", \"fault\"} or {\"error\"}.\n"
    "  varnello-cli describe [WINDOW] [--json]\n"
    "      Lists every window (or one): kind, keywords, fields, section captions, buttons.\n"
    "  varnello-cli --help | COMMAND --help\n";

// A window name or keyword to the window; nullopt when neither.
std::optional<WindowId> ResolveWindow(std::string_view what) {
  if (auto w = WindowId::Parse(what)) return w;
  return DispatchKeyword(what);
}

// "Text12" -> 12; 0 when the name is not a field name.
int FieldNumber(std::string_view name) {
  if (name.substr(0, 4) != "Text" || name.size() == 4 || name.size() > 8) return 0;
  int n = 0;
  for (char c : name.substr(4)) {
    if (c < '0' || c > '9') return 0;
    n = n * 10 + (c - '0');
  }
  return n;
}

// Checks that the window is a topic window; returns an error text.
std::string CheckRequest(std::optional<WindowId> window, const std::string& asked, const TopicDesc*& desc) {
  desc = window ? FindTopic(*window) : nullptr;
  if (!window) return "unknown window or keyword: " + asked;
  if (desc == nullptr) return std::string(window->name()) + " is not a topic window";
  return {};
}

json FaultJson(const std::optional<FaultKind>& fault) {
  return fault ? json(std::string(FaultName(*fault))) : json(nullptr);
}

int Press(const std::vector<std::string_view>& args) {
  if (args.empty()) {
    std::cerr << "press: name a window or keyword (see --help)\n";
    return kUsageError;
  }
  bool asJson = false;
  std::map<int, std::string> texts;
  std::vector<std::string_view> assignments;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--json") {
      asJson = true;
    } else {
      assignments.push_back(args[i]);
    }
  }
  const TopicDesc* desc = nullptr;
  std::string error = CheckRequest(ResolveWindow(args[0]), std::string(args[0]), desc);
  if (!error.empty()) {
    std::cerr << "varnello-cli: " << error << "\n";
    return kUsageError;
  }
  for (std::string_view a : assignments) {
    size_t eq = a.find('=');
    int n = eq == std::string_view::npos ? 0 : FieldNumber(a.substr(0, eq));
    if (n == 0 || !HasField(*desc, n)) {
      std::cerr << "varnello-cli: " << desc->id.name() << " has no field " << a.substr(0, eq) << "\n";
      return kUsageError;
    }
    texts[n] = std::string(a.substr(eq + 1));
  }
  PressOutcome r = PressFresh(*desc, texts);
  if (asJson) {
    std::cout << json{{"window", desc->id.name()}, {"lines", r.lines}, {"fault", FaultJson(r.fault)}}.dump()
              << "\n";
  } else {
    for (const std::string& line : r.lines) std::cout << line << "\n";
  }
  if (r.fault) {
    std::cerr << "varnello-cli: " << FaultName(*r.fault) << " (" << FaultMessage(*r.fault) << ")\n";
    return kFaultExit;
  }
  return 0;
}

json BatchRequest(const std::string& text) {
  json req = json::parse(text, nullptr, false);
  if (req.is_discarded() || !req.is_object()) return {{"error", "malformed request: not a JSON object"}};
  auto w = req.find("window");
  if (w == req.end() || !w->is_string()) return {{"error", "request has no \"window\" string"}};
  std::string asked = w->get<std::string>();
  const TopicDesc* desc = nullptr;
  std::string error = CheckRequest(ResolveWindow(asked), asked, desc);
  if (!error.empty()) return {{"error", error}};
  std::map<int, std::string> texts;
  auto f = req.find("fields");
  if (f != req.end()) {
    if (!f->is_object()) return {{"error", "\"fields\" must be an object"}};
    for (auto it = f->begin(); it != f->end(); ++it) {
      int n = FieldNumber(it.key());
      if (n == 0 || !HasField(*desc, n))
        return {{"error", std::string(desc->id.name()) + " has no field " + it.key()}};
      if (!it->is_string()) return {{"error", "field " + it.key() + " must be a string"}};
      texts[n] = it->get<std::string>();
    }
  }
  PressOutcome r = PressFresh(*desc, texts);
  return {{"window", desc->id.name()}, {"lines", r.lines}, {"fault", FaultJson(r.fault)}};
}

int Batch() {
  std::string line;
  std::string out;
  while (std::getline(std::cin, line)) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    out += BatchRequest(line).dump(-1, ' ', false, json::error_handler_t::replace);
    out += '\n';
    if (out.size() > (1 << 16)) {
      std::cout << out;
      out.clear();
    }
  }
  std::cout << out;
  return 0;
}

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

json DescribeWindow(WindowId id) {
  json w{{"name", id.name()}, {"kind", KindName(KindOf(id))}};
  json keywords = json::array();
  for (const KeywordRow& row : Keywords()) {
    if (row.window == id) keywords.push_back(row.keyword);
  }
  w["keywords"] = keywords;
  json fields = json::array(), sections = json::array(), buttons = json::array();
  if (KindOf(id) == WindowKind::Main) {
    buttons = json::array({{{"name", "Command1"}, {"caption", "确定"}},
                           {{"name", "Command3"}, {"caption", "取消"}},
                           {{"name", "Command2"}, {"caption", "退出"}}});
  } else if (const CategoryDesc* c = FindCategory(id)) {
    for (const CategoryButton& b : c->buttons) {
      buttons.push_back({{"name", b.name}, {"caption", b.caption}, {"opens", b.opens.name()}});
    }
    for (const CategoryLabel& l : c->labels) sections.push_back(l.text);
  } else if (const TopicDesc* t = FindTopic(id)) {
    for (const auto& column : t->columns) {
      for (const Item& item : column) {
        if (item.field != 0) {
          json field{{"name", "Text" + std::to_string(item.field)}, {"caption", item.caption}};
          // A caption that opens another window when clicked.
          if (item.opens) field["opens"] = item.opens.name();
          fields.push_back(field);
        } else {
          sections.push_back(item.caption);
        }
      }
    }
    WindowLayout layout = LayoutTopic(*t);
    for (const Control& c : layout.controls) {
      if (c.kind != ControlKind::Button) continue;
      json b{{"name", c.name}, {"caption", c.caption}};
      if (c.opens) b["opens"] = c.opens.name();
      buttons.push_back(b);
    }
  }
  // Every window is built; the key stays for readers of earlier output.
  w["built"] = true;
  w["fields"] = fields;
  w["sections"] = sections;
  w["buttons"] = buttons;
  return w;
}

void PrintDescription(const json& w) {
  std::cout << w["name"].get<std::string>() << " (" << w["kind"].get<std::string>() << ")";
  std::string sep = " keywords: ";
  for (const auto& k : w["keywords"]) {
    std::cout << sep << k.get<std::string>();
    sep = ", ";
  }
  std::cout << "\n";
  for (const auto& s : w["sections"]) std::cout << "  [" << s.get<std::string>() << "]\n";
  for (const auto& f : w["fields"]) {
    std::cout << "  " << f["name"].get<std::string>() << "  " << f["caption"].get<std::string>();
    if (f.contains("opens")) std::cout << " (caption opens " << f["opens"].get<std::string>() << ")";
    std::cout << "\n";
  }
  for (const auto& b : w["buttons"]) {
    std::cout << "  " << b["name"].get<std::string>() << "  " << b["caption"].get<std::string>();
    if (b.contains("opens")) std::cout << " -> " << b["opens"].get<std::string>();
    std::cout << "\n";
  }
}

int Describe(const std::vector<std::string_view>& args) {
  bool asJson = false;
  std::optional<WindowId> only;
  for (std::string_view a : args) {
    if (a == "--json") {
      asJson = true;
    } else if (!only) {
      only = ResolveWindow(a);
      if (!only) {
        std::cerr << "varnello-cli: unknown window or keyword: " << a << "\n";
        return kUsageError;
      }
    } else {
      std::cerr << "describe: one window at most (see --help)\n";
      return kUsageError;
    }
  }
  json windows = json::array();
  for (WindowId id : AllWindows()) {
    if (!only || id == *only) windows.push_back(DescribeWindow(id));
  }
  if (!asJson) {
    for (const auto& w : windows) PrintDescription(w);
    return 0;
  }
  json doc{{"windows", windows}};
  if (!only) {
    json keywords = json::array(), menu = json::array();
    for (const KeywordRow& row : Keywords()) keywords.push_back({row.keyword, row.window.name()});
    for (const MenuEntry& m : Menu())
      menu.push_back({{"name", m.name}, {"caption", m.caption}, {"opens", m.opens.name()}});
    doc["keywords"] = keywords;
    doc["menu"] = menu;
  }
  std::cout << doc.dump() << "\n";
  return 0;
}

int Main(int argc, char** argv) {
  if (std::vector<std::string> problems = CheckWindowTables(); !problems.empty()) {
    for (const std::string& p : problems) std::cerr << "varnello-cli: window tables: " << p << "\n";
    return 1;
  }
  std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    std::cout << kHelp;
    return args.empty() ? kUsageError : 0;
  }
  std::string_view command = args[0];
  std::vector<std::string_view> rest(args.begin() + 1, args.end());
  for (std::string_view a : rest) {
    if (a == "--help" || a == "-h") {
      std::cout << kHelp;
      return 0;
    }
  }
  if (command == "press") return Press(rest);
  if (command == "batch") return Batch();
  if (command == "describe") return Describe(rest);
  std::cerr << "varnello-cli: unknown command " << command << " (see --help)\n";
  return kUsageError;
}

}  // namespace
}  // namespace varnello

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return varnello::Main(argc, argv);
}
