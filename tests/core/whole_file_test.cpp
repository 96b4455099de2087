// Files written whole or not at all, on a full disk too.
#include "core/files/whole_file.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

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

}  // namespace
}  // namespace varnello
