// The printed sheets of an exercise set: every question once, room for every line of its key,
// everything inside the margins, long texts wrapped.
#include "core/sheets/set_sheet.h"

#include <gtest/gtest.h>

#include "core/catalogue/catalogue.h"
#include "core/practice/exercise.h"

namespace varnello {
namespace {

// A question on every topic window: more than a page's worth of questions of every size.
ExerciseSet EveryWindow() {
  ExerciseSet set{.id = "3-abcdef01", .seed = 3, .exercises = {}};
  for (const TopicDesc* desc : AllTopics()) {
    std::map<int, std::string> fields = MakeExercise(*desc, 3);
    AnswerKey key = KeyOf(*desc, fields);
    if (key.questions.empty()) continue;
    std::size_t entry = key.questions.back();
    set.exercises.push_back({static_cast<int>(set.exercises.size()) + 1, std::string(desc->id.name()), 3,
                             entry, QuestionText(*desc, fields, entry), fields});
  }
  return set;
}

int Count(const std::vector<VoucherPage>& pages, std::string_view text) {
  int n = 0;
  for (const VoucherPage& page : pages) {
    for (const DrawnText& t : page.texts) n += t.text == text;
  }
  return n;
}

void ExpectWithinMargins(const std::vector<VoucherPage>& pages, std::string_view what) {
  const double left = kSheetMarginMm, right = kPageWidthMm - kSheetMarginMm, top = kSheetMarginMm,
               bottom = kPageHeightMm - kSheetMarginMm, slack = 1e-9;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    for (const DrawnText& t : pages[i].texts) {
      EXPECT_TRUE(t.x >= left - slack && t.x + t.w <= right + slack && t.y >= top - slack &&
                  t.y + t.h <= bottom + slack)
          << what << " page " << i + 1 << ": " << t.text << " at " << t.x << "," << t.y;
    }
    for (const DrawnLine& l : pages[i].lines) {
      for (double x : {l.x1, l.x2}) EXPECT_TRUE(x >= left - slack && x <= right + slack) << what;
      for (double y : {l.y1, l.y2}) EXPECT_TRUE(y >= top - slack && y <= bottom + slack) << what;
    }
  }
}

TEST(SetSheet, EveryQuestionOnceWithRoomForItsKeyAndWithinTheMargins) {
  ExerciseSet set = EveryWindow();
  ASSERT_GT(set.exercises.size(), 100u);
  std::vector<SheetQuestion> questions = SheetQuestionsOf(set);
  ASSERT_EQ(questions.size(), set.exercises.size());
  std::vector<VoucherPage> sheet = LayoutQuestionSheet(set.id, questions);
  std::vector<VoucherPage> key = LayoutKeySheet(set.id, questions);
  EXPECT_GT(sheet.size(), 10u);
  // The answer rows are the table's thin full-width rules: a question's key lines and spares.
  std::size_t rows = 0, expected = 0;
  for (const VoucherPage& page : sheet) {
    for (const DrawnLine& l : page.lines) {
      rows += l.width == 0.15 && l.x1 == kSheetMarginMm && l.x2 == kPageWidthMm - kSheetMarginMm;
    }
  }
  for (std::size_t i = 0; i < questions.size(); ++i) {
    const SheetQuestion& q = questions[i];
    const SetExercise& e = set.exercises[i];
    SCOPED_TRACE(e.window);
    EXPECT_TRUE(q.problem.empty()) << q.problem;
    // The key is the marking's key of that entry.
    AnswerKey answer = KeyOf(*FindTopic(*WindowId::Parse(e.window)), e.fields);
    ASSERT_EQ(q.key.size(), answer.entryLines[e.entry].size());
    for (std::size_t k = 0; k < q.key.size(); ++k) {
      EXPECT_EQ(q.key[k].account, answer.entryLines[e.entry][k].account);
      EXPECT_EQ(q.key[k].amount, answer.entryLines[e.entry][k].amount);
      EXPECT_GE(Count(key, PlainAmount(q.key[k].amount)), 1);
    }
    expected += q.key.size() + kSpareAnswerRows;
    const std::string number = "第" + std::to_string(q.number) + "题";
    EXPECT_EQ(Count(sheet, number), 1);
    EXPECT_EQ(Count(key, number), 1);
  }
  EXPECT_EQ(rows, expected);
  EXPECT_EQ(Count(sheet, "第 1 页 共 " + std::to_string(sheet.size()) + " 页"), 1);
  ExpectWithinMargins(sheet, "sheet");
  ExpectWithinMargins(key, "key");
}

TEST(SetSheet, LongTextsWrapWithinTheirWidthKeepingNumbersWhole) {
  const std::string text =
      "购入股票：每股价格 12.5 元，每股股利 0.5 元，数额 1000，手续费等（含税）50 元，另支付相关税费 1234.56 "
      "元。"
      "请编制会计分录，并写出每一个金额的计算过程，说明所用科目。";
  // Every width from a few characters to the whole text puts the breaks somewhere else.
  auto unblank = [](std::string s) {
    std::erase(s, ' ');
    return s;
  };
  for (double width = 15; width < 200; width += 1) {
    SCOPED_TRACE(width);
    std::vector<std::string> lines = WrapText(text, width, 10.5);
    std::string joined;
    for (const std::string& l : lines) {
      for (std::string_view mark : {"，", "。", "）"}) EXPECT_FALSE(l.starts_with(mark)) << l;
      EXPECT_FALSE(l.ends_with("（")) << l;
      EXPECT_FALSE(l.ends_with(" ") || l.starts_with(" ")) << l;
      joined += l;
    }
    // Only blanks at the breaks are dropped; every number stays on one line.
    EXPECT_EQ(unblank(joined), unblank(text));
    for (std::string_view n : {"12.5", "1234.56", "1000"}) {
      bool whole = false;
      for (const std::string& l : lines) whole = whole || l.find(n) != std::string::npos;
      EXPECT_TRUE(whole) << n;
    }
  }
  EXPECT_EQ(WrapText(text, 1000, 10.5).size(), 1u);
  // A question of many lines still lays out inside the page.
  ExerciseSet set = EveryWindow();
  set.exercises.resize(3);
  for (SetExercise& e : set.exercises) e.question = text + text + text;
  std::vector<VoucherPage> sheet = LayoutQuestionSheet(set.id, SheetQuestionsOf(set));
  ExpectWithinMargins(sheet, "long");
}

}  // namespace
}  // namespace varnello
