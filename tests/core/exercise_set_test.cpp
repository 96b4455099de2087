// Exercise sets: drawn reproducibly, balanced over subjects, never asking twice; written and read
// back whole; answers files read back or refused with the row and reason.
#include "core/practice/exercise_set.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "core/catalogue/catalogue.h"

namespace varnello {
namespace {

// The topic windows a menu entry leads to: the buttons of its category window, or its own window.
std::set<std::string> WindowsOf(std::string_view caption) {
  std::set<std::string> windows;
  for (const MenuEntry& m : Menu()) {
    if (m.caption != caption) continue;
    if (const CategoryDesc* category = FindCategory(m.opens)) {
      for (const CategoryButton& b : category->buttons) {
        if (FindTopic(b.opens) != nullptr) windows.insert(std::string(b.opens.name()));
      }
    } else {
      windows.insert(std::string(m.opens.name()));
    }
  }
  return windows;
}

TEST(ExerciseSet, ReproducibleBalancedAndNeverRepeated) {
  ExerciseSet set = MakeSet({.count = 20, .seed = 7});
  ASSERT_EQ(set.exercises.size(), 20u);
  EXPECT_EQ(SetText(MakeSet({.count = 20, .seed = 7})), SetText(set));
  EXPECT_NE(MakeSet({.count = 20, .seed = 8}).id, set.id);
  EXPECT_TRUE(set.id.starts_with("7-")) << set.id;
  std::set<std::pair<std::string, size_t>> asked;
  std::set<std::string> windows;
  for (const SetExercise& e : set.exercises) {
    EXPECT_EQ(e.number, static_cast<int>(asked.size()) + 1);
    EXPECT_TRUE(asked.insert({e.window, e.entry}).second) << e.window << " " << e.entry;
    windows.insert(e.window);
    EXPECT_TRUE(e.question.ends_with("请编制会计分录。")) << e.question;
  }
  EXPECT_GT(windows.size(), 15u);

  // Two subjects take turns: as many questions of each while both have some left.
  const std::set<std::string> pay = WindowsOf("工资"), tax = WindowsOf("税费");
  ExerciseSet two = MakeSet({.count = 6, .seed = 3, .subjects = {"工资", "税费"}});
  int inPay = 0, inTax = 0;
  for (const SetExercise& e : two.exercises) {
    bool p = pay.count(e.window) != 0, t = tax.count(e.window) != 0;
    EXPECT_TRUE(p || t) << e.window;
    inPay += p && !t;
    inTax += t && !p;
  }
  EXPECT_EQ(inPay, 3);
  EXPECT_EQ(inTax, 3);

  // Every question a window list offers, and no more.
  ExerciseSet all = MakeSet({.count = 1, .seed = 1, .windows = {"买股票"}});
  EXPECT_EQ(all.exercises[0].window, "Form6");
  size_t offered = 1;
  while (true) {
    try {
      MakeSet({.count = offered + 1, .seed = 1, .windows = {"Form6"}});
      ++offered;
    } catch (const std::invalid_argument&) {
      break;
    }
  }
  ExerciseSet form6 = MakeSet({.count = offered, .seed = 1, .windows = {"Form6"}});
  std::set<size_t> entries;
  for (const SetExercise& e : form6.exercises) entries.insert(e.entry);
  EXPECT_EQ(entries.size(), offered);
  EXPECT_GT(offered, 1u);

  EXPECT_THROW(MakeSet({.count = 3, .subjects = {"没有"}}), std::invalid_argument);
  EXPECT_THROW(MakeSet({.count = 3, .windows = {"Form27"}}), std::invalid_argument);  // a category
  EXPECT_THROW(MakeSet({.count = 0}), std::invalid_argument);
}

TEST(ExerciseSet, SetFileReadsBackAndRefusesChanges) {
  ExerciseSet set = MakeSet({.count = 5, .seed = 11, .subjects = {"股票"}});
  std::string text = SetText(set);
  SetReading back = ReadSet(text);
  ASSERT_EQ(back.error, "");
  EXPECT_EQ(back.set.id, set.id);
  EXPECT_EQ(back.set.seed, 11u);
  EXPECT_EQ(SetText(back.set), text);

  const std::string first = text.substr(0, text.find('\n') + 1);
  std::string changed = text;
  size_t at = changed.find("\"Text1\":\"") + 9;
  changed.insert(at, "1");  // a figure changed by hand
  const std::pair<std::string, std::string> damaged[] = {
      {changed, "校验码不符"},
      {"", "练习集是空的"},
      {first + "{\"set\":1}\n", "第 2 行"},
      {first + "not json\n", "第 2 行：不是 JSON"},
      {first + first, "第 2 行：题号应为 2"},
      {text + "{\"x\":1}\n", "第 6 行：多了"},
  };
  for (const auto& [bad, reason] : damaged) {
    EXPECT_NE(ReadSet(bad).error.find(reason), std::string::npos) << ReadSet(bad).error;
  }
}

TEST(ExerciseSet, AnswersCsvReadsBackOrSaysWhichRowIsWrong) {
  ExerciseSet set = MakeSet({.count = 3, .seed = 5});
  SetAnswers answers{set.id, "2024001", "王\"小\"明", {}};
  answers.lines.push_back({1, {"应交税费——应交增值税（进项税额）", "借", "1,300"}});
  answers.lines.push_back({3, {"银行存款", "贷", "¥9,550.00"}});
  std::string csv = AnswersCsv(answers);
  EXPECT_TRUE(csv.starts_with("练习集,学号,姓名,题号,会计科目,借/贷,金额\r\n")) << csv;
  EXPECT_NE(csv.find(",\"王\"\"小\"\"明\",1,"), std::string::npos) << csv;
  for (const std::string& text : {csv, "\xEF\xBB\xBF" + csv}) {
    AnswersReading back = ReadAnswersCsv(text, set);
    ASSERT_EQ(back.error, "");
    ASSERT_EQ(back.students.size(), 1u);
    EXPECT_EQ(back.students[0].name, answers.name);
    ASSERT_EQ(back.students[0].lines.size(), 2u);
    EXPECT_EQ(back.students[0].lines[1].number, 3);
    EXPECT_EQ(back.students[0].lines[1].line.amount, "¥9,550.00");
  }
  // A student who wrote nothing is still a student.
  AnswersReading none = ReadAnswersCsv(AnswersCsv({set.id, "7", "李", {}}), set);
  ASSERT_EQ(none.error, "");
  EXPECT_TRUE(none.students.at(0).lines.empty());

  const std::string header = "练习集,学号,姓名,题号,会计科目,借/贷,金额\n";
  const std::pair<std::string, std::string> damaged[] = {
      {"", "第 1 行：表头应为"},
      {header + "9-0000000a,1,王,1,银行存款,借,1\n", "第 2 行：答的是练习集 9-0000000a，不是本练习集"},
      {header + set.id + ",1,王,4,银行存款,借,1\n", "第 2 行：题号 4 不在 1 到 3 之间"},
      {header + set.id + ",1,王,1,银行存款,借\n", "第 2 行：应有 7 列，却有 6 列"},
      {header + set.id + ",,王,1,银行存款,借,1\n", "第 2 行：学号是空的"},
      {header + set.id + ",1,王,1,银行存款,借,1\n" + set.id + ",1,张,2,银行存款,借,1\n", "第 3 行：学号 1"},
      {header + set.id + ",1,王,1,\"银行存款,借,1\n", "第 2 行：引号没有闭合"},
      {header + set.id + ",1,王,1,银\"行,借,1\n", "第 2 行：引号只能包住整个字段"},
      {header + "\xFF\n", "不是 UTF-8"},
  };
  for (const auto& [bad, reason] : damaged) {
    AnswersReading reading = ReadAnswersCsv(bad, set);
    EXPECT_NE(reading.error.find(reason), std::string::npos) << reading.error;
    EXPECT_TRUE(reading.students.empty() || !reading.error.empty());
  }
}

}  // namespace
}  // namespace varnello
