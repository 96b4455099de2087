// varnello-cli: the journal calculator without a screen. Presses a window's 确定 with given
// field texts, runs batches of presses from JSON lines, describes the windows, finds keywords,
// makes exercise figures and marks students' answers.
//
// Each command is one function taking its arguments and returning the exit status, plus one
// entry in kCommands with its part of the help text.
#include <simdjson.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "core/engine/topic.h"
#include "core/entries/capital.h"
#include "core/entries/entries.h"
#include "core/entries/table.h"
#include "core/journal/journal.h"
#include "core/layout/layout.h"
#include "core/practice/exercise.h"
#include "core/practice/marking.h"
#include "core/search/keyword_index.h"
#include "core/tables/tables.h"

namespace varnello {
namespace {

using cli::AppendPressAnswer;
using cli::CheckRequest;
using cli::ResolveWindow;

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

  // The value of an option given as "NAME VALUE" or "NAME=VALUE" (the last one given, taken out
  // of the words); empty when not given. `missing` is set when NAME ends the words.
  std::optional<std::string_view> value(std::string_view name, bool& missing) {
    std::optional<std::string_view> found;
    missing = false;
    for (auto it = words_.begin(); it != words_.end();) {
      if (*it == name) {
        it = words_.erase(it);
        if (it == words_.end()) {
          missing = true;
        } else {
          found = *it;
          it = words_.erase(it);
        }
      } else if (it->size() > name.size() && it->starts_with(name) && (*it)[name.size()] == '=') {
        found = it->substr(name.size() + 1);
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

// ---- press ----

// Writes a press's output; then tells of its fault, if any, with the exit status to end with.
int PressExit(std::string_view out, const PressResult& r, bool explain) {
  if (!WriteAll(STDOUT_FILENO, out)) return IoError("write the output");
  if (r.fault) {
    std::cerr << "varnello-cli: " << FaultName(*r.fault) << " (" << FaultMessage(*r.fault) << ")\n";
    if (explain && !r.faultText.empty()) std::cerr << "varnello-cli: " << r.faultText << "\n";
    return kFaultExit;
  }
  return 0;
}

int PressWindow(const Args& args) {
  if (args.empty()) {
    std::cerr << "press: name a window or keyword (see --help)\n";
    return kUsageError;
  }
  Options options(args);
  bool missing = false;
  std::string_view format = options.value("--format", missing).value_or("text");
  if (options.flag("--json")) format = "json";
  if (missing) return UsageError("press: --format needs one of text, json, tsv, csv");
  if (format != "text" && format != "json" && format != "tsv" && format != "csv") {
    return UsageError("press: unknown format " + std::string(format) + " (text, json, tsv or csv)");
  }
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
  std::vector<FieldText> texts;
  for (size_t i = 1; i < words.size(); ++i) {
    std::string_view a = words[i];
    size_t eq = a.find('=');
    int n = eq == std::string_view::npos ? 0 : FieldNumber(a.substr(0, eq));
    if (n == 0 || !HasField(*desc, n)) {
      return UsageError(std::string(desc->id.name()) + " has no field " + std::string(a.substr(0, eq)));
    }
    texts.push_back({n, a.substr(eq + 1)});
  }
  std::string out;
  if (format == "json") {
    EntryRecord record;
    PressResult r = PressEntriesInto(*desc, texts, record, true);
    AppendPressAnswer(out, {}, desc->id.name(), r, record, true, texts);
    out += '\n';
    return PressExit(out, r, explain);
  }
  // A field not read whole is told on stderr, where it cannot mix with the lines.
  for (const FieldWarning& w : FieldWarnings(texts))
    std::cerr << "varnello-cli: Text" << w.n << " " << ReadingNote(w.reading) << "\n";
  EntryPress r = PressEntries(*desc, texts, explain);
  if (format == "tsv") {
    out = ToTsv(TableOf(r.entries));
  } else if (format == "csv") {
    out = ToCsv(TableOf(r.entries), false);
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
  return PressExit(out, r, explain);
}

// ---- batch ----

using cli::BatchAnswerer;
using cli::kMaxRequest;
constexpr size_t kReadChunk = size_t{1} << 16;

// Reads standard input as lines (without their line feed). A line's bytes are followed by at
// least simdjson::SIMDJSON_PADDING readable bytes. A line longer than kMaxRequest is not kept
// (memory stays bounded): it comes back as TooLong.
class LineReader {
 public:
  enum class Result { Line, TooLong, End, Error };

  Result next(std::string_view& line) {
    bool tooLong = false;
    size_t scanned = begin_;  // bytes before this hold no line feed
    for (;;) {
      if (const void* nl = std::memchr(buf_.data() + scanned, '\n', end_ - scanned)) {
        size_t pos = static_cast<size_t>(static_cast<const char*>(nl) - buf_.data());
        line = {buf_.data() + begin_, pos - begin_};
        begin_ = pos + 1;
        return tooLong || line.size() > kMaxRequest ? Result::TooLong : Result::Line;
      }
      if (eof_) {
        if (begin_ == end_ && !tooLong) return Result::End;
        line = {buf_.data() + begin_, end_ - begin_};
        begin_ = end_;
        return tooLong || line.size() > kMaxRequest ? Result::TooLong : Result::Line;
      }
      if (tooLong || end_ - begin_ > kMaxRequest) {
        // Too long to answer: its bytes are dropped while looking for its end.
        tooLong = true;
        begin_ = end_ = 0;
      } else if (begin_ > 0) {
        std::memmove(buf_.data(), buf_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
      }
      scanned = end_;
      if (buf_.size() < end_ + kReadChunk + simdjson::SIMDJSON_PADDING) {
        buf_.resize(end_ + kReadChunk + simdjson::SIMDJSON_PADDING);
      }
      ssize_t n = ::read(STDIN_FILENO, buf_.data() + end_, kReadChunk);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return Result::Error;
      if (n == 0) eof_ = true;
      end_ += static_cast<size_t>(n);
    }
  }

 private:
  std::vector<char> buf_ = std::vector<char>(kReadChunk + simdjson::SIMDJSON_PADDING);
  size_t begin_ = 0, end_ = 0;
  bool eof_ = false;
};

int RunBatch(const Args& args) {
  if (!Options(args).wordsOnly("batch")) return kUsageError;
  if (!args.empty()) return UsageError("batch: takes no arguments (see --help)");
  LineReader reader;
  BatchAnswerer answerer;
  std::string out;
  std::string_view line;
  for (;;) {
    LineReader::Result r = reader.next(line);
    if (r == LineReader::Result::Error) {
      int status = IoError("read the input");
      return WriteAll(STDOUT_FILENO, out) ? status : IoError("write the output");
    }
    if (r == LineReader::Result::End) break;
    if (r == LineReader::Result::TooLong) {
      answerer.answerTooLong(out);
    } else {
      answerer.answer(line, out);
    }
    if (out.size() > kReadChunk) {
      if (!WriteAll(STDOUT_FILENO, out)) return IoError("write the output");
      out.clear();
    }
  }
  return Emit(out, 0);
}

// ---- capital ----

int CapitalNumerals(const Args& args) {
  if (args.empty()) return UsageError("capital: give one or more amounts (see --help)");
  std::string out;
  for (std::string_view a : args) {
    // From the digits as given: a double would lose the 分 of amounts of 16 significant digits.
    Capital capital = CapitalOfDecimal(a);
    switch (capital.refusal) {
      case CapitalRefusal::None:
        break;
      case CapitalRefusal::Beyond:
        return UsageError("capital: " + std::string(a) + " is beyond 亿亿 (10^16) 元");
      case CapitalRefusal::BelowFen:
        return UsageError("capital: " + std::string(a) +
                          " has a digit below 分 (0.01 元): capital numerals cannot write it exactly");
      default:
        return UsageError("capital: not an amount: " + std::string(a));
    }
    out += *capital.text;
    out += '\n';
  }
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
  bool built = true;  // every window is; the key stays for readers of earlier output
  std::vector<std::string_view> keywords;
  std::vector<std::string_view> initials;  // the pinyin initials of each keyword
  std::vector<Entry> fields;
  std::vector<std::string_view> sections;
  std::vector<Entry> buttons;
};

Described DescribeWindow(std::string_view name) {
  Described w;
  WindowId id = *WindowId::Parse(name);
  w.name = name;
  w.kind = KindOf(id);
  for (const KeywordEntry& e : KeywordIndex()) {
    if (e.window != id) continue;
    w.keywords.push_back(e.keyword);
    w.initials.push_back(e.initials);
  }
  if (w.kind == WindowKind::Main) {
    for (const Control& c : LayoutMain().controls) {
      if (c.kind == ControlKind::Button) w.buttons.push_back({std::string(c.name), c.caption, {}});
    }
  } else if (const CategoryDesc* c = FindCategory(id)) {
    for (const CategoryButton& b : c->buttons)
      w.buttons.push_back({std::string(b.name), b.caption, b.opens.name()});
    for (const CategoryLabel& l : c->labels) w.sections.push_back(l.text);
  } else if (const TopicDesc* t = FindTopic(id)) {
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
  return json{{"name", w.name},         {"kind", KindName(w.kind)},
              {"keywords", w.keywords}, {"initials", w.initials},
              {"built", w.built},       {"fields", entries(w.fields)},
              {"sections", sections},   {"buttons", entries(w.buttons)}};
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
  for (WindowId id : AllWindows()) {
    if (only.empty() || id.name() == only) windows.push_back(DescribeWindow(id.name()));
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
    for (const KeywordRow& row : Keywords()) keywords.push_back({row.keyword, row.window.name()});
    for (const MenuEntry& m : Menu())
      menu.push_back({{"name", m.name}, {"caption", m.caption}, {"opens", m.opens.name()}});
    doc["keywords"] = keywords;
    doc["menu"] = menu;
  }
  return Emit(doc.dump() + "\n", 0);
}

// ---- find ----

int FindKeyword(const Args& args) {
  Options options(args);
  bool asJson = options.flag("--json");
  if (!options.wordsOnly("find")) return kUsageError;
  if (options.words().size() != 1) return UsageError("find: give one query (see --help)");
  std::string_view query = options.words()[0];
  std::vector<KeywordMatch> matches = FindKeywords(query);
  const int status = matches.empty() ? 1 : 0;
  if (asJson) {
    json list = json::array();
    for (const KeywordMatch& m : matches) {
      list.push_back({{"keyword", m.entry->keyword},
                      {"window", m.entry->window.name()},
                      {"subject", m.entry->subject},
                      {"pinyin", m.entry->syllables},
                      {"initials", m.entry->initials},
                      {"match", MatchKindName(m.kind)}});
    }
    json doc{{"query", query}, {"matches", list}};
    return Emit(doc.dump(-1, ' ', false, json::error_handler_t::replace) + "\n", status);
  }
  std::string out;
  for (const KeywordMatch& m : matches) {
    out += m.entry->keyword;
    out += "  ";
    out += m.entry->window.name();
    if (!m.entry->subject.empty()) {
      out += "  ";
      out += m.entry->subject;
    }
    out += "\n";
  }
  return Emit(out, status);
}

// ---- exercise and mark ----

// A whole number given to an option: --seed N, --entry K.
std::optional<std::uint64_t> WholeNumber(std::string_view n) {
  std::uint64_t value = 0;
  auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), value);
  if (ec != std::errc() || end != n.data() + n.size()) return std::nullopt;
  return value;
}

// The entries an exercise can ask of, as a list for a message: "0, 4, 7".
std::string QuestionList(const AnswerKey& key) {
  std::string list;
  for (size_t q : key.questions) list += (list.empty() ? "" : ", ") + std::to_string(q);
  return list.empty() ? "none" : list;
}

int MakeExerciseFigures(const Args& args) {
  Options options(args);
  std::optional<std::uint64_t> seed, entry;
  Args words;
  for (size_t i = 0; i < options.words().size(); ++i) {
    std::string_view w = options.words()[i];
    if (w != "--seed" && w != "--entry") {
      words.push_back(w);
      continue;
    }
    std::string what = "exercise: " + std::string(w) + " takes a whole number";
    if (i + 1 == options.words().size()) return UsageError(what);
    std::optional<std::uint64_t> value = WholeNumber(options.words()[++i]);
    if (!value) return UsageError(what);
    (w == "--seed" ? seed : entry) = value;
  }
  if (!Options(words).wordsOnly("exercise")) return kUsageError;
  if (words.size() != 1) return UsageError("exercise: name one window or keyword (see --help)");
  const TopicDesc* desc = nullptr;
  std::string error = CheckRequest(ResolveWindow(words[0]), std::string(words[0]), desc);
  if (!error.empty()) return UsageError(error);
  // Without a seed, a fresh one; it is printed, so that the exercise can be given again.
  if (!seed) seed = std::random_device()();
  std::map<int, std::string> texts = MakeExercise(*desc, *seed);
  json fields = json::object();
  for (const auto& [n, text] : texts) fields["Text" + std::to_string(n)] = text;
  json answer{{"window", desc->id.name()}, {"seed", *seed}, {"fields", fields}};
  // The question: the entry asked for, else the window's first.
  AnswerKey key = KeyOf(*desc, texts);
  if (entry && std::find(key.questions.begin(), key.questions.end(), *entry) == key.questions.end()) {
    return UsageError("exercise: " + std::string(desc->id.name()) + " has no question in entry " +
                      std::to_string(*entry) + " (entries with questions: " + QuestionList(key) + ")");
  }
  if (!entry && !key.questions.empty()) entry = key.questions.front();
  if (entry) {
    answer["entry"] = {{"index", *entry}, {"heading", key.entries[*entry].heading}};
    answer["question"] = QuestionText(*desc, texts, *entry);
  }
  return Emit(answer.dump(-1, ' ', false, json::error_handler_t::replace) + "\n", 0);
}

// A whole amount as a JSON integer, any other as a number, as the press answers write them.
json JsonAmount(double amount) {
  if (std::trunc(amount) == amount && std::fabs(amount) < 9007199254740992.0)
    return static_cast<long long>(amount);
  return amount;
}

json KeyLineJson(const KeyLine& line, bool withAmount) {
  json j{{"account", line.account}, {"side", SideText(line.side)}};
  if (withAmount) {
    std::string amount = FormatAmount(line.amount);
    j["amount"] = amount.substr(amount[0] == ' ' ? 1 : 0, amount.size() - (amount[0] == ' ' ? 2 : 1));
  }
  return j;
}

json MarkRequest(const std::string& text) {
  json req = json::parse(text, nullptr, false);
  if (req.is_discarded() || !req.is_object()) return {{"error", "malformed request: not a JSON object"}};
  auto w = req.find("window");
  if (w == req.end() || !w->is_string()) return {{"error", "request has no \"window\" string"}};
  std::string asked = w->get<std::string>();
  const TopicDesc* desc = nullptr;
  std::string error = CheckRequest(ResolveWindow(asked), asked, desc);
  if (!error.empty()) return {{"error", error}};
  std::map<int, std::string> texts;
  if (auto f = req.find("fields"); f != req.end()) {
    if (!f->is_object()) return {{"error", "\"fields\" must be an object"}};
    for (auto it = f->begin(); it != f->end(); ++it) {
      int n = FieldNumber(it.key());
      if (n == 0 || !HasField(*desc, n))
        return {{"error", std::string(desc->id.name()) + " has no field " + it.key()}};
      if (!it->is_string()) return {{"error", "field " + it.key() + " must be a string"}};
      texts[n] = it->get<std::string>();
    }
  }
  auto a = req.find("answer");
  if (a == req.end() || !a->is_array()) return {{"error", "request has no \"answer\" array"}};
  std::vector<AnswerLine> answer;
  for (const json& line : *a) {
    if (!line.is_object()) return {{"error", "an answer line must be an object"}};
    // A part may be left out or null (empty), or given as a string or a number.
    auto part = [&line](const char* key) -> std::optional<std::string> {
      auto it = line.find(key);
      if (it == line.end() || it->is_null()) return std::string();
      if (it->is_string()) return it->get<std::string>();
      if (it->is_number()) return it->dump();
      return std::nullopt;
    };
    auto account = part("account"), side = part("side"), amount = part("amount");
    if (!account || !side || !amount) return {{"error", "answer parts must be strings or numbers"}};
    answer.push_back({*account, *side, *amount});
  }
  MarkOptions options;
  if (auto d = req.find("detail"); d != req.end()) {
    if (*d != "required" && *d != "optional")
      return {{"error", "\"detail\" must be \"required\" or \"optional\""}};
    options.detailRequired = *d == "required";
  }
  if (auto u = req.find("unit"); u != req.end()) {
    if (*u != "yuan" && *u != "wan") return {{"error", "\"unit\" must be \"yuan\" or \"wan\""}};
    options.inWan = *u == "wan";
  }
  if (auto r = req.find("reveal"); r != req.end()) {
    if (!r->is_boolean()) return {{"error", "\"reveal\" must be true or false"}};
    options.reveal = r->get<bool>();
  }
  AnswerKey key = KeyOf(*desc, texts);
  // An entry by its index, or as exercise names it ({"index", "heading"}), so that an exercise's
  // answer can be sent back as it came.
  auto entryIndex = [&key](const json& given) -> std::optional<size_t> {
    const json* value = &given;
    if (given.is_object() && given.contains("index")) value = &given["index"];
    if (!value->is_number_unsigned() || value->get<std::uint64_t>() >= key.entries.size())
      return std::nullopt;
    return value->get<size_t>();
  };
  std::optional<size_t> entry;
  if (auto e = req.find("entry"); e != req.end()) {
    entry = entryIndex(*e);
    if (!entry) return {{"error", "\"entry\" must be the index of one of the window's entries"}};
  }
  for (size_t i = 0; i < a->size(); ++i) {
    if (auto e = (*a)[i].find("entry"); e != (*a)[i].end()) {
      answer[i].entry = entryIndex(*e);
      if (!answer[i].entry)
        return {{"error", "an answer line's \"entry\" must be the index of one of the window's entries"}};
    }
  }
  AnswerMarking m = MarkAnswer(*desc, texts, answer, options, entry);
  auto missingJson = [](const Marking& marking) {
    json missing = json::array();
    for (size_t i = 0; i < marking.missing.size(); ++i) {
      json line = KeyLineJson(marking.missing[i], false);
      line["reason"] = marking.missingReasons[i];
      missing.push_back(line);
    }
    return missing;
  };
  json rows = json::array(), keyJson = json::array(), entries = json::array();
  for (size_t i = 0; i < m.rows.size(); ++i) {
    json row{{"mark", MarkName(m.rows[i])}, {"reason", m.reasons[i]}};
    if (m.entryOf[i]) row["entry"] = *m.entryOf[i];
    rows.push_back(row);
  }
  // The key of the entry asked for, else of the whole press.
  for (const KeyLine& line : entry ? key.entryLines[*entry] : m.key)
    keyJson.push_back(KeyLineJson(line, true));
  for (const EntryMarking& e : m.entries) {
    json entryRows = json::array();
    for (size_t j = 0; j < e.lines.size(); ++j) {
      entryRows.push_back(
          {{"line", e.lines[j]}, {"mark", MarkName(e.marking.rows[j])}, {"reason", e.marking.reasons[j]}});
    }
    entries.push_back({{"index", e.index},
                       {"heading", e.heading},
                       {"score", e.marking.score},
                       {"rows", entryRows},
                       {"missing", missingJson(e.marking)}});
  }
  json answerJson{{"window", desc->id.name()}, {"score", m.score},   {"rows", rows},
                  {"missing", missingJson(m)}, {"entries", entries}, {"key", keyJson}};
  if (entry) answerJson["entry"] = {{"index", *entry}, {"heading", m.entries.front().heading}};
  if (m.fault) answerJson["fault"] = FaultName(*m.fault);
  json warnings = json::array();
  for (const FieldWarning& w : FieldWarnings(FieldTexts(texts)))
    warnings.push_back({{"field", "Text" + std::to_string(w.n)},
                        {"text", w.text},
                        {"read_as", JsonAmount(w.reading.value)}});
  if (!warnings.empty()) answerJson["warnings"] = warnings;
  return answerJson;
}

int MarkAnswers(const Args& args) {
  if (!Options(args).wordsOnly("mark")) return kUsageError;
  if (!args.empty()) return UsageError("mark: takes no arguments (see --help)");
  std::string line, out;
  while (std::getline(std::cin, line)) {
    out += MarkRequest(line).dump(-1, ' ', false, json::error_handler_t::replace);
    out += '\n';
  }
  if (std::cin.bad()) return IoError("read the input");
  return Emit(out, 0);
}

// ---- the command table and help ----

struct Command {
  std::string_view name;
  int (*run)(const Args& args);
  std::string_view help;  // its paragraph of --help
};

constexpr Command kCommands[] = {
    {"press", PressWindow,
     "  varnello-cli press WINDOW [TextN=TEXT ...] [--format text|json|tsv|csv] [--json] [--explain]\n"
     "      One press of 确定 on a fresh window. WINDOW is a window name (Form6) or a keyword\n"
     "      (买股票). Fields not given are empty. text (the default) prints the lines as the window\n"
     "      shows them; --explain follows each amount line with its working, indented. json (also\n"
     "      --json) gives {\"window\", \"lines\", \"working\", \"entries\", \"fault\"}: \"working\"\n"
     "      parallel to \"lines\", for an amount line {\"text\", \"expr\"} (expr over the fields:\n"
     "      TextN, + - * /, pow), else null. tsv and csv give the entries as a table (摘要, 会计科目,\n"
     "      借方金额, 贷方金额, 其他金额; csv as RFC 4180, without a byte-order mark).\n"
     "      A field whose text is not read whole (1,00 reads as 1) is told on stderr (text, tsv,\n"
     "      csv) or in \"warnings\": [{\"field\", \"text\", \"read_as\"}] (json; absent when none).\n"
     "      Exit status: 0 done, 2 unknown window or field, 3 arithmetic fault (lines printed\n"
     "      before the fault are kept on stdout; the fault goes to stderr).\n"},
    {"batch", RunBatch,
     "  varnello-cli batch\n"
     "      Reads JSON lines {\"window\": \"Form6\", \"fields\": {\"Text1\": \"10\"}} from stdin and\n"
     "      writes one JSON line per request: {\"window\", \"lines\", \"entries\", \"fault\"} or\n"
     "      {\"error\"}. An entry is {\"heading\", \"rows\": [{\"account\", \"side\": \"debit\" |\n"
     "      \"credit\" | null, \"amount\", \"line\"}], \"debit\", \"credit\", \"balanced\"}, line being\n"
     "      the index into \"lines\"; debit and credit are the sums of its rows, balanced whether\n"
     "      they agree to half a 分. A row whose caption prints no side but whose entry balances\n"
     "      only on one side gets that side and \"side_inferred\": true; a line stating a balance\n"
     "      (未分配利润总) has \"balance_line\": true and is in no sum. \"warnings\" as for press.\n"
     "      Every input line gets exactly one answer line, in the same order (a blank or malformed\n"
     "      line gets an error answer), so answers pair with requests by position. A request's\n"
     "      optional \"id\" (any JSON value) is echoed first in its answer. Lines longer than 1 MiB\n"
     "      and repeated keys are answered with an error; the batch goes on. A request with\n"
     "      \"explain\": true also gets \"working\", as press --json does. Exit status: 0 done.\n"},
    {"capital", CapitalNumerals,
     "  varnello-cli capital AMOUNT...\n"
     "      Each amount in capital numerals, as on a voucher: capital 10050 prints 壹万零伍拾元整.\n"
     "      Written from the digits as given, exactly: a digit below 分 or an amount of 10^16 元\n"
     "      or more is refused (exit status 2), never rounded.\n"},
    {"describe", DescribeWindows,
     "  varnello-cli describe [WINDOW] [--json]\n"
     "      Lists every window (or one): kind, keywords with their pinyin initials, fields,\n"
     "      section captions, buttons.\n"},
    {"find", FindKeyword,
     "  varnello-cli find QUERY [--json]\n"
     "      Lists the keywords matching QUERY, best first: by their characters (股票), their pinyin\n"
     "      initials (mgp) or their full pinyin (gongzi), with window and subject. Exit status:\n"
     "      0 something matched, 1 nothing did.\n"},
    {"exercise", MakeExerciseFigures,
     "  varnello-cli exercise WINDOW [--seed N] [--entry K]\n"
     "      Figures for an exercise on the window, chosen by its field captions (rates as fractions,\n"
     "      counts as small whole numbers, money as round amounts; fields that must agree derived\n"
     "      from each other) so that the press does not fault and every entry balances without a\n"
     "      negative amount, and the question on one entry (K, an index into the press's entries;\n"
     "      by default the first with a question): {\"window\", \"seed\", \"fields\", \"entry\":\n"
     "      {\"index\", \"heading\"}, \"question\"}. The same seed gives the same figures; without one\n"
     "      a fresh seed is drawn and printed.\n"},
    {"mark", MarkAnswers,
     "  varnello-cli mark\n"
     "      Reads JSON lines {\"window\", \"fields\", \"answer\": [{\"account\", \"side\": \"借\"|\"贷\",\n"
     "      \"amount\", \"entry\"}, ...], \"entry\", \"detail\": \"required\"|\"optional\", \"unit\":\n"
     "      \"yuan\"|\"wan\", \"reveal\"} and marks the answer entry by entry against the entries the\n"
     "      window computes: with \"entry\" (an index, or exercise's {\"index\", \"heading\"}) against\n"
     "      that entry alone; without, each line against the entry it names, else the entry being\n"
     "      written (lines read in order). Accounts in their usual forms (：, ——, 进项税额, old\n"
     "      names), amounts as written (¥, grouping commas, full-width digits; within one 分 when\n"
     "      the entry balances); detail optional: the first-level account is enough; unit wan:\n"
     "      amounts in 万元; reveal: reasons give the right amounts. One JSON line each:\n"
     "      {\"window\", \"score\" (the mean of the entries'), \"rows\": [{\"mark\": \"correct\"|\n"
     "      \"wrong_side\"|\"wrong_amount\"|\"wrong_detail\"|\"not_in_key\", \"reason\", \"entry\"}],\n"
     "      \"missing\": [{\"account\", \"side\", \"reason\"}], \"entries\": [{\"index\", \"heading\",\n"
     "      \"score\", \"rows\", \"missing\"}], \"key\": [{\"account\", \"side\", \"amount\"}]} (the key of\n"
     "      the entry asked for; \"entry\" then too; \"fault\" when the press faults, \"warnings\"\n"
     "      as for press), or {\"error\"}. Exit status: 0 done.\n"},
};

std::string HelpText() {
  std::string text = "varnello-cli: compute journal entries without a screen.\n\n";
  for (const Command& c : kCommands) text += c.help;
  text += "  varnello-cli --help | --version | COMMAND --help\n";
  text +=
      "\nField names are exact (Text1, not Text01). Unknown options or arguments: exit status 2.\n"
      "Every command ends with exit status 4 when its input cannot be read or its output cannot\n"
      "be written (a message on stderr says why).\n";
  return text;
}

int Main(int argc, char** argv) {
  if (std::vector<std::string> problems = CheckWindowTables(); !problems.empty()) {
    for (const std::string& p : problems) std::cerr << "varnello-cli: window tables: " << p << "\n";
    return 1;
  }
  Args args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    return Emit(HelpText(), args.empty() ? kUsageError : 0);
  }
  if (args[0] == "--version") return Emit("varnello-cli " VARNELLO_VERSION "\n", 0);
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
