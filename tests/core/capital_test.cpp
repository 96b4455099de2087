#include "core/entries/capital.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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
      {-0.004, "零元整"},  // rounds to nothing: no 负
      {-10050, "负壹万零伍拾元整"},
      {-0.5, "负伍角整"},
      {12.345, "壹拾贰元叁角伍分"},  // half up from the printed digits
      {0.005, "壹分"},
      {0.0049, "零元整"},
      {1.999, "贰元整"},
      {99999.995, "壹拾万元整"},
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
      {2.0 / 3.0, "陆角柒分"},
      {1e-300, "零元整"},
  };
  for (const Case& c : cases) EXPECT_EQ(CapitalAmount(c.value), c.text) << c.value;
}

TEST(CapitalAmount, BeyondTheUnits) {
  EXPECT_EQ(CapitalAmount(1e16), std::nullopt);
  EXPECT_EQ(CapitalAmount(-2e300), std::nullopt);
  EXPECT_EQ(CapitalAmount(std::numeric_limits<double>::infinity()), std::nullopt);
  EXPECT_EQ(CapitalAmount(std::nan("")), std::nullopt);
}

TEST(CapitalAmount, OfAPrintedLine) {
  EXPECT_EQ(CapitalOfLine("银行存款（贷） 10050 "), "壹万零伍拾元整");
  EXPECT_EQ(CapitalOfLine("应交税费-应交增值税（进项税额）（借）-12.345 "), "负壹拾贰元叁角伍分");
  EXPECT_EQ(CapitalOfLine("购入股票"), std::nullopt);
  EXPECT_EQ(CapitalOfLine("银行存款（贷）"), std::nullopt);  // an empty figure
}

}  // namespace
}  // namespace varnello
