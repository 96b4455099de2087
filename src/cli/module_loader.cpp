// Loading the voucher PDF module.

#include "cli/module_loader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <string>

namespace varnello::cli {

const VoucherPdfModule* LoadVoucherPdf(std::string& error) {
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

}  // namespace varnello::cli
