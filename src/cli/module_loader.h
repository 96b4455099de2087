// The modules varnello-cli loads on first use, so that the commands that do not need them
// start without mapping their libraries.
#pragma once

#include <string>

#include "cli/voucher_pdf.h"

namespace varnello::cli {

// The PDF module, from the installed program's folder for it (relative to the binary) or the
// binary's own folder (the build tree); loaded once. Null, with the loader's reason, when none loads.
const VoucherPdfModule* LoadVoucherPdf(std::string& error);

}  // namespace varnello::cli
