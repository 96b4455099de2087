// Geometry of every window: controls never overlap one another, stay inside the client area, and
// keep clear of the area where lines are printed.
#include "core/layout/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/tables/tables.h"

namespace varnello {
namespace {

void ExpectSoundLayout(WindowId name, const WindowLayout& layout) {
  for (size_t i = 0; i < layout.controls.size(); ++i) {
    const Control& a = layout.controls[i];
    EXPECT_GE(a.rect.x, 0) << name << " " << a.caption;
    EXPECT_GE(a.rect.y, 0) << name << " " << a.caption;
    EXPECT_LE(a.rect.right(), layout.width) << name << " " << a.caption;
    EXPECT_LE(a.rect.bottom(), layout.height) << name << " " << a.caption;
    EXPECT_FALSE(a.rect.intersects(layout.output)) << name << " " << a.caption << " covers printed lines";
    for (size_t j = i + 1; j < layout.controls.size(); ++j) {
      const Control& b = layout.controls[j];
      EXPECT_FALSE(a.rect.intersects(b.rect))
          << name << ": " << a.caption << a.name << " overlaps " << b.caption << b.name;
    }
  }
}

TEST(Layout, TopicWindowsAreSound) {
  for (const TopicDesc* desc : AllTopics()) {
    WindowLayout layout = LayoutTopic(*desc);
    ExpectSoundLayout(desc->id, layout);
    // Sizes given for a window are kept unless its controls need more room.
    if (desc->width > 0) {
      EXPECT_GE(layout.width, desc->width) << desc->id;
    }
    if (desc->height > 0) {
      EXPECT_EQ(layout.height, desc->height) << desc->id;
    }
    EXPECT_GE(layout.output.w, 5000) << desc->id;
    // The largest client area of any window stays within a common screen (1280 x 1024 pixels).
    EXPECT_LE(layout.width, 1280 * 15) << desc->id;
    EXPECT_LE(layout.height, 1024 * 15 - 1500) << desc->id;
  }
}

TEST(Layout, CategoryWindowsAreSound) {
  for (const CategoryDesc& desc : Categories()) {
    WindowLayout layout = LayoutCategory(desc);
    ExpectSoundLayout(desc.id, layout);
    // Buttons run top to bottom within a column and columns left to right, 退出 last and centred.
    const Control* previous = nullptr;
    for (const Control& c : layout.controls) {
      if (c.kind != ControlKind::Button || c.caption == "退出") continue;
      if (previous != nullptr) {
        EXPECT_TRUE(c.rect.x > previous->rect.x ||
                    (c.rect.x == previous->rect.x && c.rect.y > previous->rect.y))
            << desc.id << " " << c.caption;
      }
      previous = &c;
    }
  }
}

// The check the programs run at start-up: one descriptor per window, every target a window, no
// name twice.
TEST(Layout, WindowTablesAreConsistent) {
  EXPECT_EQ(CheckWindowTables(), std::vector<std::string>{});
}

// The same check finds a window left out, one listed twice, a target that is no window and a
// name used twice.
TEST(Layout, WindowTableCheckFindsFaults) {
  WindowTables program = WindowTables::Program();
  std::vector<const TopicDesc*> topics(program.topics.begin(), program.topics.end());
  auto six = std::find(topics.begin(), topics.end(), FindTopic("Form6"));
  ASSERT_NE(six, topics.end());
  *six = FindTopic("Form7");
  const KeywordRow keywords[] = {{"买股票", "Form6"}, {"买股票", "Form2"}};
  const CategoryButton buttons[] = {{"Command1", "生产成本", "Form26", 1}, {"Command1", "退出", "Form1", 0}};
  std::vector<CategoryDesc> categories(program.categories.begin(), program.categories.end());
  categories[0].buttons = buttons;
  std::vector<std::string> problems = CheckWindowTables({topics, categories, keywords, program.menu});
  for (const char* expected :
       {"Form7: listed twice or out of order in the table of windows",
        "Form6: is missing from the table of windows", "keyword 买股票: shows a window that does not exist",
        "keyword table: 买股票 is named twice", "Form27: Command1 is named twice"}) {
    EXPECT_NE(std::find(problems.begin(), problems.end(), expected), problems.end()) << expected;
  }
}

TEST(Layout, MainWindowMenuAndKeywordTablesAreComplete) {
  EXPECT_EQ(Keywords().size(), 169u);
  EXPECT_EQ(Menu().size(), 13u);
  EXPECT_EQ(Categories().size(), 13u);
  EXPECT_EQ(AllTopics().size(), 111u);
  // Every window from Form2 to Form125 has a keyword.
  for (WindowId name : AllWindows()) {
    if (name == kMainWindow) continue;
    bool found = false;
    for (const KeywordRow& row : Keywords()) found = found || row.window == name;
    EXPECT_TRUE(found) << name;
  }
  EXPECT_EQ(DispatchKeyword("购买原材料（完整）"), std::optional<WindowId>(WindowId("Form28")));
  EXPECT_EQ(DispatchKeyword("购买原材料(完整)"), std::nullopt);
  EXPECT_EQ(DispatchKeyword("买股票 "), std::nullopt);
}

}  // namespace
}  // namespace varnello
