// The import file as an .xlsx workbook, made with libxlsxwriter. Kept out of the core library:
// the windows link it, the command line loads it with its voucher module only when asked, so that
// its other commands start without mapping libxlsxwriter and what that library maps.
#pragma once

#include <optional>
#include <string>

#include "core/vouchers/voucher.h"

namespace varnello {

// ImportCsv's rows as an .xlsx workbook's bytes (one sheet 凭证; the date a date cell, codes text,
// amounts numbers with two decimals). Empty, with the reason in `error`, when the workbook cannot
// be made (its temporary folder cannot be written).
std::optional<std::string> ImportXlsx(const VoucherSet& set, const VoucherOptions& options,
                                      const VoucherDate& date, std::string* error);

}  // namespace varnello
