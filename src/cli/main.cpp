// varnello-cli: the journal calculator without a screen. Presses a window's 确定 with given
// field texts, runs batches of presses from JSON lines, and describes the windows.
//
// Each command is one function taking its arguments and returning the exit status, plus one
// entry in kCommands with its part of the help text.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
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
using Args = std::vector<std::string_view>;

constexpr int kUsageError = 2;
constexpr int kFaultExit = 3;
constexpr int kIoError = 4;

// ---- Arguments, errors and output shared by the commands ----

int UsageError(std::string_view message) {
  std::cerr << "varnello-cli: " << message << "\n";
  return kUsageError;
}

// A command's arguments: options are taken out by name; what remains must be plain words.
class Options {
 public:
  explicit Options(const Args& args) : words_(args) {}

  // Whether the flag was given (taken out of the words).
  bool flag(std::string_view name) {
    bool found = false;
    for (auto it = words_.begin(); it != words_.end();) {
      if (*it == name) {
        found = true;
        it = words_.erase(it);
      } else {
        ++it;
      }
    }
    return found;
  }

  // The remaining words; an option not taken out is refused (with a message on stderr).
  bool wordsOnly(std::string_view command) const {
    for (std::string_view w : words_) {
      if (w.substr(0, 1) == "-") {
        UsageError(std::string(command) + ": unknown option " + std::string(w) + " (see --help)");
        return false;
      }
    }
    return true;
  }
  const Args& words() const { return words_; }

 private:
  Args words_;
};

// Writes all of `text` to a file descriptor; false (errno set) when it cannot.
bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    ssize_t n = ::write(fd, text.data(), text.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    text.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

int IoError(std::string_view what) {
  std::cerr << "varnello-cli: cannot " << what << ": " << std::strerror(errno) << "\n";
  return kIoError;
}

// Writes a command's standard output; a failed write is exit status kIoError.
int Emit(std::string_view text, int status) {
  return WriteAll(STDOUT_FILENO, text) ? status : IoError("write the output");
}

// A window name or keyword to the window name; empty when neither.
std::string_view ResolveWindow(std::string_view what) {
  for (std::string_view name : AllWindowNames()) {
    if (name == what) return name;
  }
  if (auto w = DispatchKeyword(what)) return *w;
  return {};
}

// Checks that the window is a built topic window and the fields exist; returns an error text.
std::string CheckRequest(std::string_view window, const std::string& asked, const TopicDesc*& desc) {
  desc = nullptr;
  if (window.empty()) return "unknown window or keyword: " + asked;
  if (KindOf(window) != WindowKind::Topic) return std::string(window) + " is not a topic window";
  desc = FindTopic(window);
  if (desc == nullptr) return std::string(window) + " is not built yet";
  return {};
}

json FaultJson(const std::optional<FaultKind>& fault) {
  return fault ? json(std::string(FaultName(*fault))) : json(nullptr);
}

// The working of a press, parallel to its lines: {"text", "expr"} for an amount line, else null.
json WorkingJson(const PressOutcome& r) {
  json working = json::array();
  for (size_t i = 0; i < r.lines.size(); ++i) working.push_back(nullptr);
  for (const WorkingLine& w : r.working) {
    if (w.line < working.size()) working[w.line] = {{"text", w.text}, {"expr", w.expr}};
  }
  return working;
}

// ---- press ----

int PressWindow(const Args& args) {
  if (args.empty()) {
    std::cerr << "press: name a window or keyword (see --help)\n";
    return kUsageError;
  }
  Options options(args);
  bool asJson = options.flag("--json");
  bool explain = options.flag("--explain");
  if (!options.wordsOnly("press")) return kUsageError;
  const Args& words = options.words();
  if (words.empty()) {
    std::cerr << "press: name a window or keyword (see --help)\n";
    return kUsageError;
  }
  const TopicDesc* desc = nullptr;
  std::string error = CheckRequest(ResolveWindow(words[0]), std::string(words[0]), desc);
  if (!error.empty()) return UsageError(error);
  std::map<int, std::string> texts;
  for (size_t i = 1; i < words.size(); ++i) {
    std::string_view a = words[i];
    size_t eq = a.find('=');
    int n = eq == std::string_view::npos ? 0 : FieldNumber(a.substr(0, eq));
    if (n == 0 || !HasField(*desc, n)) {
      return UsageError(std::string(desc->name) + " has no field " + std::string(a.substr(0, eq)));
    }
    texts[n] = std::string(a.substr(eq + 1));
  }
  PressOutcome r = PressFresh(*desc, texts, explain || asJson);
  std::string out;
  if (asJson) {
    out = json{{"window", desc->name},
               {"lines", r.lines},
               {"working", WorkingJson(r)},
               {"fault", FaultJson(r.fault)}}
              .dump() +
          "\n";
  } else {
    size_t next = 0;  // the next working to show
    for (size_t i = 0; i < r.lines.size(); ++i) {
      out += r.lines[i];
      out += '\n';
      for (; next < r.working.size() && r.working[next].line == i; ++next) {
        out += "    " + r.working[next].formula + "\n";
        for (const std::string& step : r.working[next].steps) out += "      " + step + "\n";
      }
    }
  }
  if (!WriteAll(STDOUT_FILENO, out)) return IoError("write the output");
  if (r.fault) {
    std::cerr << "varnello-cli: " << FaultName(*r.fault) << " (" << FaultMessage(*r.fault) << ")\n";
    if (explain && !r.faultText.empty()) std::cerr << "varnello-cli: " << r.faultText << "\n";
    return kFaultExit;
  }
  return 0;
}

// ---- batch ----

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
        return {{"error", std::string(desc->name) + " has no field " + it.key()}};
      if (!it->is_string()) return {{"error", "field " + it.key() + " must be a string"}};
      texts[n] = it->get<std::string>();
    }
  }
  auto e = req.find("explain");
  bool explain = e != req.end() && e->is_boolean() && e->get<bool>();
  PressOutcome r = PressFresh(*desc, texts, explain);
  if (explain) {
    return {{"window", desc->name},
            {"lines", r.lines},
            {"working", WorkingJson(r)},
            {"fault", FaultJson(r.fault)}};
  }
  return {{"window", desc->name}, {"lines", r.lines}, {"fault", FaultJson(r.fault)}};
}

int RunBatch(const Args& args) {
  if (!Options(args).wordsOnly("batch")) return kUsageError;
  if (!args.empty()) return UsageError("batch: takes no arguments (see --help)");
  std::string line;
  std::string out;
  while (std::getline(std::cin, line)) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    out += BatchRequest(line).dump(-1, ' ', false, json::error_handler_t::replace);
    out += '\n';
    if (out.size() > (1 << 16)) {
      if (!WriteAll(STDOUT_FILENO, out)) return IoError("write the output");
      out.clear();
    }
  }
  if (std::cin.bad()) return IoError("read the input");
  return Emit(out, 0);
}

// ---- describe ----

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
  bool built = true;
  std::vector<std::string_view> keywords;
  std::vector<Entry> fields;
  std::vector<std::string_view> sections;
  std::vector<Entry> buttons;
};

Described DescribeWindow(std::string_view name) {
  Described w;
  w.name = name;
  w.kind = KindOf(name);
  for (const KeywordRow& row : Keywords()) {
    if (row.window == name) w.keywords.push_back(row.keyword);
  }
  if (w.kind == WindowKind::Main) {
    for (const Control& c : LayoutMain().controls) {
      if (c.kind == ControlKind::Button) w.buttons.push_back({std::string(c.name), c.caption, {}});
    }
  } else if (const CategoryDesc* c = FindCategory(name)) {
    for (const CategoryButton& b : c->buttons) w.buttons.push_back({std::string(b.name), b.caption, b.opens});
    for (const CategoryLabel& l : c->labels) w.sections.push_back(l.text);
  } else if (const TopicDesc* t = FindTopic(name)) {
    for (const auto& column : t->columns) {
      for (const Item& item : column) {
        if (item.text != 0) {
          // A caption may open another window when clicked.
          w.fields.push_back({"Text" + std::to_string(item.text), item.caption, item.opens});
        } else {
          w.sections.push_back(item.caption);
        }
      }
    }
    for (const Control& c : LayoutTopic(*t).controls) {
      if (c.kind == ControlKind::Button) w.buttons.push_back({std::string(c.name), c.caption, c.opens});
    }
  } else {
    w.built = false;
  }
  return w;
}

void PrintDescription(const Described& w, std::string& out) {
  out += w.name;
  out += " (";
  out += KindName(w.kind);
  out += w.built ? "" : ", not built yet";
  out += ")";
  std::string_view sep = " keywords: ";
  for (std::string_view k : w.keywords) {
    out += sep;
    out += k;
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

json DescriptionJson(const Described& w) {
  auto entries = [](const std::vector<Described::Entry>& list) {
    json a = json::array();
    for (const Described::Entry& e : list) {
      json o{{"name", e.name}, {"caption", e.caption}};
      if (!e.opens.empty()) o["opens"] = e.opens;
      a.push_back(o);
    }
    return a;
  };
  json sections = json::array();
  for (std::string_view s : w.sections) sections.push_back(s);
  return json{{"name", w.name},
              {"kind", KindName(w.kind)},
              {"keywords", w.keywords},
              {"built", w.built},
              {"fields", entries(w.fields)},
              {"sections", sections},
              {"buttons", entries(w.buttons)}};
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
  for (std::string_view name : AllWindowNames()) {
    if (only.empty() || name == only) windows.push_back(DescribeWindow(name));
  }
  std::string out;
  if (!asJson) {
    for (const Described& w : windows) PrintDescription(w, out);
    return Emit(out, 0);
  }
  json list = json::array();
  for (const Described& w : windows) list.push_back(DescriptionJson(w));
  json doc{{"windows", list}};
  if (only.empty()) {
    json keywords = json::array(), menu = json::array();
    for (const KeywordRow& row : Keywords()) keywords.push_back({row.keyword, row.window});
    for (const MenuEntry& m : Menu())
      menu.push_back({{"name", m.name}, {"caption", m.caption}, {"opens", m.opens}});
    doc["keywords"] = keywords;
    doc["menu"] = menu;
  }
  return Emit(doc.dump() + "\n", 0);
}

// ---- the command table and help ----

struct Command {
  std::string_view name;
  int (*run)(const Args& args);
  std::string_view help;  // its paragraph of --help
};

constexpr Command kCommands[] = {
    {"press", PressWindow,
     "  varnello-cli press WINDOW [TextN=TEXT ...] [--explain] [--json]\n"
     "      One press of 确定 on a fresh window. WINDOW is a window name (Form6) or a keyword\n"
     "      (买股票). Fields not given are empty. Prints the lines as the window shows them;\n"
     "      --explain follows each amount line with its working, indented. --json answers\n"
     "      {\"window\", \"lines\", \"working\", \"fault\"}: \"working\" parallel to \"lines\", for an\n"
     "      amount line {\"text\", \"expr\"} (expr over the fields: TextN, + - * /, pow), else null.\n"
     "      Exit status: 0 done, 2 unknown window or field, 3 arithmetic fault (lines printed\n"
     "      before the fault are kept on stdout; the fault goes to stderr).\n"},
    {"batch", RunBatch,
     "  varnello-cli batch\n"
     "      Reads JSON lines {\"window\": \"Form6\", \"fields\": {\"Text1\": \"10\"}} from stdin and\n"
     "      writes one JSON line per request: {\"window\", \"lines\", \"fault\"} or {\"error\"}.\n"
     "      A request with \"explain\": true also gets \"working\", as press --json does.\n"},
    {"describe", DescribeWindows,
     "  varnello-cli describe [WINDOW] [--json]\n"
     "      Lists every window (or one): kind, keywords, fields, section captions, buttons.\n"},
};

std::string HelpText() {
  std::string text = "varnello-cli: compute journal entries without a screen.\n\n";
  for (const Command& c : kCommands) text += c.help;
  text += "  varnello-cli --help | COMMAND --help\n";
  return text;
}

int Main(int argc, char** argv) {
  Args args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    return Emit(HelpText(), args.empty() ? kUsageError : 0);
  }
  Args rest(args.begin() + 1, args.end());
  for (std::string_view a : rest) {
    if (a == "--help" || a == "-h") return Emit(HelpText(), 0);
  }
  for (const Command& c : kCommands) {
    if (c.name == args[0]) return c.run(rest);
  }
  return UsageError("unknown command " + std::string(args[0]) + " (see --help)");
}

}  // namespace
}  // namespace varnello

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return varnello::Main(argc, argv);
}
