#include "core/files/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <random>

namespace varnello {

namespace {

std::string Reason(std::string_view step, int error) {
  return std::string(step) + ": " + std::strerror(error);
}

// The file a write to `path` should replace: the target of a symbolic link (followed a few links
// deep), so that saving through a link updates what it points at instead of replacing the link.
std::string RealTarget(std::string path) {
  for (int depth = 0; depth < 16; ++depth) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char buf[PATH_MAX];
    ssize_t n = ::readlink(path.c_str(), buf, sizeof buf);
    if (n <= 0 || static_cast<size_t>(n) >= sizeof buf) return path;
    std::string link(buf, static_cast<size_t>(n));
    size_t slash = path.rfind('/');
    path = link.front() == '/' || slash == std::string::npos ? link : path.substr(0, slash + 1) + link;
  }
  return path;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

std::string WriteWholeFile(const std::string& path, std::string_view bytes) {
  if (path.empty()) return Reason("open", ENOENT);
  const std::string target = RealTarget(path);
  size_t slash = target.rfind('/');
  std::string folder = slash == std::string::npos ? std::string(".") : target.substr(0, slash + 1);
  std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  if (name.empty()) return Reason("open", EISDIR);

  // A new name beside the target, taken with O_EXCL so that no other file is ever opened; 0666
  // lets the umask decide a new file's permissions, as for any file the user creates.
  std::string temp;
  int fd = -1;
  std::random_device random;
  for (int attempt = 0; fd < 0; ++attempt) {
    temp = (slash == std::string::npos ? std::string() : folder) + "." + name + "." +
           std::to_string(random() % 1000000000u) + ".tmp";
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && (errno != EEXIST || attempt == 100)) return Reason("create a temporary file", errno);
  }
  auto fail = [&](std::string_view step) {
    int error = errno;
    if (fd >= 0) ::close(fd);
    ::unlink(temp.c_str());
    return Reason(step, error);
  };
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) {
      errno = EISDIR;
      return fail("replace");
    }
    // The file being replaced keeps its permissions.
    if (::fchmod(fd, st.st_mode & 07777) != 0) return fail("set permissions");
  }
  if (!WriteAll(fd, bytes)) return fail("write");
  if (::fsync(fd) != 0) return fail("flush to disk");
  int closed = ::close(fd);
  fd = -1;
  if (closed != 0) return fail("close");
  if (::rename(temp.c_str(), target.c_str()) != 0) return fail("rename into place");
  // The rename itself reaches the disk with its folder; a folder that cannot be synced (some
  // file systems refuse) does not undo a file already whole in place.
  if (int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return {};
}

}  // namespace varnello
