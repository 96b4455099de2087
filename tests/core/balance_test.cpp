// Whether entries balance: sides supplied where the print leaves them out, the closing-balance
// line, and a sweep of every window with sensible figures.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/entries/entries.h"
#include "core/entries/table.h"
#include "core/practice/exercise.h"
#include "core/record_helper.h"

namespace varnello {
namespace {

std::vector<Entry> EntriesOfLines(std::initializer_list<const char*> lines) {
  return EntriesOf(testing::RecordOf(lines));
}

TEST(Balance, SidesInferredOnlyWhereOneSideBalances) {
  struct Case {
    std::vector<Entry> entries;
    Side side;  // of the row at index 1 of the first entry
    bool inferred;
    bool balanced;
  };
  const Case cases[] = {
      // The printed caption leaves out a credit.
      {EntriesOfLines({"增加资本公积", "长期股权投资（借） 7800 ", "资本公积 7800 "}), Side::Credit, true,
       true},
      // ... or a debit.
      {EntriesOfLines({"接受", "库存商品（借） 90 ", "应交税费（进） 10 ", "实收资本（贷） 100 "}),
       Side::Debit, true, true},
      // A memo figure beside an entry that balances already keeps no side.
      {EntriesOfLines({"购入", "固定资产（借） 100 ", "入账价值 100 ", "银行存款（贷） 100 "}), Side::None,
       false, true},
      // A figure that balances nothing keeps no side, and the entry stays unbalanced.
      {EntriesOfLines({"x", "银行存款（借） 100 ", "资本公积 30 "}), Side::None, false, false},
      // Two rows without a side that could each balance the entry: neither is guessed.
      {EntriesOfLines({"x", "银行存款（借） 100 ", "资本公积 100 ", "盈余公积 100 "}), Side::None, false,
       false},
  };
  for (const Case& c : cases) {
    const Entry& e = c.entries.at(0);
    SCOPED_TRACE(e.rows.at(1).caption);
    EXPECT_EQ(e.rows.at(1).side, c.side);
    EXPECT_EQ(e.rows.at(1).sideInferred, c.inferred);
    EXPECT_EQ(BalanceOf(e).balanced, c.balanced);
  }
  // Inferred sides reach the table's columns; the printed caption stays.
  EntryTable table = TableOf(EntriesOfLines({"增加资本公积", "长期股权投资（借） 7800 ", "资本公积 7800 "}));
  EXPECT_EQ(table.rows[1], (std::vector<std::string>{"", "资本公积", "", "7800", ""}));
}

TEST(Balance, HalfAFenAndTheRoundingOfLargeSums) {
  EXPECT_TRUE(Agrees(100.004, 100, 200, 2));
  EXPECT_FALSE(Agrees(100.006, 100, 200, 2));
  EXPECT_FALSE(Agrees(100.01, 100, 200, 2));
  // Sums of 1e20: the additions alone round by more than a 分.
  EXPECT_TRUE(Agrees(1e20 + 16384, 1e20, 2e20, 3));
  EXPECT_FALSE(Agrees(1.001e20, 1e20, 2e20, 3));
}

// The closing balance of undistributed profit states a balance: it keeps its side and is no
// part of any entry's sums.
TEST(Balance, ClosingBalanceLineIsNoPosting) {
  testing::PressedEntries r =
      testing::PressEntries(*FindTopic("Form114"), std::vector<FieldText>{{1, "100"}, {3, "151200"}});
  ASSERT_FALSE(r.entries.empty());
  const EntryRow& row = r.entries[0].rows.at(0);
  EXPECT_EQ(row.account, "未分配利润总");
  EXPECT_EQ(row.side, Side::Debit);
  EXPECT_TRUE(row.balanceLine);
  EntryBalance b = BalanceOf(r.entries[0]);
  EXPECT_EQ(b.debit, 0);
  EXPECT_TRUE(b.balanced);
  for (const Entry& e : r.entries) EXPECT_TRUE(BalanceOf(e).balanced) << e.heading;
}

// Entries that print figures typed in separate fields that must agree (票据面值 against 货款 +
// 增值税, 累计折旧 against the departments' charges, ...) balance with exercise figures, which derive
// such fields from each other: no entry is left to list.
const std::set<std::pair<std::string, std::string>> kTypedApart = {};

// The rows whose side the print leaves out and the entry supplies.
const std::set<std::tuple<std::string, std::string, Side>> kInferred = {
    {"Form5", "贷款-已减值", Side::Credit},
    {"Form41", "长期债权投资（面值）", Side::Credit},
    {"Form49", "银行存款", Side::Credit},
    {"Form80", "应交税费-应交增值税（进）", Side::Debit},
    {"Form87", "应交税费-应交增值税（出口退税）", Side::Credit},
    {"Form92", "应交税费-应交增值税（销）", Side::Credit},
    {"Form122", "资本公积", Side::Credit},
    {"Form123", "盈余公积-法定盈余公积", Side::Credit},
};

TEST(Balance, EveryWindowWithSensibleFigures) {
  std::set<std::pair<std::string, std::string>> unbalanced;
  std::set<std::tuple<std::string, std::string, Side>> inferred;
  std::size_t entries = 0;
  for (const TopicDesc* desc : AllTopics()) {
    std::string window(desc->id.name());
    for (std::uint64_t seed = 0; seed < 12; ++seed) {
      std::map<int, std::string> texts = MakeExercise(*desc, seed);
      testing::PressedEntries r = testing::PressEntries(*desc, FieldTexts(texts));
      ASSERT_EQ(r.fault, std::nullopt) << window;
      for (const Entry& e : r.entries) {
        ++entries;
        for (const EntryRow& row : e.rows) {
          if (row.sideInferred) inferred.insert({window, row.account, row.side});
        }
        if (BalanceOf(e).balanced) continue;
        unbalanced.insert({window, e.heading});
        EXPECT_TRUE(kTypedApart.contains({window, e.heading}))
            << window << " " << e.heading << " seed " << seed << ": " << BalanceOf(e).debit << " against "
            << BalanceOf(e).credit;
      }
    }
  }
  EXPECT_GT(entries, 4000u);
  // Each listed entry is there to be listed.
  EXPECT_EQ(unbalanced, kTypedApart);
  EXPECT_EQ(inferred, kInferred);
}

// The four windows whose entries once could not balance do now, whatever is typed.
TEST(Balance, MendedWindowsBalanceForAnyFigures) {
  const char* figures[] = {"", "0", "1", "-7", "37.5", "260", "1000", "-1234.56", "98765.43", "0.3"};
  std::mt19937 random(24);
  for (const char* window : {"Form29", "Form39", "Form43", "Form69"}) {
    const TopicDesc& desc = *FindTopic(WindowId::Parse(window).value());
    for (int press = 0; press < 400; ++press) {
      std::map<int, std::string> texts;
      for (const Item* f : FieldsOf(desc)) texts[f->field] = figures[random() % std::size(figures)];
      testing::PressedEntries r = testing::PressEntries(desc, FieldTexts(texts));
      if (r.fault) continue;
      for (const Entry& e : r.entries) {
        EntryBalance b = BalanceOf(e);
        EXPECT_TRUE(b.balanced) << window << " " << e.heading << ": " << b.debit << " against " << b.credit;
      }
    }
  }
}

}  // namespace
}  // namespace varnello
