// varnello-cli press: one press of a window's 确定, printed as text, JSON or a table, or booked
// as vouchers into an import file or a PDF.

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <ctime>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "cli/commands.h"
#include "cli/module_loader.h"
#include "cli/options.h"
#include "core/accounts/chart.h"
#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "core/entries/entries.h"
#include "core/entries/table.h"
#include "core/files/csv.h"
#include "core/files/whole_file.h"
#include "core/search/keyword_index.h"
#include "core/vouchers/voucher.h"
#include "core/vouchers/voucher_layout.h"

namespace varnello::cli {

namespace {

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
  // Texts every output must show whole: no control character (a NUL would cut the workbook's
  // cell short), no more than a spreadsheet cell holds.
  for (auto [name, text] :
       {std::pair{"--word", book.voucher.word}, std::pair{"--preparer", book.voucher.preparer}}) {
    if (HasControls(text)) {
      UsageError(std::string("press: ") + name + " holds a control character");
      return std::nullopt;
    }
    if (std::count_if(text.begin(), text.end(),
                      [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }) > 32767) {
      UsageError(std::string("press: ") + name +
                 " is longer than a spreadsheet cell holds (32767 characters)");
      return std::nullopt;
    }
  }
  if (!whole("--number", 1, 99999999, book.voucher.firstNumber) ||
      !whole("--attachments", 0, 9999, book.voucher.attachments) ||
      !whole("--per-page", 1, 3, book.layout.perPage)) {
    return std::nullopt;
  }
  book.layout.digitGrid = options.flag("--digit-grid");
  return book;
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

}  // namespace

extern const Command kPressCommand = {
    "press", PressWindow,
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
    "      is written).\n"};

}  // namespace varnello::cli
