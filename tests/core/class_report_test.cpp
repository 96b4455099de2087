// A class marked together: answers built from the keys with known errors give the scores and
// error counts put in; files that are damaged or answer another set are reported, not skipped.
#include "core/practice/class_report.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/catalogue/catalogue.h"

namespace varnello {
namespace {

// The lines of the question's entry that count (an amount to the 分), as a student writes them.
std::vector<AnswerLine> KeyAnswer(const SetExercise& e) {
  const TopicDesc& desc = *FindTopic(*WindowId::Parse(e.window));
  std::vector<AnswerLine> lines;
  AnswerKey key = KeyOf(desc, e.fields);
  for (const KeyLine& k : key.entryLines[e.entry]) {
    if (Cents(k.amount) != 0)
      lines.push_back({k.account, std::string(SideText(k.side)), PlainAmount(k.amount)});
  }
  return lines;
}

enum class Slip { None, Side, Amount, Missing, Account };

TEST(ClassReport, SyntheticClassGivesTheScoresAndErrorsPutIn) {
  ExerciseSet set = MakeSet({.count = 4, .seed = 9});
  // Student k makes slip k on question k (the first line; Missing drops the last); student 0 none.
  const Slip slips[] = {Slip::None, Slip::Side, Slip::Amount, Slip::Missing, Slip::Account};
  std::vector<AnswerFile> files;
  std::vector<double> expected;
  for (size_t k = 0; k < std::size(slips); ++k) {
    SetAnswers a{set.id, "S" + std::to_string(k), "学生<" + std::to_string(k) + ">", {}};
    double total = 0;
    for (const SetExercise& e : set.exercises) {
      std::vector<AnswerLine> lines = KeyAnswer(e);
      ASSERT_GE(lines.size(), 2u) << e.window;
      const double n = static_cast<double>(lines.size());
      double score = 1;
      if (static_cast<size_t>(e.number) == k) {
        AnswerLine& first = lines.front();
        switch (slips[k]) {
          case Slip::None:
            break;
          case Slip::Side:
            first.side = first.side == "借" ? "贷" : "借";
            score = (n - 1) / n;
            break;
          case Slip::Amount:
            first.amount += "1";
            score = (n - 1) / n;
            break;
          case Slip::Missing:
            lines.pop_back();
            score = (n - 1) / n;
            break;
          case Slip::Account:
            // One error: the line stands for the key line of its side and amount.
            first.account = "营业外支出——罚没支出";
            score = (n - 1) / n;
            break;
        }
      }
      total += score;
      for (AnswerLine& l : lines) a.lines.push_back({e.number, l});
    }
    expected.push_back(total);
    files.push_back({"s" + std::to_string(k) + ".csv", AnswersCsv(a), ""});
  }
  files.push_back({"other.csv", AnswersCsv({"1-00000000", "X", "外", {}}), ""});
  files.push_back({"cut.csv", files[0].text + "\"" + set.id + ",S9", ""});
  files.push_back({"again.csv", files[1].text, ""});
  files.push_back({"gone.csv", "", "读不出文件：No such file or directory"});

  ClassMarking marked = MarkClass(set, files, {});
  ASSERT_EQ(marked.students.size(), std::size(slips));
  for (size_t k = 0; k < std::size(slips); ++k) {
    const StudentResult& s = marked.students[k];
    EXPECT_NEAR(s.total, expected[k], 1e-9) << k;
    for (const QuestionResult& q : s.questions) {
      std::vector<Mark> marks;
      size_t missing = 0;
      for (const QuestionError& e : q.errors) {
        if (e.missing) {
          ++missing;
          EXPECT_TRUE(e.reason.starts_with("少了一行：")) << e.reason;
        } else {
          marks.push_back(e.mark);
        }
      }
      if (static_cast<size_t>(q.number) != k || slips[k] == Slip::None) {
        EXPECT_TRUE(q.errors.empty()) << k << " " << q.number << " " << q.errors.front().reason;
        continue;
      }
      switch (slips[k]) {
        case Slip::Side:
          EXPECT_EQ(marks, std::vector<Mark>{Mark::WrongSide});
          EXPECT_EQ(missing, 0u);
          break;
        case Slip::Amount:
          EXPECT_EQ(marks, std::vector<Mark>{Mark::WrongAmount});
          EXPECT_NE(q.errors[0].reason.find("应为"), std::string::npos);  // the teacher sees the amount
          EXPECT_EQ(missing, 0u);
          break;
        case Slip::Missing:
          EXPECT_TRUE(marks.empty());
          EXPECT_EQ(missing, 1u);
          break;
        default:
          EXPECT_EQ(marks, std::vector<Mark>{Mark::WrongAccount});
          EXPECT_TRUE(q.errors[0].reason.starts_with("科目错误：应为 ")) << q.errors[0].reason;
          EXPECT_NE(q.errors[0].reason.find("营业外支出——罚没支出"), std::string::npos);
          EXPECT_EQ(missing, 0u);
      }
    }
  }

  // Every file not marked is there with its reason.
  ASSERT_EQ(marked.problems.size(), 4u);
  EXPECT_EQ(marked.problems[0].file, "other.csv");
  EXPECT_NE(marked.problems[0].reason.find("不是本练习集"), std::string::npos);
  EXPECT_NE(marked.problems[1].reason.find("引号没有闭合"), std::string::npos);
  EXPECT_NE(marked.problems[2].reason.find("已在 s1.csv 中批改过"), std::string::npos);
  EXPECT_EQ(marked.problems[3].file, "gone.csv");

  std::string csv = ReportCsv(marked);
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 5 * 4);
  EXPECT_NE(csv.find("S1,学生<1>,1,"), std::string::npos);
  std::string html = ReportHtml(marked, set);
  EXPECT_EQ(html.find("学生<"), std::string::npos);  // escaped
  EXPECT_NE(html.find("学生&lt;1&gt;"), std::string::npos);
  EXPECT_NE(html.find("<svg"), std::string::npos);
  EXPECT_EQ(html.find("<script"), std::string::npos);
  EXPECT_NE(html.find("cut.csv"), std::string::npos);
}

// A student's 学号 or 姓名 that a spreadsheet would take for a formula stays text in report.csv.
TEST(ClassReport, StudentTextIsNotRunAsAFormula) {
  ClassMarking marked;
  marked.students.push_back({"=1+1", "@SUM(A1)", "a.csv", {QuestionResult{1, 1, {}}}, 1});
  marked.students.push_back({"-2", "王=", "b.csv", {QuestionResult{1, 0, {}}}, 0});
  std::string csv = ReportCsv(marked);
  EXPECT_NE(csv.find("\r\n'=1+1,'@SUM(A1),1,"), std::string::npos) << csv;
  EXPECT_NE(csv.find("\r\n'-2,王=,1,"), std::string::npos) << csv;
}

}  // namespace
}  // namespace varnello
