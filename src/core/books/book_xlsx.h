// A book's reports as an .xlsx workbook, made with libxlsxwriter: one sheet a report, its tables
// one under another, amounts as numbers. Built beside the core (varnello_xlsx), like the import
// workbook, so that only the programs that write workbooks link the library.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/books/render.h"

namespace varnello {

struct ReportSheet {
  std::string name;  // the sheet's name (试算平衡表 …), at most 31 characters
  std::vector<ReportTable> tables;
};

// The workbook's bytes; empty, with the reason in `error`, when it cannot be made.
std::optional<std::string> ReportsXlsx(const std::vector<ReportSheet>& sheets, std::string* error);

}  // namespace varnello
