// The one table of account names: it is consistent, the chart and marking read it alike, every key
// row of every window written with the chart's name of its account scores full marks, and the
// worked cases of tests/cases/accounts/names.txt hold.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/accounts/chart.h"
#include "core/accounts/names.h"
#include "core/catalogue/catalogue.h"
#include "core/journal/journal.h"
#include "core/journal/number_text.h"
#include "core/practice/exercise.h"
#include "core/practice/marking.h"
#include "core/practice/printed_accounts.h"

namespace varnello {
namespace {

TEST(AccountNames, EachEditionHasOneCodeAndOneNamePerAccountAndEveryNameOneMeaning) {
  for (unsigned edition : {kChart2006, kChartCurrent}) {
    std::set<std::string_view> codes, names;
    for (const AccountRow& row : AccountRows()) {
      if (!(row.editions & edition)) continue;
      EXPECT_EQ(row.code.size(), 4u) << row.name;
      EXPECT_TRUE(codes.insert(row.code).second) << "code twice in edition " << edition << ": " << row.code;
      EXPECT_TRUE(names.insert(row.name).second) << "name twice in edition " << edition << ": " << row.name;
    }
  }
  std::set<std::string_view> current, inChart;
  for (const AccountRow& row : AccountRows()) {
    EXPECT_NE(row.editions, 0u) << row.name;
    if (row.editions & kChartCurrent) current.insert(row.name);
    if (row.editions & kChart2006) inChart.insert(row.name);
  }
  for (const AccountRow& row : AccountRows()) {
    // A current name is an account of the current chart, given to an account it does not hold.
    if (row.current.empty()) continue;
    EXPECT_TRUE(current.contains(row.current)) << row.name << " → " << row.current;
    EXPECT_FALSE(row.editions & kChartCurrent) << row.name;
  }
  std::set<std::string_view> others;
  for (const OtherName& other : OtherNames()) {
    EXPECT_TRUE(others.insert(other.name).second) << "two meanings: " << other.name;
    EXPECT_FALSE(inChart.contains(other.name)) << "an account's own name: " << other.name;
    EXPECT_TRUE(inChart.contains(other.account)) << other.name << " → " << other.account;
    std::optional<NameMeaning> meaning = MeaningOf(other.name);
    ASSERT_TRUE(meaning) << other.name;
    EXPECT_EQ(meaning->account, other.account);
    EXPECT_EQ(meaning->detail, other.detail);
  }
  std::set<std::pair<std::string_view, std::string_view>> forms;
  for (const DetailForm& form : DetailForms())
    EXPECT_TRUE(forms.insert({form.parent, form.from}).second) << form.parent << " " << form.from;
  // The current chart's accounts are not booked with yet.
  EXPECT_FALSE(MeaningOf("债权投资"));
  EXPECT_FALSE(Chart::Standard().Find("其他权益工具投资"));
}

// The chart and marking read a printed caption alike: the first level marking compares is the
// chart's general account of the caption.
TEST(AccountNames, ChartAndMarkingReachTheSameAccountForEveryPrintedName) {
  std::vector<PrintedAccount> printed = PrintedAccounts();
  ASSERT_GT(printed.size(), 150u);
  for (const PrintedAccount& a : printed) {
    std::optional<AccountCode> code = Chart::Standard().Find(a.account);
    ASSERT_TRUE(code) << a.account << " printed by " << a.windows.front();
    std::string normal = NormalizeAccount(a.account);
    std::string first = normal.substr(0, normal.find_first_of("-/"));
    EXPECT_EQ(first, code->general) << a.account << " printed by " << a.windows.front();
    // And marking reads the chart's full name as it reads the caption.
    std::string own = normal.substr(0, normal.find('/'));
    EXPECT_EQ(NormalizeAccount(code->name), own) << a.account << " as " << code->name;
  }
}

// Every key row of every window, in several exercises, written with the chart's name of its
// account: the general account alone (the detail optional), and the general account with its
// detail (required or not), scores 1.0.
TEST(AccountNames, EveryKeyRowWrittenWithTheChartsNameScoresFull) {
  const Chart& chart = Chart::Standard();
  int marked = 0;
  for (const TopicDesc* desc : AllTopics()) {
    for (std::uint64_t seed : {1u, 2u, 5u, 11u}) {
      std::map<int, std::string> texts = MakeExercise(*desc, seed);
      AnswerKey key = KeyOf(*desc, texts);
      if (key.fault) continue;
      std::vector<AnswerLine> general, full;
      for (size_t e = 0; e < key.entryLines.size(); ++e) {
        for (const KeyLine& k : key.entryLines[e]) {
          std::optional<AccountCode> code = chart.Find(k.account);
          ASSERT_TRUE(code) << desc->id << " " << k.account;
          std::string side(SideText(k.side)), amount = PlainAmount(k.amount);
          general.push_back({code->general, side, amount, e});
          full.push_back({code->name, side, amount, e});
        }
      }
      std::string where = std::string(desc->id.name()) + " seed " + std::to_string(seed);
      EXPECT_EQ(MarkAnswer(key, general, {.detailRequired = false}).score, 1.0) << where << " general";
      EXPECT_EQ(MarkAnswer(key, full, {.detailRequired = false}).score, 1.0) << where << " full";
      EXPECT_EQ(MarkAnswer(key, full).score, 1.0) << where << " full, detail required";
      // Placed by the marking itself, without naming the entries.
      for (AnswerLine& line : full) line.entry.reset();
      EXPECT_EQ(MarkAnswer(key, full).score, 1.0) << where << " full, entries found";
      ++marked;
    }
  }
  EXPECT_GT(marked, 400);
}

// The worked cases of tests/cases/accounts/names.txt.
TEST(AccountNames, WorkedCases) {
  std::ifstream in(std::string(VARNELLO_CASES_DIR) + "/accounts/names.txt");
  ASSERT_TRUE(in) << VARNELLO_CASES_DIR;
  struct Answer {
    int line = 0;
    std::string window;
    std::map<int, std::string> fields;
    std::string entry;
    MarkOptions options;
    std::vector<AnswerLine> lines;
  };
  auto markIt = [](const Answer& a, double score) {
    std::optional<WindowId> id = WindowId::Parse(a.window);
    ASSERT_TRUE(id) << "line " << a.line;
    const TopicDesc* desc = FindTopic(*id);
    ASSERT_TRUE(desc) << "line " << a.line;
    AnswerKey key = KeyOf(*desc, a.fields);
    std::optional<size_t> entry;
    for (size_t e = 0; e < key.entries.size(); ++e) {
      if (key.entries[e].heading == a.entry) entry = e;
    }
    ASSERT_TRUE(entry) << "line " << a.line << ": no entry " << a.entry;
    AnswerMarking m = MarkAnswer(key, a.lines, a.options, entry);
    std::string reasons;
    for (const std::string& r : m.reasons) reasons += r + "; ";
    EXPECT_DOUBLE_EQ(m.score, score) << "case at line " << a.line << " " << a.window << ": " << reasons;
  };
  Answer answer;
  int n = 0, codes = 0, marks = 0;
  for (std::string text; std::getline(in, text);) {
    ++n;
    std::istringstream words(text);
    std::string word;
    if (!(words >> word) || word.starts_with("#")) continue;
    if (word == "code") {
      std::string caption, code, name;
      words >> caption >> code >> name;
      std::optional<AccountCode> found = Chart::Standard().Find(caption);
      ASSERT_TRUE(found) << "line " << n << " " << caption;
      EXPECT_EQ(found->code, code) << "line " << n << " " << caption;
      EXPECT_EQ(found->name, name) << "line " << n << " " << caption;
      // Marking takes the caption (its first account, of "A/B") and the chart's name alike.
      std::string normal = NormalizeAccount(caption);
      EXPECT_EQ(normal.substr(0, normal.find('/')), NormalizeAccount(name)) << "line " << n;
      ++codes;
    } else if (word == "mark") {
      answer = Answer();
      answer.line = n;
      words >> answer.window;
      for (int field = 1; words >> word; ++field) answer.fields[field] = word;
    } else if (word == "entry") {
      words >> answer.entry;
    } else if (word == "detail") {
      answer.options.detailRequired = false;
    } else if (word == "line") {
      AnswerLine line;
      words >> line.account >> line.side >> line.amount;
      answer.lines.push_back(line);
    } else if (word == "score") {
      double score = 0;
      words >> score;
      markIt(answer, score);
      ++marks;
    } else {
      ADD_FAILURE() << "line " << n << ": " << text;
    }
  }
  EXPECT_GE(codes, 15);
  EXPECT_GE(marks, 8);
}

}  // namespace
}  // namespace varnello
