// Voucher pages as a PDF document, drawn with cairo and pango (no Qt on the command line).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/vouchers/voucher_layout.h"

namespace varnello::cli {

// The PDF's bytes: one A4 page per layout page, the texts in a Song/Ming face found through
// fontconfig and embedded. Empty, with cairo's reason in `error`, when cairo fails.
std::optional<std::string> VoucherPdf(const std::vector<VoucherPage>& pages, std::string* error);

}  // namespace varnello::cli
