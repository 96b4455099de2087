// Geometry of every window: controls never overlap one another, stay inside the client area, and
// keep clear of the area where lines are printed.
#include "core/layout/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"

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

// The output takes all the room an enlarged window adds: beside a Left output the controls keep
// to the right edge; a Below output widens and deepens under controls that stay. A narrower
// window moves no control left of its designed place.
TEST(Layout, OutputTakesTheAddedRoom) {
  WindowLayout left = LayoutTopic(*FindTopic("Form101"));
  ASSERT_EQ(left.shape, OutputShape::Left);
  Placement p = PlaceInClientArea(left, left.width + 1500, left.height + 900);
  EXPECT_EQ(p.shift, 1500);
  EXPECT_EQ(p.output, (Rect{0, 0, left.output.w + 1500, left.height + 900}));
  EXPECT_EQ(PlaceInClientArea(left, left.width - 600, left.height).shift, 0);
  WindowLayout below = left;
  below.shape = OutputShape::Below;
  below.output = Rect{0, 6000, left.width, left.height - 6000};
  p = PlaceInClientArea(below, left.width + 1500, left.height + 900);
  EXPECT_EQ(p.shift, 0);
  EXPECT_EQ(p.output, (Rect{0, 6000, left.width + 1500, left.height - 6000 + 900}));
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

// Every window: Tab reaches each field and button exactly once, fields first in fill order; the
// minimum size holds every control and is no larger than the designed size.
TEST(Layout, TabOrderAndMinimumSizeOfEveryWindow) {
  std::vector<std::pair<WindowId, WindowLayout>> all{{kMainWindow, LayoutMain()}};
  for (const TopicDesc* desc : AllTopics()) all.emplace_back(desc->id, LayoutTopic(*desc));
  for (const CategoryDesc& desc : Categories()) all.emplace_back(desc.id, LayoutCategory(desc));
  for (const auto& [name, layout] : all) {
    std::vector<size_t> focusable;
    for (size_t i = 0; i < layout.controls.size(); ++i) {
      ControlKind k = layout.controls[i].kind;
      if (k == ControlKind::Field || k == ControlKind::Button) focusable.push_back(i);
      // Every button does something, and a navigating one opens a window.
      if (k == ControlKind::Button) {
        EXPECT_NE(layout.controls[i].role, ButtonRole::None) << name << " " << layout.controls[i].name;
        EXPECT_EQ(layout.controls[i].role == ButtonRole::Navigate, bool(layout.controls[i].opens))
            << name << " " << layout.controls[i].name;
      }
      EXPECT_LE(layout.controls[i].rect.right(), layout.minWidth) << name;
      EXPECT_LE(layout.controls[i].rect.bottom(), layout.minHeight) << name;
    }
    std::vector<size_t> order = layout.tabOrder;
    std::sort(order.begin(), order.end());
    EXPECT_EQ(order, focusable) << name;
    EXPECT_LE(layout.minWidth, layout.width) << name;
    EXPECT_LE(layout.minHeight, layout.height) << name;
    if (const TopicDesc* desc = FindTopic(name)) {
      std::vector<int> fields;
      for (size_t i : layout.tabOrder) {
        if (layout.controls[i].kind == ControlKind::Field) fields.push_back(layout.controls[i].field);
      }
      EXPECT_EQ(fields, FillOrder(*desc)) << name;
      EXPECT_EQ(layout.controls[layout.tabOrder.front()].kind, ControlKind::Field) << name;
    }
  }
  // The main window's given client area and Tab order: Text1, 取消, 退出, 确定.
  WindowLayout main = LayoutMain();
  EXPECT_EQ(main.width, 11070);
  EXPECT_EQ(main.height, 8730);
  std::vector<std::string_view> names;
  for (size_t i : main.tabOrder) names.push_back(main.controls[i].name);
  EXPECT_EQ(names, (std::vector<std::string_view>{"Text1", "Command3", "Command2", "Command1"}));
  // Fields in more than one column are filled in the order their window lists them.
  EXPECT_EQ(FillOrder(*FindTopic("Form98")), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(FillOrder(*FindTopic("Form12")), (std::vector<int>{1, 2, 3, 5, 6, 4, 7, 8}));
}

TEST(Layout, MainWindowMenuAndKeywordTablesAreComplete) {
  EXPECT_EQ(Keywords().size(), 169u);
  EXPECT_EQ(Menu().size(), 13u);
  EXPECT_EQ(Categories().size(), 13u);
  EXPECT_EQ(AllTopics().size(), 111u);
  // Every window from Form2 to Form125 has a keyword.
  for (const WindowEntry& entry : Windows()) {
    WindowId name = entry.id;
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
