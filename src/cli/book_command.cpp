// varnello-cli book: a book of accounts read from its JSON-lines file, its reports shown as text,
// JSON or CSV, or written as a workbook or a PDF; a student's filled trial balance or statements
// marked against it.
#include <iostream>
#include <string>
#include <vector>

#include "cli/book_pages.h"
#include "cli/commands.h"
#include "cli/module_loader.h"
#include "core/books/book.h"
#include "core/books/book_xlsx.h"
#include "core/books/mark.h"
#include "core/books/render.h"
#include "core/books/reports.h"
#include "core/files/whole_file.h"

namespace varnello::cli {

namespace {

// The sheet name of a report in a workbook.
std::string SheetName(BookReport report) {
  switch (report) {
    case BookReport::Trial:
      return "试算平衡表";
    case BookReport::Summary:
      return "科目汇总表";
    case BookReport::Ledger:
      return "总分类账";
    case BookReport::TAccounts:
      return "T字账";
    case BookReport::BalanceSheet:
      return "资产负债表";
    case BookReport::Income:
      return "利润表";
  }
  return {};
}

int Book(const Args& args) {
  Options options(args);
  std::string problem;
  auto value = [&](std::string_view name) {
    std::optional<std::string_view> v = options.value(name, problem);
    if (!problem.empty()) UsageError("book: " + problem);
    return v;
  };
  std::optional<std::string_view> reportName = value("--report");
  if (!problem.empty()) return kUsageError;
  std::optional<std::string_view> format = value("--format");
  if (!problem.empty()) return kUsageError;
  std::optional<std::string_view> output = value("--output");
  if (!problem.empty()) return kUsageError;
  std::optional<std::string_view> answers = value("--mark");
  if (!problem.empty()) return kUsageError;
  bool close = options.flag("--close");
  bool reveal = options.flag("--reveal");
  if (!options.wordsOnly("book")) return kUsageError;
  if (options.words().size() != 1) return UsageError("book: name one book file (see --help)");
  std::string file(options.words()[0]);

  std::vector<BookReport> reports;
  if (!reportName || *reportName == "all") {
    reports.assign(std::begin(kBookReports), std::end(kBookReports));
  } else if (std::optional<BookReport> r = BookReportNamed(*reportName)) {
    reports.push_back(*r);
  } else {
    return UsageError(
        "book: --report takes trial, summary, ledger, t-accounts, balance-sheet, income or all");
  }
  std::string_view how = format.value_or("text");
  if (how != "text" && how != "json" && how != "csv" && how != "xlsx" && how != "pdf") {
    return UsageError("book: --format takes text, json, csv, xlsx or pdf");
  }
  if ((how == "xlsx" || how == "pdf") && !output)
    return UsageError("book: --format " + std::string(how) + " needs --output FILE");

  std::string bytes;
  if (!ReadWholeFile(file, bytes)) return IoError("read " + file);
  BookReading reading = ReadBook(bytes);
  if (close) CloseProfitAndLoss(reading.book);
  // Refused lines are told on stderr; the rest of the book is still reported, and the exit
  // status says that not all of it was posted.
  std::cerr << RefusalText(file, reading.refused);
  int status = reading.refused.empty() ? 0 : 1;

  if (answers) {
    std::string csv;
    std::string answerFile(*answers);
    if (!ReadWholeFile(answerFile, csv)) return IoError("read " + answerFile);
    std::string error;
    std::optional<BookMarking> marking = MarkBook(reading.book, csv, error);
    if (!marking) return UsageError("book: " + answerFile + ": " + error);
    return Emit(MarkText(*marking, reveal), status);
  }

  std::string text;
  if (how == "json") {
    text = BookJson(reading.book, reports, reading.refused);
  } else if (how == "text" || how == "csv") {
    std::vector<ReportTable> tables;
    for (BookReport r : reports) {
      for (ReportTable& t : TablesOf(reading.book, r)) tables.push_back(std::move(t));
    }
    text = how == "text" ? TextOf(tables) : CsvOf(tables, output.has_value());
  } else {
    std::string error;
    const VoucherPdfModule* module = LoadVoucherPdf(error);
    std::optional<std::string> made;
    if (module != nullptr && how == "xlsx") {
      std::vector<ReportSheet> sheets;
      for (BookReport r : reports) sheets.push_back({SheetName(r), TablesOf(reading.book, r)});
      made = module->reports(sheets, &error);
    } else if (module != nullptr) {
      std::vector<ReportTable> tables;
      for (BookReport r : reports) {
        for (ReportTable& t : TablesOf(reading.book, r)) tables.push_back(std::move(t));
      }
      made = module->document(ReportPages(tables), "账簿", &error);
    }
    if (!made) {
      std::cerr << "varnello-cli: cannot make " << *output << ": " << error << "\n";
      return kIoError;
    }
    text = std::move(*made);
  }
  if (output) {
    std::string path(*output);
    if (std::string reason = WriteWholeFile(path, text); !reason.empty()) {
      std::cerr << "varnello-cli: cannot write " << path << ": " << reason << "\n";
      return kIoError;
    }
    return status;
  }
  return Emit(text, status);
}

}  // namespace

const Command kBookCommand{
    "book", Book,
    "  varnello-cli book FILE [--report trial|summary|ledger|t-accounts|balance-sheet|income|all]\n"
    "       [--format text|json|csv|xlsx|pdf] [--output FILE] [--close]\n"
    "       [--mark ANSWERS.csv [--reveal]]\n"
    "      Reads a book of accounts (JSON lines: opening balances, presses of windows,\n"
    "      entries typed by hand), posts it through the chart of accounts and shows its\n"
    "      T-accounts, 科目汇总表, ledgers, 试算平衡表, 资产负债表 and 利润表 (all by\n"
    "      default). --close adds the closing entries of profit and loss (结转损益).\n"
    "      A refused line is told on stderr with its line number (exit status 1); the\n"
    "      rest is still reported. --mark marks a filled trial balance or statement,\n"
    "      CSV rows 表,项目,栏,金额; --reveal gives the right figure of a wrong cell.\n"};

}  // namespace varnello::cli
