#include "core/practice/exercise_set.h"

#include <simdjson.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <random>
#include <set>
#include <stdexcept>
#include <utility>

#include "core/catalogue/catalogue.h"
#include "core/files/csv.h"
#include "core/json/json_text.h"
#include "core/practice/exercise.h"

namespace varnello {

namespace {

// The figures of one window in a set are drawn from a seed of their own, made from the set's seed
// and the window, so that a window's exercise does not depend on which other windows the set
// draws. Kept to 32 bits: it is typed again as `exercise WINDOW --seed N`.
std::uint64_t WindowSeed(std::uint64_t seed, WindowId window) {
  std::uint64_t z = seed ^ (static_cast<std::uint64_t>(window.number()) * 0x9E3779B97F4A7C15ULL);
  // splitmix64's finaliser: nearby seeds give unrelated figures.
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  z ^= z >> 31;
  return z & 0xFFFFFFFFULL;
}

// Shuffles in place, the same way with every standard library (std::shuffle's order is not fixed).
template <typename T>
void Shuffle(std::vector<T>& items, std::mt19937_64& engine) {
  for (size_t i = items.size(); i > 1; --i) {
    size_t j = static_cast<size_t>(engine() % i);
    std::swap(items[i - 1], items[j]);
  }
}

// One subject and its topic windows, in table order.
struct Subject {
  std::string name;
  std::vector<WindowId> windows;
};

// A category window's title: the caption of the menu entry that shows it, or else its keyword
// (固定资产).
std::string_view CategoryTitle(const CategoryDesc& category) {
  for (const MenuEntry& m : Menu()) {
    if (m.opens == category.id) return m.caption;
  }
  for (const KeywordRow& row : Keywords()) {
    if (row.window == category.id) return row.keyword;
  }
  return {};
}

// Every subject: each category window under its title with the topic windows its buttons show,
// in window-number order; then each menu entry that shows a topic window itself (工资), with that
// window. A window may be under several subjects.
const std::vector<Subject>& Subjects() {
  static const std::vector<Subject> subjects = [] {
    std::vector<Subject> list;
    auto add = [&](std::string_view name, WindowId window) {
      if (FindTopic(window) == nullptr) return;
      auto it = std::find_if(list.begin(), list.end(), [&](const Subject& s) { return s.name == name; });
      if (it == list.end()) it = list.insert(list.end(), Subject{std::string(name), {}});
      if (std::find(it->windows.begin(), it->windows.end(), window) == it->windows.end())
        it->windows.push_back(window);
    };
    for (const CategoryDesc& c : Categories()) {
      for (const CategoryButton& b : c.buttons) add(CategoryTitle(c), b.opens);
    }
    for (const MenuEntry& m : Menu()) add(m.caption, m.opens);
    return list;
  }();
  return subjects;
}

// The first subject a window is under; empty for a window under none.
std::string FirstSubject(WindowId window) {
  for (const Subject& s : Subjects()) {
    if (std::find(s.windows.begin(), s.windows.end(), window) != s.windows.end()) return s.name;
  }
  return {};
}

// A subject as the user names it: its whole name ("股票/债券"), one of its parts ("股票"), or
// the name of its menu entry.
const Subject* FindSubject(std::string_view name) {
  for (const Subject& s : Subjects()) {
    if (s.name == name) return &s;
  }
  for (const Subject& s : Subjects()) {
    std::string_view rest = s.name;
    while (!rest.empty()) {
      size_t slash = rest.find('/');
      if (rest.substr(0, slash) == name) return &s;
      if (slash == std::string_view::npos) break;
      rest.remove_prefix(slash + 1);
    }
  }
  for (const MenuEntry& m : Menu()) {
    if (m.name != name) continue;
    for (const Subject& s : Subjects()) {
      if (s.name == m.caption) return &s;
    }
  }
  return nullptr;
}

std::string SubjectNames() {
  std::string names;
  for (const Subject& s : Subjects()) {
    if (!names.empty()) names += "、";
    names += s.name;
  }
  return names;
}

// A topic window named by its name (Form6) or a keyword (买股票).
const TopicDesc* TopicNamed(std::string_view name) {
  std::optional<WindowId> id = WindowId::Parse(name);
  if (!id) id = DispatchKeyword(name);
  return id ? FindTopic(*id) : nullptr;
}

// The exercises one window offers in a set: its figures and the entries they ask questions of.
struct Offer {
  std::uint64_t seed = 0;
  std::map<int, std::string> fields;
  std::vector<size_t> entries;
};

// The content of an exercise as written after its "set": what the checksum is taken over.
void AppendBody(std::string& out, const SetExercise& e) {
  out += "\"number\":" + std::to_string(e.number);
  out += ",\"window\":";
  AppendJsonString(out, e.window);
  out += ",\"seed\":" + std::to_string(e.seed);
  out += ",\"entry\":" + std::to_string(e.entry);
  out += ",\"question\":";
  AppendJsonString(out, e.question);
  out += ",\"fields\":{";
  bool first = true;
  for (const auto& [n, text] : e.fields) {
    if (!first) out += ',';
    first = false;
    AppendJsonString(out, "Text" + std::to_string(n));
    out += ':';
    AppendJsonString(out, text);
  }
  out += "}}";
}

// FNV-1a over every exercise's content, folded to 32 bits.
std::string Checksum(const std::vector<SetExercise>& exercises) {
  std::uint64_t h = 0xCBF29CE484222325ULL;
  std::string body;
  for (const SetExercise& e : exercises) {
    body.clear();
    AppendBody(body, e);
    body += '\n';
    for (unsigned char c : body) {
      h ^= c;
      h *= 0x100000001B3ULL;
    }
  }
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>((h >> 32) ^ (h & 0xFFFFFFFFULL)));
  return hex;
}

std::string SetId(std::uint64_t seed, const std::vector<SetExercise>& exercises) {
  return std::to_string(seed) + "-" + Checksum(exercises);
}

std::optional<std::uint64_t> WholeNumber(std::string_view text) {
  std::uint64_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::string RowError(size_t row, std::string_view reason) {
  return "第 " + std::to_string(row) + " 行：" + std::string(reason);
}

}  // namespace

ExerciseSet MakeSet(const SetOptions& options) {
  // The groups that take turns: each subject asked for, then the windows asked for under the
  // subject they are first listed in; with neither, every topic window under its first subject.
  std::vector<Subject> groups;
  auto add = [&](const std::string& name, WindowId window) {
    auto it = std::find_if(groups.begin(), groups.end(), [&](const Subject& s) { return s.name == name; });
    if (it == groups.end()) it = groups.insert(groups.end(), Subject{name, {}});
    if (std::find(it->windows.begin(), it->windows.end(), window) == it->windows.end())
      it->windows.push_back(window);
  };
  for (const std::string& name : options.subjects) {
    const Subject* subject = FindSubject(name);
    if (subject == nullptr)
      throw std::invalid_argument("没有这个类别：" + name + "（类别有：" + SubjectNames() + "）");
    for (WindowId w : subject->windows) add(subject->name, w);
  }
  for (const std::string& name : options.windows) {
    const TopicDesc* desc = TopicNamed(name);
    if (desc == nullptr && FindSubject(name) != nullptr)
      throw std::invalid_argument(name + " 是类别，不是业务窗口");
    if (desc == nullptr) throw std::invalid_argument("没有这个业务窗口或关键字：" + name);
    add(FirstSubject(desc->id), desc->id);
  }
  if (options.subjects.empty() && options.windows.empty()) {
    for (const TopicDesc* desc : AllTopics()) add(FirstSubject(desc->id), desc->id);
  }
  if (options.count == 0) throw std::invalid_argument("题数至少为 1");

  // What each window offers: one draw of figures, and a question on each entry that has one.
  std::map<WindowId, Offer> offers;
  size_t available = 0;
  for (const Subject& g : groups) {
    for (WindowId w : g.windows) {
      if (offers.count(w) != 0) continue;
      const TopicDesc& desc = *FindTopic(w);
      Offer& offer = offers[w];
      offer.seed = WindowSeed(options.seed, w);
      offer.fields = MakeExercise(desc, offer.seed);
      offer.entries = KeyOf(desc, offer.fields).questions;
      available += offer.entries.size();
    }
  }
  if (options.count > available) {
    throw std::invalid_argument("只有 " + std::to_string(available) + " 道题可出，出不了 " +
                                std::to_string(options.count) + " 道");
  }

  // Each group's order of questions: its windows shuffled, then the first entry of each window
  // (an entry drawn from the window's own), then the second, so that a group moves on to another
  // window before it asks a window again.
  std::mt19937_64 engine(options.seed);
  Shuffle(groups, engine);
  std::vector<std::vector<std::pair<WindowId, size_t>>> queues;
  for (Subject& g : groups) {
    Shuffle(g.windows, engine);
    std::vector<std::vector<size_t>> entries;
    size_t rounds = 0;
    for (WindowId w : g.windows) {
      entries.push_back(offers[w].entries);
      Shuffle(entries.back(), engine);
      rounds = std::max(rounds, entries.back().size());
    }
    std::vector<std::pair<WindowId, size_t>>& queue = queues.emplace_back();
    for (size_t r = 0; r < rounds; ++r) {
      for (size_t i = 0; i < g.windows.size(); ++i) {
        if (r < entries[i].size()) queue.emplace_back(g.windows[i], entries[i][r]);
      }
    }
  }

  // The groups take turns, one question each, skipping a question already asked (a window under
  // two subjects) and a group with none left.
  ExerciseSet set;
  set.seed = options.seed;
  std::set<std::pair<WindowId, size_t>> asked;
  std::vector<size_t> next(queues.size(), 0);
  while (set.exercises.size() < options.count) {
    bool any = false;
    for (size_t g = 0; g < queues.size() && set.exercises.size() < options.count; ++g) {
      while (next[g] < queues[g].size() && asked.count(queues[g][next[g]]) != 0) ++next[g];
      if (next[g] == queues[g].size()) continue;
      auto [window, entry] = queues[g][next[g]++];
      asked.insert({window, entry});
      any = true;
      const Offer& offer = offers[window];
      SetExercise& e = set.exercises.emplace_back();
      e.number = static_cast<int>(set.exercises.size());
      e.window = std::string(window.name());
      e.seed = offer.seed;
      e.entry = entry;
      e.fields = offer.fields;
      e.question = QuestionText(*FindTopic(window), offer.fields, entry);
    }
    if (!any) break;  // cannot happen: `available` counted every distinct question
  }
  set.id = SetId(set.seed, set.exercises);
  return set;
}

std::string SetText(const ExerciseSet& set) {
  std::string out;
  for (const SetExercise& e : set.exercises) {
    out += "{\"set\":";
    AppendJsonString(out, set.id);
    out += ',';
    AppendBody(out, e);
    out += '\n';
  }
  return out;
}

SetReading ReadSet(std::string_view text) {
  SetReading reading;
  // A byte-order mark, as editors on Windows write before UTF-8 text, is no part of the JSON.
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  if (!simdjson::validate_utf8(text.data(), text.size())) {
    reading.error = "练习集文件不是 UTF-8 文本";
    return reading;
  }
  simdjson::dom::parser parser;
  std::string id;
  size_t row = 0;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++row;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
    auto fail = [&](std::string_view reason) {
      reading.error = RowError(row, reason);
      return reading;
    };
    simdjson::dom::element doc;
    if (parser.parse(simdjson::padded_string(line)).get(doc) != simdjson::SUCCESS) return fail("不是 JSON");
    simdjson::dom::object object;
    if (doc.get_object().get(object) != simdjson::SUCCESS) return fail("不是 JSON 对象");
    static constexpr std::string_view kKeys[] = {"set",   "number",   "window", "seed",
                                                 "entry", "question", "fields"};
    std::set<std::string_view> seen;
    for (auto field : object) {
      if (std::find(std::begin(kKeys), std::end(kKeys), field.key) == std::end(kKeys))
        return fail("多了 \"" + std::string(field.key) + "\"");
      if (!seen.insert(field.key).second) return fail("\"" + std::string(field.key) + "\" 出现两次");
    }
    std::string_view setId, window, question;
    std::uint64_t number = 0, seed = 0, entry = 0;
    simdjson::dom::object fields;
    if (object["set"].get(setId) || object["window"].get(window) || object["question"].get(question))
      return fail("\"set\"、\"window\"、\"question\" 应为文字");
    if (object["number"].get(number) || object["seed"].get(seed) || object["entry"].get(entry))
      return fail("\"number\"、\"seed\"、\"entry\" 应为非负整数");
    if (object["fields"].get(fields)) return fail("\"fields\" 应为对象");
    if (id.empty()) id = setId;
    if (setId != id) return fail("练习集 " + std::string(setId) + " 与第一题的 " + id + " 不同");
    SetExercise& e = reading.set.exercises.emplace_back();
    if (number != reading.set.exercises.size()) {
      return fail("题号应为 " + std::to_string(reading.set.exercises.size()) + "，却是 " +
                  std::to_string(number));
    }
    e.number = static_cast<int>(number);
    const TopicDesc* desc = nullptr;
    if (std::optional<WindowId> w = WindowId::Parse(window)) desc = FindTopic(*w);
    if (desc == nullptr) return fail("没有业务窗口 " + std::string(window));
    e.window = std::string(window);
    e.seed = seed;
    e.entry = static_cast<size_t>(entry);
    e.question = std::string(question);
    for (auto field : fields) {
      std::string_view value;
      int n = FieldNumber(field.key);
      if (n == 0 || !HasField(*desc, n)) return fail(e.window + " 没有输入框 " + std::string(field.key));
      if (field.value.get(value)) return fail(std::string(field.key) + " 应为文字");
      if (!e.fields.emplace(n, std::string(value)).second) return fail(std::string(field.key) + " 出现两次");
    }
    const std::vector<size_t> questions = KeyOf(*desc, e.fields).questions;
    if (std::find(questions.begin(), questions.end(), e.entry) == questions.end())
      return fail(e.window + " 的第 " + std::to_string(e.entry) + " 个分录不能出题");
  }
  if (reading.set.exercises.empty()) {
    reading.error = "练习集是空的";
    return reading;
  }
  size_t dash = id.find('-');
  std::optional<std::uint64_t> seed = WholeNumber(std::string_view(id).substr(0, dash));
  reading.set.id = id;
  if (seed) reading.set.seed = *seed;
  if (dash == std::string::npos || !seed || SetId(*seed, reading.set.exercises) != id) {
    reading.error = "练习集 " + id + " 的校验码不符：文件内容被改动过";
  }
  return reading;
}

namespace {

constexpr std::string_view kAnswersHeader[] = {"练习集", "学号", "姓名", "题号", "会计科目", "借/贷", "金额"};

}  // namespace

std::string AnswersCsv(const SetAnswers& answers) {
  std::string out;
  AppendCsvRow(out, {kAnswersHeader[0], kAnswersHeader[1], kAnswersHeader[2], kAnswersHeader[3],
                     kAnswersHeader[4], kAnswersHeader[5], kAnswersHeader[6]});
  // A student who wrote nothing still hands in a sheet: one row without an answer line.
  if (answers.lines.empty())
    AppendCsvRow(out, {answers.setId, answers.studentId, answers.name, "", "", "", ""});
  for (const SetAnswerLine& l : answers.lines) {
    std::string number = std::to_string(l.number);
    AppendCsvRow(out, {answers.setId, answers.studentId, answers.name, number, l.line.account, l.line.side,
                       l.line.amount});
  }
  return out;
}

AnswersReading ReadAnswersCsv(std::string_view text, const ExerciseSet& set) {
  AnswersReading reading;
  // Record by record: only the answers are kept, never the file's cells all at once.
  CsvReader reader(text);
  CsvRecord record;
  bool headed = false;
  std::map<std::string, size_t> studentAt;  // 学号 → index in `students`
  auto fail = [&](size_t line, std::string_view reason) {
    reading.error = RowError(line, reason);
    reading.students.clear();
    return reading;
  };
  while (reader.Next(record)) {
    const std::vector<std::string>& f = record.fields;
    // Blank lines carry nothing.
    if (f.size() == 1 && f[0].empty()) continue;
    if (!headed) {
      if (!std::equal(f.begin(), f.end(), std::begin(kAnswersHeader), std::end(kAnswersHeader))) break;
      headed = true;
      continue;
    }
    if (f.size() != 7) return fail(record.line, "应有 7 列，却有 " + std::to_string(f.size()) + " 列");
    if (f[0] != set.id) return fail(record.line, "答的是练习集 " + f[0] + "，不是本练习集 " + set.id);
    if (f[1].empty()) return fail(record.line, "学号是空的");
    bool blank = f[4].empty() && f[5].empty() && f[6].empty();
    std::optional<std::uint64_t> number = WholeNumber(f[3]);
    if (!(blank && f[3].empty()) && (!number || *number == 0 || *number > set.exercises.size())) {
      return fail(record.line,
                  "题号 " + f[3] + " 不在 1 到 " + std::to_string(set.exercises.size()) + " 之间");
    }
    auto [at, fresh] = studentAt.emplace(f[1], reading.students.size());
    if (fresh) reading.students.push_back(SetAnswers{set.id, f[1], f[2], {}});
    SetAnswers& student = reading.students[at->second];
    if (student.name != f[2])
      return fail(record.line, "学号 " + f[1] + " 前面的姓名是 " + student.name + "，这里是 " + f[2]);
    if (!blank) student.lines.push_back({static_cast<int>(*number), AnswerLine{f[4], f[5], f[6]}});
  }
  if (!reader.error().empty()) {
    reading.error = reader.error();
    reading.students.clear();
    return reading;
  }
  if (!headed) {
    std::string header;
    for (std::string_view h : kAnswersHeader) header += (header.empty() ? "" : ",") + std::string(h);
    return fail(record.fields.empty() ? 1 : record.line, "表头应为 " + header);
  }
  if (reading.students.empty()) reading.error = "没有答题行";
  return reading;
}

std::vector<std::string> SetSubjects() {
  std::vector<std::string> names;
  for (const Subject& s : Subjects()) names.push_back(s.name);
  return names;
}

}  // namespace varnello
