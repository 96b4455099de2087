// Files written whole or not at all, on a full disk too.
#include "core/files/whole_file.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace varnello {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void Put(const fs::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

class WholeFileTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("whole_file_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    if (mounted_) ::umount(dir_.c_str());
    fs::remove_all(dir_);
  }
  // The names in the folder: a failed write must leave no temporary file behind.
  size_t Files() const { return static_cast<size_t>(std::distance(fs::directory_iterator(dir_), {})); }

  fs::path dir_;
  bool mounted_ = false;
};

TEST_F(WholeFileTest, WritesReplacesAndKeepsModeAndLinks) {
  fs::path file = dir_ / "a.csv";
  EXPECT_EQ(WriteWholeFile(file, "first"), "");
  EXPECT_EQ(Read(file), "first");
  ::chmod(file.c_str(), 0640);
  EXPECT_EQ(WriteWholeFile(file, std::string(100000, 'x')), "");
  EXPECT_EQ(Read(file), std::string(100000, 'x'));
  EXPECT_EQ(fs::status(file).permissions(), fs::perms(0640));
  // Saved through a link: the link stays, what it points at is replaced.
  fs::create_symlink("a.csv", dir_ / "link.csv");
  EXPECT_EQ(WriteWholeFile(dir_ / "link.csv", ""), "");
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.csv"));
  EXPECT_EQ(Read(file), "");
  EXPECT_EQ(Files(), 2u);
}

TEST_F(WholeFileTest, FailuresLeaveEverythingAsItWas) {
  fs::create_directory(dir_ / "sub");
  Put(dir_ / "sub" / "keep", "kept");
  EXPECT_NE(WriteWholeFile(dir_ / "sub", "x"), "");  // a folder is not replaced
  EXPECT_EQ(Read(dir_ / "sub" / "keep"), "kept");
  EXPECT_NE(WriteWholeFile(dir_ / "no" / "such" / "x.csv", "x"), "");
  EXPECT_NE(WriteWholeFile("", "x"), "");
  EXPECT_EQ(Files(), 1u);
  // A file the user may not write stays (root may write anything).
  if (::geteuid() != 0) {
    Put(dir_ / "ro", "ro");
    ::chmod((dir_ / "ro").c_str(), 0444);
    EXPECT_NE(WriteWholeFile(dir_ / "ro", "x"), "");
    EXPECT_EQ(Read(dir_ / "ro"), "ro");
  }
}

// A small file system filled up to a few free sizes; needs the right to mount (root).
TEST_F(WholeFileTest, FullFileSystemLeavesOriginal) {
  if (::mount("tmpfs", dir_.c_str(), "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "cannot mount a small tmpfs here (" << std::strerror(errno) << "); the GUI's save tests "
                 << "cut writes short with a file-size limit";
  }
  mounted_ = true;
  fs::path file = dir_ / "a.csv";
  const std::string original(8192, 'o');
  for (size_t free : {0, 1024, 4096, 12288}) {
    Put(file, original);
    fs::remove(dir_ / "fill");
    // Fills the disk, then frees what is asked for.
    {
      std::ofstream fill(dir_ / "fill", std::ios::binary);
      std::string block(1024, 'f');
      while (fill.write(block.data(), block.size()) && fill.flush()) {
      }
    }
    fs::resize_file(dir_ / "fill",
                    fs::file_size(dir_ / "fill") > free ? fs::file_size(dir_ / "fill") - free : 0);
    EXPECT_NE(WriteWholeFile(file, std::string(40000, 'n')), "") << free;
    EXPECT_EQ(Read(file), original) << free;
    EXPECT_EQ(Files(), 2u) << free;
  }
}

// A device node, a FIFO or a folder given as the file to write is refused and stays what it
// was, also behind a symbolic link; nothing is left beside it.
TEST_F(WholeFileTest, OnlyRegularFilesAreReplaced) {
  ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0644), 0);
  fs::create_directory(dir_ / "folder");
  // A device of its own (the null device's numbers) in the test's folder: never the system's.
  bool device = ::mknod((dir_ / "null").c_str(), S_IFCHR | 0644, makedev(1, 3)) == 0;
  fs::create_symlink("fifo", dir_ / "to-fifo");
  fs::create_symlink("folder", dir_ / "to-folder");
  if (device) fs::create_symlink(dir_ / "null", dir_ / "to-null");
  struct Node {
    const char* name;
    fs::file_type type;
  };
  std::vector<Node> nodes = {{"fifo", fs::file_type::fifo},
                             {"folder", fs::file_type::directory},
                             {"to-fifo", fs::file_type::fifo},
                             {"to-folder", fs::file_type::directory}};
  if (device) {
    nodes.push_back({"null", fs::file_type::character});
    nodes.push_back({"to-null", fs::file_type::character});
  }
  const size_t before = Files();
  for (const Node& n : nodes) {
    std::string reason = WriteWholeFile(dir_ / n.name, "x");
    EXPECT_NE(reason.find("not a regular file"), std::string::npos) << n.name << ": " << reason;
    EXPECT_EQ(fs::status(dir_ / n.name).type(), n.type) << n.name;
    EXPECT_EQ(WriteWholeFiles({{(dir_ / "a").string(), "a"}, {(dir_ / n.name).string(), "x"}}).empty(),
              false);
    EXPECT_FALSE(fs::exists(dir_ / "a")) << n.name;
    EXPECT_EQ(Files(), before) << n.name;
  }
  EXPECT_TRUE(fs::is_symlink(dir_ / "to-fifo"));
  if (!device) GTEST_SKIP() << "cannot make a device node here; FIFOs and folders were tried";
}

// Several files together: all written, or none changed; one file under two names is refused.
TEST_F(WholeFileTest, SeveralFilesAllOrNothing) {
  const std::string a = (dir_ / "a.pdf").string(), b = (dir_ / "b.pdf").string();
  Put(a, "old a");
  Put(b, "old b");
  fs::create_symlink("a.pdf", dir_ / "link.pdf");
  fs::create_directory(dir_ / "sub");
  const std::vector<std::vector<std::string>> refused = {
      {a, a},                                         // one path twice
      {a, (dir_ / "link.pdf").string()},              // a link to the other
      {a, (dir_ / "sub" / ".." / "a.pdf").string()},  // another spelling of the folder
      {a, (dir_ / "missing" / "b.pdf").string()},     // a folder that is not there
      {a, (dir_ / "sub").string()},                   // a folder as the file
  };
  for (const std::vector<std::string>& paths : refused) {
    std::string reason = WriteWholeFiles({{paths[0], "new"}, {paths[1], "new"}});
    EXPECT_NE(reason, "") << paths[1];
    EXPECT_EQ(Read(a), "old a") << paths[1];
    EXPECT_EQ(Read(b), "old b") << paths[1];
    EXPECT_EQ(Files(), 4u) << paths[1] << ": " << reason;
  }
  EXPECT_NE(WriteWholeFiles({{a, "x"}, {a, "y"}}).find("names the same file"), std::string::npos);
  EXPECT_EQ(WriteWholeFiles({{a, "new a"}, {b, "new b"}, {(dir_ / "c.pdf").string(), "c"}}), "");
  EXPECT_EQ(Read(a), "new a");
  EXPECT_EQ(Read(b), "new b");
  EXPECT_EQ(Read(dir_ / "c.pdf"), "c");
  EXPECT_EQ(Files(), 5u);
}

// A disk with room for the first file but not the second: neither is replaced.
TEST_F(WholeFileTest, FullDiskKeepsBothOldFiles) {
  if (::mount("tmpfs", dir_.c_str(), "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "cannot mount a small tmpfs here (" << std::strerror(errno) << ")";
  }
  mounted_ = true;
  const std::string sheet = (dir_ / "sheet.pdf").string(), key = (dir_ / "key.pdf").string();
  Put(sheet, "old sheet");
  Put(key, "old key");
  EXPECT_NE(WriteWholeFiles({{sheet, std::string(20000, 's')}, {key, std::string(60000, 'k')}}), "");
  EXPECT_EQ(Read(sheet), "old sheet");
  EXPECT_EQ(Read(key), "old key");
  EXPECT_EQ(Files(), 2u);
}

}  // namespace
}  // namespace varnello
