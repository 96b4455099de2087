// Fuzz target: any bytes read as an amount give a finite value or an overflow fault.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/engine/fault.h"
#include "core/engine/read_amount.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    double v = varnello::ReadAmount(text);
    if (!std::isfinite(v)) std::abort();
  } catch (const varnello::Fault& f) {
    if (f.kind != varnello::FaultKind::Overflow) std::abort();
  }
  return 0;
}
