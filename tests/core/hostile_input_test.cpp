// Every topic window pressed many times with hostile field texts: no crash, every printed amount
// finite, and a press that faults prints nothing after the fault.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/engine/topic.h"
#include "core/entries/entries.h"
#include "core/journal/journal.h"

namespace varnello {
namespace {

std::string RandomText(std::mt19937& rng) {
  static const std::vector<std::string> fixed = {"",
                                                 "0",
                                                 "-0",
                                                 "1",
                                                 "-1",
                                                 "0.5",
                                                 "100",
                                                 "-100",
                                                 "1e308",
                                                 "-1e308",
                                                 "1.7976931348623157e308",
                                                 "1e-308",
                                                 "4.9e-324",
                                                 "1e400",
                                                 "-1e400",
                                                 "1e-400",
                                                 "abc",
                                                 "1,500",
                                                 "１２３．５",
                                                 "－５",
                                                 "&HFFFFFFFF",
                                                 "&O777",
                                                 "  2 5  ",
                                                 "1e3",
                                                 ".5",
                                                 "-.5",
                                                 "12元",
                                                 "\xff\xfe\xfd",
                                                 "\xe4\xb8",
                                                 "nan",
                                                 "inf",
                                                 "-inf",
                                                 "0x10",
                                                 "1e",
                                                 "+",
                                                 "-",
                                                 ".",
                                                 "0.1",
                                                 "0.3",
                                                 "3",
                                                 "12",
                                                 "360",
                                                 "1e15",
                                                 "999999999999999.9"};
  switch (rng() % 4) {
    case 0:
    case 1:
      return fixed[rng() % fixed.size()];
    case 2: {  // a random decimal with a random exponent
      std::uniform_real_distribution<double> mantissa(-10, 10);
      std::uniform_int_distribution<int> exponent(-320, 310);
      return std::to_string(mantissa(rng)) + "e" + std::to_string(exponent(rng));
    }
    default: {  // random bytes
      std::string s(rng() % 12, ' ');
      for (char& c : s) c = static_cast<char>(rng() % 256);
      return s;
    }
  }
}

TEST(HostileInput, EveryWindowSurvivesAndPrintsOnlyFiniteAmounts) {
  std::mt19937 rng(20261207);
  const std::string megabyteOfDigits(1 << 20, '7');
  for (const TopicDesc* desc : AllTopics()) {
    std::vector<int> fields;
    for (const Item* f : FieldsOf(*desc)) fields.push_back(f->field);
    for (int round = 0; round < 200; ++round) {
      std::map<int, std::string> texts;
      for (int n : fields) texts[n] = RandomText(rng);
      if (round == 0 && !fields.empty()) texts[fields[0]] = megabyteOfDigits;
      EntryRecord sink = PressOnce(*desc, FieldTexts(texts));
      for (const EntryRecord::Line& line : sink.parts()) {
        ASSERT_TRUE(!line.amount || std::isfinite(*line.amount))
            << desc->id << " printed a non-finite amount";
      }
      for (std::string_view line : sink.lines()) {
        ASSERT_EQ(line.find("Inf "), std::string::npos) << desc->id << ": " << line;
        ASSERT_EQ(line.find("NaN "), std::string::npos) << desc->id << ": " << line;
      }
    }
  }
}

TEST(HostileInput, PressesAreRepeatable) {
  // The same texts give the same lines and the same fault, one press after another: nothing (such
  // as a stale floating-point fault flag) leaks from one press into the next.
  std::mt19937 rng(7);
  for (const TopicDesc* desc : AllTopics()) {
    std::map<int, std::string> texts;
    for (const Item* f : FieldsOf(*desc)) texts[f->field] = RandomText(rng);
    std::vector<FieldText> source = FieldTexts(texts);
    EntryRecord a = PressOnce(*desc, source);
    EntryRecord b = PressOnce(*desc, source);
    EXPECT_EQ(a.fault(), b.fault()) << desc->id;
    EXPECT_EQ(a.lines(), b.lines()) << desc->id;
  }
}

}  // namespace
}  // namespace varnello
