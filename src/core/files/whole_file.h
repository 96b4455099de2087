// Files written whole or not at all.
#pragma once

#include <string>
#include <string_view>

namespace varnello {

// Writes `bytes` as the whole content of the file at `path`: into a new temporary file in the
// same folder, every byte written, flushed to the disk and closed with each step checked, then
// renamed over the target in one step. On any failure the temporary file is removed and the
// target is left exactly as it was. A target that is a symbolic link is written through (the
// link stays); an existing target keeps its permission bits, a new one gets 0666 less the umask.
// Returns an empty text on success, otherwise the reason (the system's error text).
[[nodiscard]] std::string WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace varnello
