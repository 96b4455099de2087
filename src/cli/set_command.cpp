// varnello-cli set: exercise sets for a class, drawn, printed and marked.

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/commands.h"
#include "cli/module_loader.h"
#include "cli/options.h"
#include "core/files/csv.h"
#include "core/files/whole_file.h"
#include "core/practice/class_report.h"
#include "core/practice/exercise_set.h"
#include "core/practice/marking.h"
#include "core/sheets/set_sheet.h"

namespace varnello::cli {

namespace {

// The items of an option given as a comma-separated list: --subject 工资,税费 (a full-width comma
// too). `problem` as Options::value gives it.
std::vector<std::string> ListOption(Options& options, std::string_view name, std::string& problem) {
  std::vector<std::string> items;
  std::optional<std::string_view> value = options.value(name, problem);
  constexpr std::string_view kWideComma = "，";
  for (std::string_view rest = value.value_or(""); !rest.empty();) {
    size_t comma = std::min(rest.find(','), rest.find(kWideComma));
    std::string_view item = rest.substr(0, comma);
    if (!item.empty()) items.emplace_back(item);
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + (rest[comma] == ',' ? 1 : kWideComma.size()));
  }
  return items;
}

// Writes a command's output into --output FILE when given (whole or not at all), else to stdout.
int EmitTo(const std::optional<std::string_view>& output, std::string_view text) {
  if (!output) return Emit(text, 0);
  if (std::string reason = WriteWholeFile(std::string(*output), text); !reason.empty()) {
    std::cerr << "varnello-cli: cannot write " << *output << ": " << reason << "\n";
    return kIoError;
  }
  return 0;
}

int MakeExerciseSet(const Args& args) {
  Options options(args);
  SetOptions set;
  std::string problem;
  for (std::string_view name : {"--subject", "--windows"}) {
    (name == "--subject" ? set.subjects : set.windows) = ListOption(options, name, problem);
    if (!problem.empty()) return UsageError("set make: " + problem);
  }
  std::optional<std::uint64_t> seed;
  for (std::string_view name : {"--count", "--seed"}) {
    std::optional<std::string_view> n = options.value(name, problem);
    if (!problem.empty()) return UsageError("set make: " + problem);
    if (!n) continue;
    std::optional<std::uint64_t> value = WholeNumber(*n);
    if (!value) return UsageError("set make: " + std::string(name) + " takes a whole number");
    if (name == "--count") set.count = static_cast<size_t>(*value);
    if (name == "--seed") seed = value;
  }
  std::optional<std::string_view> output = options.value("--output", problem);
  if (!problem.empty()) return UsageError("set make: " + problem);
  if (!options.wordsOnly("set make")) return kUsageError;
  if (!options.words().empty()) return UsageError("set make: takes options only (see --help)");
  // Without a seed, a fresh one; the set's identifier begins with it.
  set.seed = seed ? *seed : std::random_device()();
  ExerciseSet made;
  try {
    made = MakeSet(set);
  } catch (const std::invalid_argument& e) {
    return UsageError(std::string("set make: ") + e.what());
  }
  return EmitTo(output, SetText(made));
}

// The answers files named: files as they are, and the .csv files of a folder in name order.
std::vector<AnswerFile> AnswerFiles(const Args& names) {
  namespace fs = std::filesystem;
  std::vector<AnswerFile> files;
  auto read = [&](const std::string& path) {
    AnswerFile& file = files.emplace_back();
    file.name = path;
    if (!ReadWholeFile(path, file.text)) file.error = std::string("读不出文件：") + std::strerror(errno);
  };
  for (std::string_view name : names) {
    std::error_code ec;
    if (!fs::is_directory(fs::path(name), ec)) {
      read(std::string(name));
      continue;
    }
    std::vector<std::string> inside;
    for (const fs::directory_entry& e : fs::directory_iterator(fs::path(name), ec)) {
      if (e.path().extension() == ".csv" && !e.is_directory()) inside.push_back(e.path().string());
    }
    if (ec) {
      files.push_back({std::string(name), "", "读不出文件夹：" + ec.message()});
      continue;
    }
    std::sort(inside.begin(), inside.end());
    if (inside.empty()) files.push_back({std::string(name), "", "文件夹里没有 .csv 文件"});
    for (const std::string& path : inside) read(path);
  }
  return files;
}

int MarkExerciseSet(const Args& args) {
  Options options(args);
  MarkOptions marking;
  std::string problem;
  std::optional<std::string_view> format = options.value("--format", problem);
  if (!problem.empty()) return UsageError("set mark: " + problem);
  std::optional<std::string_view> detail = options.value("--detail", problem);
  if (!problem.empty()) return UsageError("set mark: " + problem);
  std::optional<std::string_view> unit = options.value("--unit", problem);
  if (!problem.empty()) return UsageError("set mark: " + problem);
  std::optional<std::string_view> output = options.value("--output", problem);
  if (!problem.empty()) return UsageError("set mark: " + problem);
  if (detail && *detail != "required" && *detail != "optional")
    return UsageError("set mark: --detail takes required or optional");
  if (unit && *unit != "yuan" && *unit != "wan") return UsageError("set mark: --unit takes yuan or wan");
  // The exam's answer rules first; --detail and --unit given beside them say otherwise.
  if (format && !ApplyExamFormat(*format, marking))
    return UsageError("set mark: --format takes 初级 or 中级");
  if (detail) marking.detailRequired = *detail == "required";
  if (unit) marking.inWan = *unit == "wan";
  if (!options.wordsOnly("set mark")) return kUsageError;
  const Args& words = options.words();
  if (words.size() < 2)
    return UsageError("set mark: name the set and the answers files or folders (see --help)");
  if (!output) return UsageError("set mark: --output DIR is needed");

  std::string text;
  if (!ReadWholeFile(std::string(words[0]), text)) return IoError("read the set " + std::string(words[0]));
  SetReading set = ReadSet(text);
  if (!set.error.empty()) return UsageError("set mark: " + std::string(words[0]) + ": " + set.error);
  ClassMarking marked = MarkClass(set.set, AnswerFiles(Args(words.begin() + 1, words.end())), marking);

  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(*output), ec);
  if (ec) {
    std::cerr << "varnello-cli: cannot make the folder " << *output << ": " << ec.message() << "\n";
    return kIoError;
  }
  const std::string dir(*output);
  // The two reports are written together or not at all: never a new report.csv beside an old
  // report.html.
  const std::string csv = ReportCsv(marked), html = ReportHtml(marked, set.set);
  if (std::string reason = WriteWholeFiles({{dir + "/report.csv", csv}, {dir + "/report.html", html}});
      !reason.empty()) {
    std::cerr << "varnello-cli: set mark: cannot write " << reason << "\n";
    return kIoError;
  }
  for (const FileProblem& p : marked.problems)
    std::cerr << "varnello-cli: not marked: " << WithoutControls(p.file) << ": " << WithoutControls(p.reason)
              << "\n";
  std::string summary = "marked " + std::to_string(marked.students.size()) + " students on " +
                        std::to_string(set.set.exercises.size()) + " questions of set " + set.set.id;
  if (!marked.problems.empty()) summary += "; " + std::to_string(marked.problems.size()) + " not marked";
  return Emit(summary + "\n", marked.problems.empty() ? 0 : 1);
}

int PrintExerciseSet(const Args& args) {
  Options options(args);
  std::string problem;
  std::optional<std::string_view> output = options.value("--output", problem);
  if (!problem.empty()) return UsageError("set print: " + problem);
  std::optional<std::string_view> key = options.value("--key", problem);
  if (!problem.empty()) return UsageError("set print: " + problem);
  if (!options.wordsOnly("set print")) return kUsageError;
  const Args& words = options.words();
  if (words.size() != 1) return UsageError("set print: name one set file (see --help)");
  if (!output) return UsageError("set print: --output FILE is needed");
  std::string text;
  if (!ReadWholeFile(std::string(words[0]), text)) return IoError("read the set " + std::string(words[0]));
  SetReading set = ReadSet(text);
  if (!set.error.empty()) return UsageError("set print: " + std::string(words[0]) + ": " + set.error);
  std::vector<SheetQuestion> questions = SheetQuestionsOf(set.set);
  for (const SheetQuestion& q : questions) {
    if (q.problem.empty()) continue;
    std::cerr << "varnello-cli: set print: question " << q.number << ": " << q.problem
              << "; nothing written\n";
    return 1;
  }
  std::string error;
  const cli::VoucherPdfModule* module = LoadVoucherPdf(error);
  // Both documents are made before either is written: a set that cannot be printed writes nothing.
  std::vector<std::pair<std::string, std::optional<std::string>>> files;
  if (module != nullptr) {
    files.emplace_back(*output, module->document(LayoutQuestionSheet(set.set.id, questions),
                                                 "练习集 " + set.set.id, &error));
    if (key) {
      files.emplace_back(*key, module->document(LayoutKeySheet(set.set.id, questions),
                                                "练习集 " + set.set.id + " 答案", &error));
    }
  }
  for (const auto& [path, bytes] : files) {
    if (bytes) continue;
    std::cerr << "varnello-cli: cannot make " << path << ": " << error << "\n";
    return kIoError;
  }
  if (module == nullptr) {
    std::cerr << "varnello-cli: cannot make " << *output << ": " << error << "\n";
    return kIoError;
  }
  // The sheet and its key are written together or not at all; one path for both is refused.
  std::vector<FileToWrite> writes;
  for (const auto& [path, bytes] : files) writes.push_back({path, *bytes});
  if (std::string reason = WriteWholeFiles(writes); !reason.empty()) {
    std::cerr << "varnello-cli: set print: cannot write " << reason << "\n";
    return kIoError;
  }
  return 0;
}

// What set does, each part with its paragraph of --help.
constexpr Command kSetCommands[] = {
    {"make", MakeExerciseSet,
     "  varnello-cli set make [--count N] [--seed S] [--subject NAMES] [--windows NAMES] [--output FILE]\n"
     "      Draws an exercise set of N questions (10): JSON lines, one exercise each: {\"set\" (the\n"
     "      set's identifier: its seed and a checksum of its content, 7-3fa9c2d1), \"number\" (1, 2,\n"
     "      …), \"window\", \"seed\", \"entry\", \"question\", \"fields\"}. The same options give the same\n"
     "      set; without --seed a fresh one is drawn (the identifier shows it). Questions are drawn\n"
     "      from the subjects named (工资,税费: the menu's and category windows' names, or a part of\n"
     "      one: 股票 for 股票/债券) and the windows named (Form6 or a keyword); with neither, from\n"
     "      every topic window. No question (window and entry) is asked twice, and the subjects\n"
     "      take turns. Written to FILE when given (whole or not at all), else to stdout. Exit\n"
     "      status: 2 unknown subject or window, or more questions than there are.\n"},
    {"mark", MarkExerciseSet,
     "  varnello-cli set mark SET ANSWERS... --output DIR [--format 初级|中级]\n"
     "                       [--detail required|optional] [--unit yuan|wan]\n"
     "      Marks a class: every answers file (CSV: 练习集,学号,姓名,题号,会计科目,借/贷,金额; a\n"
     "      folder stands for its .csv files) against the set, every student on every question, as\n"
     "      mark marks (--format, --detail, --unit as its \"format\", \"detail\" and \"unit\": 中级\n"
     "      takes first-level accounts and amounts in 万元 to two decimals). Writes DIR/report.csv\n"
     "      (学号,姓名,题号,得分,错误数,错误: one row per student and question, the errors with their\n"
     "      reasons and the right amounts; with a byte-order mark for spreadsheet programs) and\n"
     "      DIR/report.html (totals, each question's share of students fully right, the most\n"
     "      frequent errors, a chart of the totals; a page without scripts). A file that cannot be\n"
     "      read, answers another set or has a damaged row is not marked: listed with the reason on\n"
     "      stderr and in the report. Exit status: 0 all marked, 1 some file not marked, 2 bad\n"
     "      arguments or a damaged set, 4 a file not readable or writable.\n"},
    {"print", PrintExerciseSet,
     "  varnello-cli set print SET --output FILE [--key FILE]\n"
     "      Prints the set as PDF (A4): into --output the question sheet (the set's identifier, lines\n"
     "      for 姓名 and 学号, each question 第1题 … with blank answer rows of 会计科目, 借/贷 and 金额,\n"
     "      two more than its key has lines), into --key the key (each question's entry with its\n"
     "      amounts and the working of every amount). Exit status: 1 a question of the set cannot be\n"
     "      computed, 2 bad arguments or a damaged set, 4 a file not readable or writable (nothing\n"
     "      is written then).\n"},
};

int ExerciseSets(const Args& args) {
  if (!args.empty()) {
    for (const Command& c : kSetCommands) {
      if (c.name == args[0]) return c.run(Args(args.begin() + 1, args.end()));
    }
  }
  std::string names;
  for (const Command& c : kSetCommands) names += (names.empty() ? "" : ", ") + std::string(c.name);
  if (!args.empty())
    return UsageError("set: unknown " + std::string(args[0]) + "; it takes " + names + " (see --help)");
  return UsageError("set: name what to do: " + names + " (see --help)");
}

}  // namespace

// Its paragraphs are those of its parts, one per thing it does.
extern const Command kSetCommand = {"set", ExerciseSets, "", kSetCommands};

}  // namespace varnello::cli
