// Exercise figures: sound on every window for many seeds, reproducible, in the caption's range.
#include "core/practice/exercise.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "core/catalogue/catalogue.h"
#include "core/practice/exercise_set.h"
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

// The seeds of tests/cases/seeds.txt give the figures and sets written beside them; every topic
// window is pinned there.
TEST(Exercise, SeedsGiveTheirPinnedFigures) {
  std::ifstream in(std::string(VARNELLO_CASES_DIR) + "/seeds.txt");
  ASSERT_TRUE(in) << VARNELLO_CASES_DIR << "/seeds.txt";
  auto seedOf = [](std::string_view text) {
    std::uint64_t seed = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seed);
    EXPECT_TRUE(ec == std::errc() && end == text.data() + text.size()) << text;
    return seed;
  };
  std::set<std::string> pinned;
  int sets = 0;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (line.empty() || line[0] == '#') continue;
    const std::string where = "seeds.txt:" + std::to_string(number);
    size_t colon = line.find(": ");
    ASSERT_NE(colon, std::string::npos) << where;
    std::istringstream head(line.substr(0, colon));
    std::string window, seed, count;
    head >> window >> seed;
    std::string written, drawn;
    if (window == "set") {
      head >> count;
      ExerciseSet set = MakeSet({.count = static_cast<size_t>(seedOf(count)), .seed = seedOf(seed)});
      drawn = set.id;
      for (const SetExercise& e : set.exercises)
        drawn += " " + e.window + "/" + std::to_string(e.seed) + "/" + std::to_string(e.entry);
      ++sets;
    } else {
      std::optional<WindowId> id = WindowId::Parse(window);
      const TopicDesc* desc = id ? FindTopic(*id) : nullptr;
      ASSERT_NE(desc, nullptr) << where << ": " << window;
      for (const auto& [n, text] : MakeExercise(*desc, seedOf(seed)))
        drawn += (drawn.empty() ? "" : " ") + ("Text" + std::to_string(n)) + "=" + text;
      pinned.insert(window);
    }
    EXPECT_EQ(line.substr(colon + 2), drawn) << where;
  }
  EXPECT_GT(sets, 0);
  for (const TopicDesc* desc : AllTopics())
    EXPECT_TRUE(pinned.contains(std::string(desc->id.name()))) << desc->id;
}

}  // namespace
}  // namespace varnello
