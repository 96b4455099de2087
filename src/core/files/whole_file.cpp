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
// `viaProcess` is set when a link on the way is a process's open file (/dev/stdout leads to
// /proc/self/fd/1), which names no place in a folder that a file could be renamed into.
std::string RealTarget(std::string path, bool& viaProcess) {
  viaProcess = path.starts_with("/proc/");
  for (int depth = 0; depth < 16; ++depth) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char buf[PATH_MAX];
    ssize_t n = ::readlink(path.c_str(), buf, sizeof buf);
    if (n <= 0 || static_cast<size_t>(n) >= sizeof buf) return path;
    std::string link(buf, static_cast<size_t>(n));
    size_t slash = path.rfind('/');
    path = link.front() == '/' || slash == std::string::npos ? link : path.substr(0, slash + 1) + link;
    viaProcess = viaProcess || path.starts_with("/proc/");
  }
  return path;
}

// What a path that is no regular file is, in words; empty for a regular file.
std::string_view NotRegular(mode_t mode) {
  if (S_ISREG(mode)) return {};
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISLNK(mode)) return "a chain of too many symbolic links";
  return "not a regular file";
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

// One file on its way: its temporary file written whole, waiting for the rename.
struct Pending {
  std::string target;  // the file replaced (links followed)
  std::string folder;  // its folder, with a trailing "/" (or "." for the working folder)
  std::string temp;    // the temporary file beside it; empty once renamed or removed
  std::string backup;  // a second name of the file replaced, while the others are renamed
  bool existed = false;
};

// Writes the temporary file of `path`; the reason on failure (nothing then left behind).
std::string Prepare(const std::string& path, std::string_view bytes, Pending& p) {
  if (path.empty()) return Reason("open", ENOENT);
  bool viaProcess = false;
  p.target = RealTarget(path, viaProcess);
  size_t slash = p.target.rfind('/');
  p.folder = slash == std::string::npos ? std::string(".") : p.target.substr(0, slash + 1);
  std::string name = slash == std::string::npos ? p.target : p.target.substr(slash + 1);
  if (name.empty()) return Reason("open", EISDIR);
  struct stat st {};
  if (::lstat(p.target.c_str(), &st) == 0) {
    if (std::string_view kind = NotRegular(st.st_mode); !kind.empty()) {
      return "not a regular file (" + std::string(kind) + "); it is left as it is";
    }
    p.existed = true;
  }
  if (viaProcess) {
    return "names a process's open file (such as /dev/stdout), not a file in a folder; leave out the "
           "output file to write to standard output";
  }
  // A file the user may not write is not replaced behind its back, though its folder allows it.
  if (::access(p.target.c_str(), W_OK) != 0 && errno != ENOENT) return Reason("open", errno);

  // A new name beside the target, taken with O_EXCL so that no other file is ever opened; 0666
  // lets the umask decide a new file's permissions, as for any file the user creates.
  int fd = -1;
  std::random_device random;
  for (int attempt = 0; fd < 0; ++attempt) {
    p.temp = (slash == std::string::npos ? std::string() : p.folder) + "." + name + "." +
             std::to_string(random() % 1000000000u) + ".tmp";
    fd = ::open(p.temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && (errno != EEXIST || attempt == 100)) {
      int error = errno;
      p.temp.clear();
      return Reason("create a temporary file", error);
    }
  }
  auto fail = [&](std::string_view step) {
    int error = errno;
    if (fd >= 0) ::close(fd);
    ::unlink(p.temp.c_str());
    p.temp.clear();
    return Reason(step, error);
  };
  // The file being replaced keeps its permissions.
  if (p.existed && ::fchmod(fd, st.st_mode & 07777) != 0) return fail("set permissions");
  if (!WriteAll(fd, bytes)) return fail("write");
  if (::fsync(fd) != 0) return fail("flush to disk");
  int closed = ::close(fd);
  fd = -1;
  if (closed != 0) return fail("close");
  return {};
}

// The rename itself reaches the disk with its folder; a folder that cannot be synced (some file
// systems refuse) does not undo a file already whole in place.
void SyncFolder(const std::string& folder) {
  if (int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

// The same file under two names: the same folder (by its device and inode) and the same name.
bool SameFile(const Pending& a, const Pending& b) {
  struct stat sa {
  }, sb{};
  if (::stat(a.folder.c_str(), &sa) != 0 || ::stat(b.folder.c_str(), &sb) != 0) return a.target == b.target;
  auto name = [](const Pending& p) { return p.target.substr(p.target.rfind('/') + 1); };
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino && name(a) == name(b);
}

}  // namespace

std::string WriteWholeFile(const std::string& path, std::string_view bytes) {
  Pending p;
  if (std::string reason = Prepare(path, bytes, p); !reason.empty()) return reason;
  if (::rename(p.temp.c_str(), p.target.c_str()) != 0) {
    int error = errno;
    ::unlink(p.temp.c_str());
    return Reason("rename into place", error);
  }
  SyncFolder(p.folder);
  return {};
}

std::string WriteWholeFiles(const std::vector<FileToWrite>& files) {
  std::vector<Pending> pending(files.size());
  auto removeTemps = [&pending] {
    for (Pending& p : pending) {
      if (!p.temp.empty()) ::unlink(p.temp.c_str());
      p.temp.clear();
    }
  };
  for (size_t i = 0; i < files.size(); ++i) {
    bool viaProcess = false;
    pending[i].target = RealTarget(files[i].path, viaProcess);
    size_t slash = pending[i].target.rfind('/');
    pending[i].folder =
        slash == std::string::npos ? std::string(".") : pending[i].target.substr(0, slash + 1);
    for (size_t j = 0; j < i; ++j) {
      if (SameFile(pending[i], pending[j]))
        return files[i].path + ": names the same file as " + files[j].path + "; nothing written";
    }
  }
  for (size_t i = 0; i < files.size(); ++i) {
    if (std::string reason = Prepare(files[i].path, files[i].bytes, pending[i]); !reason.empty()) {
      removeTemps();
      return files[i].path + ": " + reason;
    }
  }
  // Every file is whole beside its target. The files about to be replaced get a second name
  // first, so that a failed rename can put back the ones replaced before it.
  for (size_t i = 0; i < pending.size(); ++i) {
    Pending& p = pending[i];
    if (!p.existed) continue;
    p.backup = p.temp + ".old";
    if (::link(p.target.c_str(), p.backup.c_str()) != 0) p.backup.clear();
  }
  for (size_t i = 0; i < pending.size(); ++i) {
    if (::rename(pending[i].temp.c_str(), pending[i].target.c_str()) == 0) {
      pending[i].temp.clear();
      continue;
    }
    int error = errno;
    removeTemps();
    for (size_t j = 0; j < i; ++j) {
      const Pending& done = pending[j];
      if (!done.backup.empty()) {
        ::rename(done.backup.c_str(), done.target.c_str());
      } else if (!done.existed) {
        ::unlink(done.target.c_str());
      }
    }
    for (size_t j = i; j < pending.size(); ++j) {
      if (!pending[j].backup.empty()) ::unlink(pending[j].backup.c_str());
    }
    return files[i].path + ": " + Reason("rename into place", error) + "; the files before it are put back";
  }
  for (const Pending& p : pending) {
    if (!p.backup.empty()) ::unlink(p.backup.c_str());
    SyncFolder(p.folder);
  }
  return {};
}

}  // namespace varnello
