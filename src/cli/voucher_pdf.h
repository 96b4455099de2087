// Voucher pages (and other pages laid out as they are) as a PDF document, drawn with cairo and pango (no Qt
// on the command line), and the import workbook. They live in a module of their own
// (libvarnello-voucher-pdf.so), loaded only when a PDF is asked for: the command line itself does not link
// cairo and pango, so its other commands start quickly.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/books/book_xlsx.h"
#include "core/vouchers/voucher_layout.h"

namespace varnello::cli {

struct VoucherPdfModule {
  // The PDF's bytes: one A4 page per layout page, the texts in a Song/Ming face found through
  // fontconfig and embedded. Empty, with cairo's reason in `error`, when cairo fails.
  std::optional<std::string> (*render)(const std::vector<VoucherPage>& pages, std::string* error);
  // The import workbook (ImportXlsx).
  std::optional<std::string> (*workbook)(const VoucherSet& set, const VoucherOptions& options,
                                         const VoucherDate& date, std::string* error);
  // Any pages laid out alike (an exercise set's sheets), as `render` does, under the document
  // title `title`.
  std::optional<std::string> (*document)(const std::vector<VoucherPage>& pages, const std::string& title,
                                         std::string* error);
  // A book's reports as a workbook (ReportsXlsx).
  std::optional<std::string> (*reports)(const std::vector<ReportSheet>& sheets, std::string* error);
};

}  // namespace varnello::cli

// The module's one entry point, looked up by name.
extern "C" const varnello::cli::VoucherPdfModule* varnello_voucher_pdf();
