// Exercise figures: sound on every window for many seeds, reproducible, in the caption's range.
#include "core/practice/exercise.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "core/catalogue/catalogue.h"
#include "core/record_helper.h"

namespace varnello {
namespace {

TEST(Exercise, CaptionsChooseTheKindOfFigure) {
  const std::pair<std::string_view, FigureKind> cases[] = {
      {"年利率", FigureKind::Rate},           {"法定盈余公积比例", FigureKind::Rate},
      {"占有股份", FigureKind::Rate},         {"增值税税率", FigureKind::VatRate},
      {"所得税税率", FigureKind::IncomeRate}, {"美元中间价", FigureKind::Exchange},
      {"预计使用寿命", FigureKind::Years},    {"期限（年）", FigureKind::Years},
      {"已使用年限", FigureKind::YearsUsed},  {"期限（月）", FigureKind::Months},
      {"期限（季）", FigureKind::Quarters},   {"贴现期限(天)", FigureKind::Days},
      {"未贴现时间", FigureKind::DaysLeft},   {"支付次数", FigureKind::Times},
      {"数额", FigureKind::Quantity},         {"预计总工作量", FigureKind::TotalWork},
      {"当期工作量", FigureKind::Work},       {"每股价格", FigureKind::UnitPrice},
      {"每股股利", FigureKind::PerShare},     {"股票面值", FigureKind::PerShare},
      {"回购价格", FigureKind::UnitPrice},    {"手续费等", FigureKind::Fee},
      {"年初未分配利润", FigureKind::Money},  {"固定资产原价", FigureKind::Money},
  };
  for (const auto& [caption, kind] : cases) EXPECT_EQ(FigureKindOf(caption), kind) << caption;
}

// Every window, 1000 seeds: every field filled, rates within 0.01..0.5, and the press neither
// faults nor prints only zero amounts on its journal lines; every entry balances and no amount
// with a side is negative. No window needs to be listed as negative or unbalanced by nature.
TEST(Exercise, EveryWindowEverySeedIsSound) {
  for (const TopicDesc* desc : AllTopics()) {
    size_t fieldCount = FieldsOf(*desc).size();
    for (std::uint64_t seed = 0; seed < 1000; ++seed) {
      std::map<int, std::string> texts = MakeExercise(*desc, seed);
      ASSERT_EQ(texts.size(), fieldCount) << desc->id;
      for (const Item* field : FieldsOf(*desc)) {
        if (FigureKindOf(field->caption) != FigureKind::Rate) continue;
        double rate = std::strtod(texts[field->field].c_str(), nullptr);
        ASSERT_TRUE(rate >= 0.01 && rate <= 0.5) << desc->id << " " << field->caption;
      }
      testing::PressedEntries press = testing::PressEntries(*desc, FieldTexts(texts));
      ASSERT_FALSE(press.fault) << desc->id << " seed " << seed;
      bool nonZero = false;
      for (const Entry& entry : press.entries) {
        EntryCheck check = CheckEntry(entry);
        nonZero = nonZero || check.nonZero;
        ASSERT_FALSE(check.negative) << desc->id << " seed " << seed << " " << entry.heading;
        ASSERT_TRUE(check.balanced) << desc->id << " seed " << seed << " " << entry.heading;
      }
      ASSERT_TRUE(nonZero) << desc->id << " seed " << seed;
    }
  }
}

TEST(Exercise, SameSeedSameFiguresOtherSeedOtherFigures) {
  const TopicDesc* form6 = FindTopic("Form6");
  ASSERT_NE(form6, nullptr);
  EXPECT_EQ(MakeExercise(*form6, 7), MakeExercise(*form6, 7));
  std::set<std::map<int, std::string>> distinct;
  for (std::uint64_t seed = 0; seed < 20; ++seed) distinct.insert(MakeExercise(*form6, seed));
  EXPECT_GT(distinct.size(), 15u);
}

}  // namespace
}  // namespace varnello
