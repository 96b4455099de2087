// A book's report tables laid out on A4 pages for the PDF module: a title, a ruled table whose
// columns are as wide as their widest text (narrowed together when the page is too narrow), and
// the notes below; a table that runs off a page goes on on the next under its header again.
#pragma once

#include <vector>

#include "core/books/render.h"
#include "core/vouchers/voucher_layout.h"

namespace varnello::cli {

std::vector<VoucherPage> ReportPages(const std::vector<ReportTable>& tables);

}  // namespace varnello::cli
