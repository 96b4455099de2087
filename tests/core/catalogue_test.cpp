// The catalogue of windows against the source tree and itself: each topic window's subject folder
// holds its file and every window file is listed under its folder; every window has one entry of
// the right kind; window names are read one way.
#include "core/catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "core/engine/topic.h"

namespace varnello {
namespace {

// The number N of a window file's name "FormN.cpp" or "FormN_what.cpp"; 0 for any other file.
int WindowFileNumber(const std::string& file) {
  if (file.size() < 9 || file.substr(0, 4) != "Form" || !file.ends_with(".cpp")) return 0;
  size_t end = 4;
  while (end < file.size() && file[end] >= '0' && file[end] <= '9') ++end;
  if (end == 4 || (file[end] != '.' && file[end] != '_' && file[end] != '-')) return 0;
  return std::stoi(file.substr(4, end - 4));
}

TEST(Catalogue, SubjectFolderHoldsEachTopicWindowFile) {
  namespace fs = std::filesystem;
  std::map<int, std::string> filed;  // window number -> folder that holds its file
  for (const fs::directory_entry& folder :
       fs::directory_iterator(fs::path(VARNELLO_SOURCE_DIR) / "src/core/topics")) {
    if (!folder.is_directory()) continue;
    for (const fs::directory_entry& file : fs::directory_iterator(folder.path())) {
      int n = WindowFileNumber(file.path().filename().string());
      if (n == 0) continue;
      EXPECT_TRUE(filed.emplace(n, folder.path().filename().string()).second)
          << "Form" << n << " has two files";
    }
  }
  EXPECT_EQ(filed.size(), TopicRows().size());
  for (const TopicRow& row : TopicRows()) {
    auto it = filed.find(row.desc->id.number());
    ASSERT_NE(it, filed.end()) << row.desc->id << " has no file under src/core/topics/";
    EXPECT_EQ(row.subject, it->second) << row.desc->id;
  }
}

TEST(Catalogue, EveryWindowHasOneEntryOfItsKind) {
  ASSERT_EQ(Windows().size(), static_cast<size_t>(WindowId::kCount));
  std::map<WindowKind, int> kinds;
  for (const WindowEntry& w : Windows()) {
    ++kinds[w.kind];
    EXPECT_EQ(FindWindow(w.id), &w);
    EXPECT_EQ(KindOf(w.id), w.kind);
    EXPECT_EQ(w.kind == WindowKind::Main, w.id == kMainWindow);
    EXPECT_EQ(w.topic != nullptr, w.kind == WindowKind::Topic) << w.id;
    EXPECT_EQ(w.category != nullptr, w.kind == WindowKind::Category) << w.id;
    EXPECT_EQ(!w.subject.empty(), w.kind == WindowKind::Topic) << w.id;
    if (w.topic != nullptr) {
      EXPECT_EQ(w.topic->id, w.id);
    }
    if (w.category != nullptr) {
      EXPECT_EQ(w.category->id, w.id);
    }
    EXPECT_EQ(FindTopic(w.id), w.topic);
    EXPECT_EQ(FindCategory(w.id), w.category);
  }
  EXPECT_EQ(kinds[WindowKind::Main], 1);
  EXPECT_EQ(kinds[WindowKind::Category], 13);
  EXPECT_EQ(kinds[WindowKind::Topic], 111);
  EXPECT_EQ(FindWindow(WindowId()), nullptr);
  EXPECT_EQ(FindTopic(WindowId()), nullptr);
}

TEST(Catalogue, WindowNamesAreReadExactly) {
  for (const WindowEntry& w : Windows()) EXPECT_EQ(WindowId::Parse(w.id.name()), w.id);
  for (const char* name : {"", "Form", "Form0", "Form06", "Form126", "Form1000", "form6", " Form6", "Form6 ",
                           "Form+6", "Form-6", "Form6a", "Form６"}) {
    EXPECT_EQ(WindowId::Parse(name), std::nullopt) << '"' << name << '"';
  }
}

}  // namespace
}  // namespace varnello
