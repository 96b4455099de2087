// varnello-cli: the journal calculator without a screen. Presses a window's 确定 with given
// field texts, runs batches of presses from JSON lines, describes the windows, finds keywords,
// makes exercise figures and marks students' answers.
//
// Each command is one function taking its arguments and returning the exit status, plus one
// entry in kCommands with its part of the help text.
#include <dlfcn.h>
#include <simdjson.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "cli/mark.h"
#include "cli/voucher_pdf.h"
#include "core/accounts/chart.h"
#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "core/entries/capital.h"
#include "core/entries/entries.h"
#include "core/entries/table.h"
#include "core/files/whole_file.h"
#include "core/journal/journal.h"
#include "core/journal/number_text.h"
#include "core/json/json_writer.h"
#include "core/layout/layout.h"
#include "core/practice/class_report.h"
#include "core/practice/exercise.h"
#include "core/practice/exercise_set.h"
#include "core/practice/marking.h"
#include "core/search/keyword_index.h"
#include "core/vouchers/set_sheet.h"
#include "core/vouchers/voucher.h"
#include "core/vouchers/voucher_layout.h"

namespace varnello {
namespace {

using cli::AppendPressAnswer;
using cli::CheckRequest;
using cli::ResolveWindow;

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

  // The value of an option given as "NAME VALUE" or "NAME=VALUE" (taken out of the words);
  // nothing when not given. `problem` tells of NAME ending the words or given twice.
  std::optional<std::string_view> value(std::string_view name, std::string& problem) {
    std::optional<std::string_view> found;
    problem.clear();
    for (auto it = words_.begin(); it != words_.end();) {
      std::optional<std::string_view> given;
      if (*it == name) {
        it = words_.erase(it);
        if (it == words_.end()) {
          problem = std::string(name) + " needs a value";
          break;
        }
        given = *it;
        it = words_.erase(it);
      } else if (it->size() > name.size() && it->starts_with(name) && (*it)[name.size()] == '=') {
        given = it->substr(name.size() + 1);
        it = words_.erase(it);
      } else {
        ++it;
        continue;
      }
      if (found) problem = std::string(name) + " given twice";
      found = given;
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
int PressExit(std::string_view out, const EntryRecord& r, bool explain) {
  if (!WriteAll(STDOUT_FILENO, out)) return IoError("write the output");
  if (r.fault()) {
    std::cerr << "varnello-cli: " << FaultName(*r.fault()) << " (" << FaultMessage(*r.fault()) << ")\n";
    if (explain && !r.faultText().empty()) std::cerr << "varnello-cli: " << r.faultText() << "\n";
    return kFaultExit;
  }
  return 0;
}

// ---- files and the books: account charts, vouchers, import files ----

// Reads a whole file; false (errno set) when it cannot.
bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

// The chart given by --chart FILE over the standard one; or the exit status of the failure.
std::optional<Chart> ChartOption(Options& options, std::string_view command, int& status) {
  std::string problem;
  std::optional<std::string_view> file = options.value("--chart", problem);
  status = 0;
  if (!problem.empty()) {
    status = UsageError(std::string(command) + ": " + problem);
    return std::nullopt;
  }
  if (!file) return Chart::Standard();
  std::string csv;
  if (!ReadWholeFile(std::string(*file), csv)) {
    status = IoError("read the chart " + std::string(*file));
    return std::nullopt;
  }
  std::string error;
  std::optional<Chart> chart = Chart::WithUserCsv(csv, &error);
  if (!chart) status = UsageError(std::string(command) + ": chart " + std::string(*file) + ": " + error);
  return chart;
}

// The options of vouchers and import files: --date, --word, --number, --attachments, --preparer,
// --per-page, --digit-grid. Empty (and a message on stderr) when one is not valid.
struct BookOptions {
  VoucherOptions voucher;
  VoucherLayoutOptions layout;
};
std::optional<BookOptions> ParseBookOptions(Options& options) {
  BookOptions book;
  bool missing = false;  // a value missing or given twice, told on stderr
  auto value = [&](std::string_view name) {
    std::string problem;
    std::optional<std::string_view> v = options.value(name, problem);
    missing = !problem.empty();
    if (missing) UsageError("press: " + problem);
    return v;
  };
  auto whole = [&](std::string_view name, int low, int high, int& out) {
    std::optional<std::string_view> v = value(name);
    if (missing) return false;
    if (!v) return true;
    auto [end, ec] = std::from_chars(v->data(), v->data() + v->size(), out);
    if (ec != std::errc() || end != v->data() + v->size() || out < low || out > high) {
      UsageError("press: " + std::string(name) + " takes a whole number from " + std::to_string(low) +
                 " to " + std::to_string(high));
      return false;
    }
    return true;
  };
  std::optional<std::string_view> date = value("--date");
  if (missing) return std::nullopt;
  if (date) {
    book.voucher.date = std::string(*date);
  } else {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    book.voucher.date = text;
  }
  if (!ParseVoucherDate(book.voucher.date)) {
    UsageError("press: --date takes a date as YYYY-MM-DD, not " + book.voucher.date);
    return std::nullopt;
  }
  std::optional<std::string_view> word = value("--word");
  if (missing) return std::nullopt;
  if (word) book.voucher.word = std::string(*word);
  std::optional<std::string_view> preparer = value("--preparer");
  if (missing) return std::nullopt;
  if (preparer) book.voucher.preparer = std::string(*preparer);
  if (!whole("--number", 1, 99999999, book.voucher.firstNumber) ||
      !whole("--attachments", 0, 9999, book.voucher.attachments) ||
      !whole("--per-page", 1, 3, book.layout.perPage)) {
    return std::nullopt;
  }
  book.layout.digitGrid = options.flag("--digit-grid");
  return book;
}

// The PDF module, from the installed program's folder for it (relative to the binary) or the
// binary's own folder (the build tree); loaded once. Null, with the loader's reason, when none loads.
const cli::VoucherPdfModule* LoadVoucherPdf(std::string& error) {
  static const cli::VoucherPdfModule* loaded = nullptr;
  if (loaded != nullptr) return loaded;
  std::string self(4096, '\0');
  ssize_t n = ::readlink("/proc/self/exe", self.data(), self.size() - 1);
  std::string bin = n > 0 ? self.substr(0, static_cast<size_t>(n)) : std::string();
  bin = bin.substr(0, bin.rfind('/') + 1);
  error = "libvarnello-voucher-pdf.so not found in " + bin + VARNELLO_MODULE_DIR + " or " + bin;
  for (const std::string& folder : {bin + VARNELLO_MODULE_DIR + "/", bin}) {
    std::string path = folder + "libvarnello-voucher-pdf.so";
    if (::access(path.c_str(), F_OK) != 0) continue;
    // Kept loaded until the program ends.
    void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    using Entry = const cli::VoucherPdfModule* (*)();
    auto entry =
        module != nullptr ? reinterpret_cast<Entry>(::dlsym(module, "varnello_voucher_pdf")) : nullptr;
    if (entry != nullptr) return loaded = entry();
    const char* reason = ::dlerror();
    error = reason != nullptr ? reason : "cannot load " + path;
  }
  return nullptr;
}

// The press's entries booked as vouchers into the file of the format; refused entries are told
// on stderr. A press that faulted books nothing.
int WriteBooks(std::string_view format, const std::string& output, const BookOptions& book,
               const Chart& chart, const EntryRecord& r, std::string_view summary) {
  if (r.fault()) return PressExit("", r, false);
  VoucherSet set = VouchersOf(EntriesOf(r), chart, book.voucher, summary);
  for (const RefusedEntry& refused : set.refused) {
    std::cerr << "varnello-cli: not booked: " << (refused.heading.empty() ? "(no heading)" : refused.heading)
              << ": " << refused.reason << "\n";
  }
  if (set.vouchers.empty()) {
    std::cerr << "varnello-cli: no entry to book; " << output << " not written\n";
    return 1;
  }
  std::optional<std::string> bytes;
  std::string error;
  if (format == "import-csv") {
    bytes = ImportCsv(set, book.voucher);
  } else if (const cli::VoucherPdfModule* module = LoadVoucherPdf(error)) {
    bytes = format == "xlsx"
                ? module->workbook(set, book.voucher, *ParseVoucherDate(book.voucher.date), &error)
                : module->render(LayoutVouchers(set, book.voucher, book.layout), &error);
  }
  if (!bytes) {
    std::cerr << "varnello-cli: cannot make " << output << ": " << error << "\n";
    return kIoError;
  }
  if (std::string reason = WriteWholeFile(output, *bytes); !reason.empty()) {
    std::cerr << "varnello-cli: cannot write " << output << ": " << reason << "\n";
    return kIoError;
  }
  return 0;
}

constexpr std::string_view kPressFormats = "text, json, tsv, csv, xlsx, import-csv or voucher-pdf";

int PressWindow(const Args& args) {
  if (args.empty()) {
    std::cerr << "press: name a window or keyword (see --help)\n";
    return kUsageError;
  }
  Options options(args);
  std::string problem;
  std::string_view format = options.value("--format", problem).value_or("text");
  if (options.flag("--json")) format = "json";
  if (problem.ends_with("needs a value"))
    return UsageError("press: --format needs one of " + std::string(kPressFormats));
  if (!problem.empty()) return UsageError("press: " + problem);
  const bool books = format == "xlsx" || format == "import-csv" || format == "voucher-pdf";
  if (format != "text" && format != "json" && format != "tsv" && format != "csv" && !books) {
    return UsageError("press: unknown format " + std::string(format) + " (" + std::string(kPressFormats) +
                      ")");
  }
  std::optional<std::string_view> output = options.value("--output", problem);
  if (!problem.empty()) return UsageError("press: " + problem);
  if (books && !output) return UsageError("press: --format " + std::string(format) + " needs --output FILE");
  if (output && !books)
    return UsageError("press: --output goes with --format xlsx, import-csv or voucher-pdf");
  int status = 0;
  std::optional<Chart> chart = ChartOption(options, "press", status);
  if (!chart) return status;
  std::optional<BookOptions> book = ParseBookOptions(options);
  if (!book) return kUsageError;
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
    for (const FieldText& t : texts) {
      if (t.n == n) return UsageError("press: field " + std::string(a.substr(0, eq)) + " given twice");
    }
    texts.push_back({n, a.substr(eq + 1)});
  }
  std::string out;
  if (format == "json") {
    EntryRecord r = PressOnce(*desc, texts, true);
    AppendPressAnswer(out, {}, desc->id.name(), r, true, texts);
    out += '\n';
    return PressExit(out, r, explain);
  }
  // A field not read whole is told on stderr, where it cannot mix with the lines.
  for (const FieldWarning& w : FieldWarnings(texts))
    std::cerr << "varnello-cli: Text" << w.n << " " << ReadingNote(w.reading) << "\n";
  EntryRecord r = PressOnce(*desc, texts, explain);
  if (books) {
    // An entry without a heading is summarised by the case's keyword.
    std::string_view summary = words[0];
    if (summary == desc->id.name()) {
      for (const KeywordRow& row : Keywords()) {
        if (row.window == desc->id) {
          summary = row.keyword;
          break;
        }
      }
    }
    return WriteBooks(format, std::string(*output), *book, *chart, r, summary);
  }
  if (format == "tsv") {
    out = ToTsv(TableOf(EntriesOf(r)));
  } else if (format == "csv") {
    out = ToCsv(TableOf(EntriesOf(r)), false);
  } else {
    for (size_t i = 0; i < r.lines().size(); ++i) {
      out += r.lines()[i];
      out += '\n';
      if (const WorkingLine* w = r.workingOf(i)) {
        for (const std::string& shown : IndentedWorking(*w)) out += shown + "\n";
      }
    }
  }
  return PressExit(out, r, explain);
}

// ---- accounts ----

int ListAccounts(const Args& args) {
  Options options(args);
  bool asJson = options.flag("--json");
  int status = 0;
  std::optional<Chart> chart = ChartOption(options, "accounts", status);
  if (!chart) return status;
  if (!options.wordsOnly("accounts")) return kUsageError;
  if (!options.words().empty()) return UsageError("accounts: takes no arguments (see --help)");
  struct Listed {
    PrintedAccount printed;
    std::optional<AccountCode> code;
  };
  std::vector<Listed> listed;
  for (PrintedAccount& a : PrintedAccounts()) {
    std::optional<AccountCode> code = chart->Find(a.account);
    listed.push_back({std::move(a), std::move(code)});
  }
  std::stable_sort(listed.begin(), listed.end(), [](const Listed& a, const Listed& b) {
    return (a.code ? a.code->code : "~") < (b.code ? b.code->code : "~");
  });
  bool uncoded = false;
  std::string out;
  JsonWriter json(out);
  if (asJson) json.beginObject().key("accounts").beginArray();
  for (const Listed& l : listed) {
    uncoded = uncoded || !l.code;
    if (asJson) {
      json.beginObject().key("account").string(l.printed.account);
      // A user's chart may name its accounts in another encoding: JSON text stays UTF-8.
      auto part = [&](std::string_view key, const std::string AccountCode::*text) {
        json.key(key);
        l.code ? json.string(ValidUtf8(l.code.value().*text)) : json.null();
      };
      part("code", &AccountCode::code);
      part("name", &AccountCode::name);
      part("general", &AccountCode::general);
      part("general_code", &AccountCode::generalCode);
      part("detail", &AccountCode::detail);
      json.key("windows").beginArray();
      for (const std::string& w : l.printed.windows) json.string(w);
      json.endArray().endObject();
      continue;
    }
    out += l.code ? l.code->code : "----";
    out += "\t" + l.printed.account + "\t" + (l.code ? l.code->name : "(no code)") + "\t";
    for (std::size_t i = 0; i < l.printed.windows.size(); ++i) out += (i ? " " : "") + l.printed.windows[i];
    out += "\n";
  }
  if (asJson) {
    json.endArray().endObject();
    out += '\n';
  }
  return Emit(out, uncoded ? 1 : 0);
}

// ---- batch ----

using cli::BatchAnswerer;
using cli::kMaxRequest;
constexpr size_t kReadChunk = size_t{1} << 16;

// Reads standard input as lines (without their line feed). A line's bytes are followed by at
// least simdjson::SIMDJSON_PADDING readable bytes. A line longer than kMaxRequest is not kept
// (memory stays bounded): it comes back as TooLong. Before any read that may wait for input, the
// answers not yet written are written, so that a client sending one request at a time gets each
// answer while the input stays open.
class LineReader {
 public:
  enum class Result { Line, TooLong, End, ReadError, WriteError };

  explicit LineReader(std::string& pending) : pending_(pending) {}

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
      if (!pending_.empty()) {
        if (!WriteAll(STDOUT_FILENO, pending_)) return Result::WriteError;
        pending_.clear();
      }
      ssize_t n = ::read(STDIN_FILENO, buf_.data() + end_, kReadChunk);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return Result::ReadError;
      if (n == 0) eof_ = true;
      end_ += static_cast<size_t>(n);
    }
  }

 private:
  std::string& pending_;
  std::vector<char> buf_ = std::vector<char>(kReadChunk + simdjson::SIMDJSON_PADDING);
  size_t begin_ = 0, end_ = 0;
  bool eof_ = false;
};

// Answers JSON request lines from standard input, one answer line each on standard output, as
// they come: answers are written before the program waits for more input, and whenever 64 KiB
// of them have built up, so memory stays flat however many lines come.
template <typename Answerer>
int AnswerLines(const Args& args, std::string_view command) {
  if (!Options(args).wordsOnly(command)) return kUsageError;
  if (!args.empty()) return UsageError(std::string(command) + ": takes no arguments (see --help)");
  Answerer answerer;
  std::string out;
  LineReader reader(out);
  std::string_view line;
  for (;;) {
    LineReader::Result r = reader.next(line);
    if (r == LineReader::Result::WriteError) return IoError("write the output");
    if (r == LineReader::Result::ReadError) {
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

int RunBatch(const Args& args) {
  return AnswerLines<BatchAnswerer>(args, "batch");
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

// ---- find ----

int FindKeyword(const Args& args) {
  Options options(args);
  bool asJson = options.flag("--json");
  if (!options.wordsOnly("find")) return kUsageError;
  if (options.words().size() != 1) return UsageError("find: give one query (see --help)");
  std::string_view query = options.words()[0];
  std::vector<KeywordMatch> matches = FindKeywords(query);
  const int status = matches.empty() ? 1 : 0;
  std::string out;
  if (asJson) {
    JsonWriter json(out);
    json.beginObject().key("query").string(query).key("matches").beginArray();
    for (const KeywordMatch& m : matches) {
      json.beginObject().key("keyword").string(m.entry->keyword).key("window").string(m.entry->window.name());
      json.key("subject").string(m.entry->subject).key("pinyin").string(m.entry->syllables);
      json.key("initials").string(m.entry->initials).key("match").string(MatchKindName(m.kind)).endObject();
    }
    json.endArray().endObject();
    return Emit(out + "\n", status);
  }
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
  for (std::string_view name : {"--seed", "--entry"}) {
    std::string problem;
    std::optional<std::string_view> n = options.value(name, problem);
    std::string what = "exercise: " + std::string(name) + " takes a whole number";
    if (problem.ends_with("needs a value")) return UsageError(what);
    if (!problem.empty()) return UsageError("exercise: " + problem);
    if (!n) continue;
    std::optional<std::uint64_t> value = WholeNumber(*n);
    if (!value) return UsageError(what);
    (name == "--seed" ? seed : entry) = value;
  }
  if (!options.wordsOnly("exercise")) return kUsageError;
  const Args& words = options.words();
  if (words.size() != 1) return UsageError("exercise: name one window or keyword (see --help)");
  const TopicDesc* desc = nullptr;
  std::string error = CheckRequest(ResolveWindow(words[0]), std::string(words[0]), desc);
  if (!error.empty()) return UsageError(error);
  // Without a seed, a fresh one; it is printed, so that the exercise can be given again.
  if (!seed) seed = std::random_device()();
  std::map<int, std::string> texts = MakeExercise(*desc, *seed);
  // The question: the entry asked for, else the window's first.
  AnswerKey key = KeyOf(*desc, texts);
  if (entry && std::find(key.questions.begin(), key.questions.end(), *entry) == key.questions.end()) {
    return UsageError("exercise: " + std::string(desc->id.name()) + " has no question in entry " +
                      std::to_string(*entry) + " (entries with questions: " + QuestionList(key) + ")");
  }
  if (!entry && !key.questions.empty()) entry = key.questions.front();
  // {"window", "seed", "fields": {"Text1": …}}, and "entry": {"index", "heading"} and "question"
  // when the window asks one.
  std::string out;
  JsonWriter json(out);
  json.beginObject().key("window").string(desc->id.name()).key("seed").integer(*seed);
  json.key("fields").beginObject();
  for (const auto& [n, text] : texts) json.key("Text" + std::to_string(n)).string(text);
  json.endObject();
  if (entry) {
    json.key("entry").beginObject().key("index").integer(*entry);
    json.key("heading").string(key.entries[*entry].heading).endObject();
    json.key("question").string(QuestionText(*desc, texts, *entry));
  }
  json.endObject();
  return Emit(out + "\n", 0);
}

int MarkAnswers(const Args& args) {
  return AnswerLines<cli::MarkAnswerer>(args, "mark");
}

// ---- set: exercise sets for a class ----

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
  std::optional<std::string_view> detail = options.value("--detail", problem);
  if (!problem.empty()) return UsageError("set mark: " + problem);
  std::optional<std::string_view> unit = options.value("--unit", problem);
  if (!problem.empty()) return UsageError("set mark: " + problem);
  std::optional<std::string_view> output = options.value("--output", problem);
  if (!problem.empty()) return UsageError("set mark: " + problem);
  if (detail && *detail != "required" && *detail != "optional")
    return UsageError("set mark: --detail takes required or optional");
  if (unit && *unit != "yuan" && *unit != "wan") return UsageError("set mark: --unit takes yuan or wan");
  marking.detailRequired = detail.value_or("required") == "required";
  marking.inWan = unit.value_or("yuan") == "wan";
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
  for (const auto& [name, bytes] : {std::pair{"/report.csv", ReportCsv(marked)},
                                    std::pair{"/report.html", ReportHtml(marked, set.set)}}) {
    if (std::string reason = WriteWholeFile(dir + name, bytes); !reason.empty()) {
      std::cerr << "varnello-cli: cannot write " << dir << name << ": " << reason << "\n";
      return kIoError;
    }
  }
  for (const FileProblem& p : marked.problems)
    std::cerr << "varnello-cli: not marked: " << p.file << ": " << p.reason << "\n";
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
  for (const auto& [path, bytes] : files) {
    if (std::string reason = WriteWholeFile(path, *bytes); !reason.empty()) {
      std::cerr << "varnello-cli: cannot write " << path << ": " << reason << "\n";
      return kIoError;
    }
  }
  return 0;
}

// The commands of `set`, each with its paragraph of --help.
struct SetCommand {
  std::string_view name;
  int (*run)(const Args& args);
  std::string_view help;
};

constexpr SetCommand kSetCommands[] = {
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
     "  varnello-cli set mark SET ANSWERS... --output DIR [--detail required|optional] [--unit yuan|wan]\n"
     "      Marks a class: every answers file (CSV: 练习集,学号,姓名,题号,会计科目,借/贷,金额; a\n"
     "      folder stands for its .csv files) against the set, every student on every question, as\n"
     "      mark marks (--detail, --unit as its \"detail\" and \"unit\"). Writes DIR/report.csv (学号,\n"
     "      姓名,题号,得分,错误数,错误: one row per student and question, the errors with their\n"
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
    for (const SetCommand& c : kSetCommands) {
      if (c.name == args[0]) return c.run(Args(args.begin() + 1, args.end()));
    }
  }
  std::string names;
  for (const SetCommand& c : kSetCommands) names += (names.empty() ? "" : ", ") + std::string(c.name);
  if (!args.empty())
    return UsageError("set: unknown " + std::string(args[0]) + "; it takes " + names + " (see --help)");
  return UsageError("set: name what to do: " + names + " (see --help)");
}

// ---- the command table and help ----

struct Command {
  std::string_view name;
  int (*run)(const Args& args);
  std::string_view help;  // its paragraph of --help
};

constexpr Command kCommands[] = {
    {"press", PressWindow,
     "  varnello-cli press WINDOW [TextN=TEXT ...] [--format FORMAT] [--json] [--explain]\n"
     "                    [--output FILE] [voucher options]\n"
     "      FORMAT: text, json, tsv, csv, xlsx, import-csv or voucher-pdf.\n"
     "      One press of 确定 on a fresh window. WINDOW is a window name (Form6) or a keyword\n"
     "      (买股票). Fields not given are empty. text (the default) prints the lines as the window\n"
     "      shows them; --explain follows each amount line with its working, indented. json (also\n"
     "      --json) gives {\"window\", \"lines\", \"working\", \"entries\", \"fault\"}: \"working\"\n"
     "      parallel to \"lines\", for an amount line {\"text\", \"expr\"} (expr over the fields:\n"
     "      TextN, + - * /, pow), else null. tsv and csv give the entries as a table (摘要, 会计科目,\n"
     "      借方金额, 贷方金额, 其他金额; csv as RFC 4180, without a byte-order mark).\n"
     "      A field whose text is not read whole (1,00 reads as 1) is told on stderr (text, tsv,\n"
     "      csv) or in \"warnings\": [{\"field\", \"text\", \"read_as\"}] (json; absent when none).\n"
     "      xlsx, import-csv and voucher-pdf book the entries, one voucher (记账凭证) per balanced\n"
     "      entry, into --output FILE: the import file of accounting software (日期, 凭证字, 凭证号,\n"
     "      附单据数, 摘要, 科目代码, 科目名称, 借方金额, 贷方金额, 制单人) as a workbook or CSV, or the\n"
     "      printed vouchers as PDF. Their options: --date YYYY-MM-DD (today), --word 记, --number N\n"
     "      (the first voucher's number, 1), --attachments N (附单据 张, 0), --preparer NAME (制单),\n"
     "      --chart FILE (as for accounts); for the PDF --per-page 1|2|3 (2) and --digit-grid\n"
     "      (amounts in the columns 亿 … 元 角 分). Amounts are rounded to the 分; an unbalanced\n"
     "      entry is not booked (stderr says why).\n"
     "      Exit status: 0 done, 1 nothing to book, 2 unknown window or field, 3 arithmetic fault\n"
     "      (lines printed before the fault are kept on stdout; the fault goes to stderr; no file\n"
     "      is written).\n"},
    {"accounts", ListAccounts,
     "  varnello-cli accounts [--json] [--chart FILE]\n"
     "      Lists every account the windows print on a debit or credit side, with its code in\n"
     "      the standard chart of accounts and the windows that print it, one per line: code,\n"
     "      account as printed, account in the chart (levels joined by -), windows; tab-separated.\n"
     "      --chart FILE lays the user's own chart over the standard one: CSV rows of\n"
     "      科目编码,科目名称 (a header row allowed); detail accounts then take its codes. json gives\n"
     "      {\"accounts\": [{\"account\", \"code\", \"name\", \"general\", \"general_code\", \"detail\",\n"
     "      \"windows\"}]}. Exit status: 0 every account has a code, 1 some has none.\n"},
    {"batch", RunBatch,
     "  varnello-cli batch\n"
     "      Reads JSON lines {\"window\": \"Form6\", \"fields\": {\"Text1\": \"10\"}} from stdin and\n"
     "      writes one JSON line per request: {\"window\", \"lines\", \"entries\", \"fault\"} or\n"
     "      {\"error\"}. An entry is {\"heading\", \"rows\": [{\"account\", \"side\": \"debit\" |\n"
     "      \"credit\" | null, \"amount\", \"line\"}], \"debit\", \"credit\", \"balanced\"}, line being\n"
     "      the index into \"lines\"; debit and credit are the sums of its rows, balanced whether\n"
     "      they agree to half a 分. A row whose caption prints no side but whose entry balances\n"
     "      only on one side gets that side and \"side_inferred\": true; a line stating a balance\n"
     "      (未分配利润总) has \"balance_line\": true and is in no sum. A sum past the largest\n"
     "      double is null and its entry, not balanced, has \"fault\": \"overflow\": every answer\n"
     "      is strict JSON. \"warnings\" as for press.\n"
     "      Every input line gets exactly one answer line, in the same order (a blank or malformed\n"
     "      line gets an error answer), so answers pair with requests by position. A request's\n"
     "      optional \"id\" (any JSON value) is echoed first in its answer, as it was written.\n"
     "      Lines longer than 1 MiB, repeated keys, unknown keys, bytes after the object and text\n"
     "      that is not UTF-8 are answered with an error; the batch goes on. A request with\n"
     "      \"explain\": true also gets \"working\", as press --json does. Each answer is written\n"
     "      before the next request is waited for. Exit status: 0 done.\n"},
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
     "      the entry asked for; \"entry\" then too; \"warnings\" as for press), or {\"error\"}; when\n"
     "      the press faults, \"fault\" in place of \"score\". Requests are read as batch reads them\n"
     "      (\"id\" echoed, the same errors). Exit status: 0 done.\n"},
    // Its paragraphs are those of kSetCommands, one per thing it does.
    {"set", ExerciseSets, ""},
};

std::string HelpText() {
  std::string text = "varnello-cli: compute journal entries without a screen.\n\n";
  for (const Command& c : kCommands) text += c.help;
  for (const SetCommand& c : kSetCommands) text += c.help;
  text += "  varnello-cli --help | --version | COMMAND --help\n";
  text +=
      "\nField names are exact (Text1, not Text01). Unknown options or arguments: exit status 2.\n"
      "Options take their value as --name VALUE or --name=VALUE; an option or field given twice\n"
      "is refused. Every command ends with exit status 4 when its input cannot be read or its\n"
      "output cannot be written, a reader that went away included (a message on stderr says why).\n"
      "\nExamples:\n"
      "  $ varnello-cli press 买股票 Text1=10 Text2=0.5 Text3=1000 Text4=50\n"
      "  购入股票\n"
      "  交易性金融资产-成本（借） 9550\n"
      "  ...\n"
      "  $ varnello-cli capital 10050\n"
      "  壹万零伍拾元整\n"
      "  $ echo '{\"window\": \"Form6\", \"fields\": {\"Text1\": \"10\"}}' | varnello-cli batch\n"
      "  {\"window\":\"Form6\",\"lines\":[\"购入股票\",...],\"fault\":null}\n";
  return text;
}

int Main(int argc, char** argv) {
  if (std::vector<std::string> problems = CheckWindowTables(); !problems.empty()) {
    for (const std::string& p : problems) std::cerr << "varnello-cli: window tables: " << p << "\n";
    return 1;
  }
  Args args(argv + 1, argv + argc);
  for (size_t i = 0; i < args.size(); ++i) {
    if (!simdjson::validate_utf8(args[i].data(), args[i].size())) {
      return UsageError("argument " + std::to_string(i + 1) + " is not valid UTF-8");
    }
  }
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
  // A reader that goes away (| head -1) is a failed write, exit status 4 with a message, not a
  // silent death by the signal.
  std::signal(SIGPIPE, SIG_IGN);
  return varnello::Main(argc, argv);
}
