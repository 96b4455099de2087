#include "core/entries/capital.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace varnello {
namespace {

TEST(CapitalAmount, Table) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {10050, "壹万零伍拾元整"},
      {9550, "玖仟伍佰伍拾元整"},
      {500, "伍佰元整"},
      {12.34, "壹拾贰元叁角肆分"},
      {10, "壹拾元整"},
      {100000, "壹拾万元整"},
      {100010, "壹拾万零壹拾元整"},
      {1000000001, "壹拾亿零壹元整"},
      {0.05, "伍分"},
      {0.5, "伍角整"},
      {1.10, "壹元壹角整"},
      {1.05, "壹元零伍分"},
      {100000000.01, "壹亿元零壹分"},
      {0, "零元整"},
      {-0.0, "零元整"},
      {-10050, "负壹万零伍拾元整"},
      {-0.5, "负伍角整"},
      {1001, "壹仟零壹元整"},
      {1010, "壹仟零壹拾元整"},
      {1000.5, "壹仟元伍角整"},
      {101000, "壹拾万壹仟元整"},
      {1010000, "壹佰零壹万元整"},
      {10001000, "壹仟万壹仟元整"},
      {100005000, "壹亿零伍仟元整"},
      {110000000, "壹亿壹仟万元整"},
      {1e12 + 5, "壹万亿零伍元整"},
      {1234567890123.45, "壹万贰仟叁佰肆拾伍亿陆仟柒佰捌拾玖万零壹佰贰拾叁元肆角伍分"},
      {999999999999999, "玖佰玖拾玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元整"},
      // The 分 of an amount of 16 significant digits, which its print rounds away.
      {12345678901234.56, "壹拾贰万叁仟肆佰伍拾陆亿柒仟捌佰玖拾万壹仟贰佰叁拾肆元伍角陆分"},
      {0.1 + 0.2, "叁角整"},  // binary noise far below the 分 is no digit of the amount
      {12.34 + 0.01, "壹拾贰元叁角伍分"},
  };
  for (const Case& c : cases) EXPECT_EQ(CapitalAmount(c.value), c.text) << c.value;
}

// Digits below the 分 are refused, never rounded.
TEST(CapitalAmount, RefusedRatherThanRounded) {
  for (double value :
       {12.345, 0.005, 0.0049, -0.004, 1.999, 99999.995, 2.0 / 3.0, 1e-300, 1234567890123.455}) {
    Capital c = CapitalOfAmount(value);
    EXPECT_EQ(c.text, std::nullopt) << value;
    EXPECT_EQ(c.refusal, CapitalRefusal::BelowFen) << value;
  }
}

TEST(CapitalAmount, FromDecimalDigitsExactly) {
  struct Case {
    const char* text;
    const char* capital;  // nullptr: refused
    CapitalRefusal refusal;
  };
  const Case cases[] = {
      {"12345678901234.56", "壹拾贰万叁仟肆佰伍拾陆亿柒仟捌佰玖拾万壹仟贰佰叁拾肆元伍角陆分", {}},
      {"9999999999999999.99", "玖仟玖佰玖拾玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分", {}},
      {"10050", "壹万零伍拾元整", {}},
      {"-0.5", "负伍角整", {}},
      {"+1.50000", "壹元伍角整", {}},
      {"1.5e3", "壹仟伍佰元整", {}},
      {"125E-2", "壹元贰角伍分", {}},
      {".05", "伍分", {}},
      {"-0", "零元整", {}},
      {"0e999999", "零元整", {}},
      {"12.345", nullptr, CapitalRefusal::BelowFen},
      {"1e-3", nullptr, CapitalRefusal::BelowFen},
      {"1e16", nullptr, CapitalRefusal::Beyond},
      {"10000000000000000", nullptr, CapitalRefusal::Beyond},
      {"12元", nullptr, CapitalRefusal::NotANumber},
      {"nan", nullptr, CapitalRefusal::NotANumber},
      {"1e", nullptr, CapitalRefusal::NotANumber},
      {"", nullptr, CapitalRefusal::NotANumber},
  };
  for (const Case& c : cases) {
    Capital got = CapitalOfDecimal(c.text);
    if (c.capital == nullptr) {
      EXPECT_EQ(got.text, std::nullopt) << c.text;
    } else {
      EXPECT_EQ(got.text, c.capital) << c.text;
    }
    EXPECT_EQ(got.refusal, c.refusal) << c.text;
  }
}

TEST(CapitalAmount, BeyondTheUnits) {
  EXPECT_EQ(CapitalAmount(1e16), std::nullopt);
  EXPECT_EQ(CapitalAmount(-2e300), std::nullopt);
  EXPECT_EQ(CapitalAmount(std::numeric_limits<double>::infinity()), std::nullopt);
  EXPECT_EQ(CapitalAmount(std::nan("")), std::nullopt);
  // Just below 10^16 but printed as 1E+16: refused with the amount as printed, never written
  // with figures the print does not show (0009999999999999998.7077 reads as this double).
  EXPECT_EQ(CapitalOfAmount(9999999999999998.0).refusal, CapitalRefusal::Beyond);
  EXPECT_EQ(CapitalOfAmount(-9999999999999996.0).refusal, CapitalRefusal::Beyond);
  EXPECT_EQ(CapitalAmount(999999999999990.0), CapitalOfDecimal("999999999999990").text);
}

// Whole 分 are written exactly, also where 分 / 100 as a double would round: each amount agrees
// with the numerals of its own decimal digits, and the sign and the limit hold.
TEST(CapitalAmount, OfWholeFen) {
  const std::int64_t kFen[] = {0,
                               1,
                               10,
                               99,
                               100,
                               101,
                               1000000,
                               36028797018964100,
                               37037036703703700,
                               36028797018964194,
                               999999999999999999,
                               -5,
                               -36028797018964100};
  for (std::int64_t fen : kFen) {
    std::uint64_t m = fen < 0 ? 0 - static_cast<std::uint64_t>(fen) : static_cast<std::uint64_t>(fen);
    std::string cents = std::to_string(m % 100);
    std::string decimal =
        (fen < 0 ? "-" : "") + std::to_string(m / 100) + "." + (cents.size() < 2 ? "0" : "") + cents;
    EXPECT_EQ(CapitalOfFen(fen).text, CapitalOfDecimal(decimal).text) << fen;
  }
  EXPECT_EQ(CapitalOfFen(36028797018964100).text,
            "叁佰陆拾万贰仟捌佰柒拾玖亿柒仟零壹拾捌万玖仟陆佰肆拾壹元整");
  EXPECT_EQ(CapitalOfFen(1000000000000000000).refusal, CapitalRefusal::Beyond);
  EXPECT_EQ(CapitalOfFen(std::numeric_limits<std::int64_t>::min()).refusal, CapitalRefusal::Beyond);
}

TEST(CapitalAmount, OfAPrintedAmount) {
  EXPECT_EQ(CapitalOfPrinted(10050).text, "壹万零伍拾元整");
  EXPECT_EQ(CapitalOfPrinted(-12.34).text, "负壹拾贰元叁角肆分");
  EXPECT_EQ(CapitalOfPrinted(-12.345).refusal, CapitalRefusal::BelowFen);
  // Fifteen digits down to the 角: the print may have rounded the 分 away.
  EXPECT_EQ(CapitalOfPrinted(12345678901234.56).refusal, CapitalRefusal::Rounded);
  // Written from the printed digits: 0.1 + 0.2 prints as 0.3.
  EXPECT_EQ(CapitalOfPrinted(0.1 + 0.2).text, CapitalOfDecimal("0.3").text);
  EXPECT_EQ(CapitalOfPrinted(std::nullopt).refusal,
            CapitalRefusal::NotANumber);  // a heading, an empty figure
}

}  // namespace
}  // namespace varnello
