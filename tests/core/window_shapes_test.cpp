// The arrangement and navigation of the topic windows whose shape is their own: extra buttons,
// captions that lead elsewhere, columns of sections. (What the windows print is in the worked
// cases, tests/cases/.)
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "core/layout/layout.h"

namespace varnello {
namespace {

WindowLayout LayoutOf(std::string_view window) {
  const TopicDesc* desc = FindTopic(*WindowId::Parse(window));
  EXPECT_NE(desc, nullptr) << window;
  return desc ? LayoutTopic(*desc) : WindowLayout{};
}

// The first control of the kind with the caption (any caption when empty) and field (any when 0).
const Control* Find(const WindowLayout& layout, ControlKind kind, std::string_view caption, int field = 0) {
  auto it = std::find_if(layout.controls.begin(), layout.controls.end(), [&](const Control& c) {
    return c.kind == kind && (caption.empty() || c.caption == caption) && (field == 0 || c.field == field);
  });
  return it == layout.controls.end() ? nullptr : &*it;
}

// Closing the year: a fourth button below the standard ones leads to the distribution window;
// income in the left column, expenses and tax in the right one.
TEST(WindowShapes, ClosingLeadsToDistribution) {
  WindowLayout layout = LayoutOf("Form113");
  std::vector<const Control*> buttons, fields;
  for (const Control& c : layout.controls) {
    if (c.kind == ControlKind::Button) buttons.push_back(&c);
    if (c.kind == ControlKind::Field) fields.push_back(&c);
  }
  ASSERT_EQ(buttons.size(), 4u);
  EXPECT_EQ(buttons[3]->name, "Command4");
  EXPECT_EQ(buttons[3]->caption, "结转本年利润");
  EXPECT_EQ(buttons[3]->role, ButtonRole::Navigate);
  EXPECT_EQ(buttons[3]->opens, WindowId("Form114"));
  EXPECT_EQ(buttons[2]->opens, kMainWindow);  // 退出
  EXPECT_GT(buttons[3]->rect.y, buttons[2]->rect.bottom());
  ASSERT_EQ(fields.size(), 14u);
  for (size_t i = 0; i < fields.size(); ++i) {
    EXPECT_EQ(fields[i]->rect.x > fields[0]->rect.x, i >= 5) << "Text" << fields[i]->field;
  }
  const TopicDesc* next = FindTopic(WindowId("Form114"));
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->exitTo, kMainWindow);
  EXPECT_TRUE(next->extraButtons.empty());
  EXPECT_FALSE(HasField(*next, 4));
  for (int n : {1, 2, 3, 5, 6, 7, 8}) EXPECT_TRUE(HasField(*next, n)) << n;
}

// 退出 of the depreciation calculator leads on to the distribution window; the caption 累计折旧
// there brings the calculator back, and the distribution window's own 退出 returns to the main
// window. Double-declining and units of production stand in the left column, straight line and
// sum of the years in the right one; each section caption stands above its fields.
TEST(WindowShapes, DepreciationPair) {
  WindowLayout calc = LayoutOf("Form52");
  WindowLayout dist = LayoutOf("Form53");
  const Control* exitCalc = Find(calc, ControlKind::Button, "退出");
  const Control* exitDist = Find(dist, ControlKind::Button, "退出");
  const Control* link = Find(dist, ControlKind::Caption, "累计折旧", 6);
  ASSERT_TRUE(exitCalc && exitDist && link);
  EXPECT_EQ(exitCalc->opens, WindowId("Form53"));
  EXPECT_EQ(exitDist->opens, kMainWindow);
  EXPECT_EQ(link->opens, WindowId("Form52"));

  struct Group {
    const char* section;
    std::vector<int> fields;
    bool left;
  } groups[] = {
      {"双倍余额递减法", {4, 5, 6}, true},
      {"工作量法", {7, 8, 9, 14}, true},
      {"年限平均法", {1, 2, 3}, false},
      {"年数总和法", {10, 11, 12, 13}, false},
  };
  const Control* leftHead = Find(calc, ControlKind::Section, "双倍余额递减法");
  const Control* rightHead = Find(calc, ControlKind::Section, "年限平均法");
  ASSERT_TRUE(leftHead && rightHead);
  EXPECT_LT(leftHead->rect.right(), rightHead->rect.x);
  for (const Group& g : groups) {
    SCOPED_TRACE(g.section);
    const Control* head = Find(calc, ControlKind::Section, g.section);
    ASSERT_NE(head, nullptr);
    EXPECT_EQ(head->rect.x, (g.left ? leftHead : rightHead)->rect.x);
    int above = head->rect.y;
    for (int n : g.fields) {
      const Control* caption = Find(calc, ControlKind::Caption, "", n);
      ASSERT_NE(caption, nullptr);
      EXPECT_EQ(caption->rect.x, head->rect.x) << n;
      EXPECT_GT(caption->rect.y, above) << n;
      above = caption->rect.y;
    }
  }
}

// The cashier's order column stands beside the bank draft's, clear of the printed lines.
TEST(WindowShapes, CashiersOrderColumn) {
  WindowLayout layout = LayoutOf("Form12");
  for (const Control& c : layout.controls) EXPECT_FALSE(c.rect.intersects(layout.output)) << c.caption;
  const Control* order = Find(layout, ControlKind::Section, "申请本票");
  const Control* bill = Find(layout, ControlKind::Section, "申请汇票");
  ASSERT_TRUE(order && bill);
  EXPECT_LT(order->rect.x, bill->rect.x);
  EXPECT_EQ(order->rect.y, bill->rect.y);
}

// The month's VAT stands alone in the left-hand column, on the last row of the tax fields.
TEST(WindowShapes, SurchargesVatColumn) {
  WindowLayout layout = LayoutOf("Form98");
  const Control* vat = Find(layout, ControlKind::Field, "", 8);
  const Control* last = Find(layout, ControlKind::Field, "", 9);
  ASSERT_TRUE(vat && last);
  EXPECT_EQ(vat->rect.y, last->rect.y);
  EXPECT_LT(vat->rect.right(), last->rect.x);
}

// The surplus reserve's three sections, and payroll's nineteen fields each once, with the
// personal share of the pension insurance on Text14.
TEST(WindowShapes, SectionsAndFields) {
  const TopicDesc* reserve = FindTopic(WindowId("Form123"));
  ASSERT_NE(reserve, nullptr);
  ASSERT_EQ(reserve->columns.size(), 1u);
  std::vector<std::string_view> sections;
  for (const Item& item : reserve->columns[0]) {
    if (item.field == 0) sections.push_back(item.caption);
  }
  EXPECT_EQ(sections, (std::vector<std::string_view>{"提取盈余公积", "盈余公积补亏", "盈余公积转增资本"}));
  for (int n = 1; n <= 5; ++n) EXPECT_TRUE(HasField(*reserve, n)) << n;

  const TopicDesc* payroll = FindTopic(WindowId("Form101"));
  ASSERT_NE(payroll, nullptr);
  std::set<int> seen;
  for (const Item* item : FieldsOf(*payroll)) {
    EXPECT_TRUE(seen.insert(item->field).second) << item->field;
    if (item->field == 14) {
      EXPECT_EQ(item->caption, "养老保险（个人）");
    }
  }
  EXPECT_EQ(seen, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
}

}  // namespace
}  // namespace varnello
