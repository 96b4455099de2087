// Files written whole or not at all.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace varnello {

// Writes `bytes` as the whole content of the file at `path`: into a new temporary file in the
// same folder, every byte written, flushed to the disk and closed with each step checked, then
// renamed over the target in one step. On any failure the temporary file is removed and the
// target is left exactly as it was. A target that is a symbolic link is written through (the
// link stays); an existing target keeps its permission bits, a new one gets 0666 less the umask.
// Only regular files are written: a path that is (or links to) a device, a FIFO, a socket or a
// folder, or an open file of a process (/dev/stdout, /proc/self/fd/1), is refused and left as
// it is. Returns an empty text on success, otherwise the reason.
[[nodiscard]] std::string WriteWholeFile(const std::string& path, std::string_view bytes);

// One file of several written together.
struct FileToWrite {
  std::string path;
  std::string_view bytes;
};
// Writes several files all or nothing: every temporary file is written and flushed first, then
// each is renamed over its target; a rename that fails puts back the files already replaced.
// Two paths that name one file (also through a link or another spelling of the folder) are
// refused before anything is written. Returns an empty text on success, otherwise the path it
// failed on and the reason ("b.pdf: write: No space left on device").
[[nodiscard]] std::string WriteWholeFiles(const std::vector<FileToWrite>& files);

}  // namespace varnello
