#include "core/engine/read_amount.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <string>

#include "core/engine/fault.h"

namespace varnello {
namespace {

TEST(ReadAmount, Table) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"", 0},
      {"   ", 0},
      {"abc", 0},
      {"1500", 1500},
      {" 2 5 ", 25},
      {"1 000", 1000},
      {"\t1\n2", 12},
      {"1e3", 1000},
      {"1E3", 1000},
      {"1e+3", 1000},
      {"2.5e-1", 0.25},
      {"-.5", -0.5},
      {"+5", 5},
      {"- 5", -5},
      {"12元", 12},
      {"$12", 0},
      {",5", 0},
      {"1.2.3", 1.2},
      {"12e", 12},
      {"12e+", 12},
      {"12ex", 12},
      {".", 0},
      {"-", 0},
      {"0.1", 0.1},
      {"&H10", 16},
      {"&hff", 255},
      {"&O17", 15},
      {"&o8", 0},
      {"&H", 0},
      {"&X1", 0},
      {"１２３．５", 123.5},  // full-width digits and point
      {"－１２", -12},
      {"１Ｅ３", 1000},
      {"1　000", 1000},    // ideographic space
      {"1e-400", 0},       // underflow is not a fault
      {"\xff\xfe", 0},     // invalid UTF-8 is just not a number
      {"12\xe4\xb8", 12},  // a cut-off sequence stops the number
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(ReadAmount(c.text), c.value) << '"' << c.text << '"';
}

// What a person means, and what is left unread: the warning a field shows.
TEST(ReadAmount, GroupingCurrencyPercentAndWhatIsLeft) {
  struct Case {
    const char* text;
    double value;
    const char* rest;  // nullptr: read whole
  };
  const Case cases[] = {
      {"1,000", 1000, nullptr},
      {"1，000.50", 1000.5, nullptr},  // full-width comma
      {"-12,345,678.9", -12345678.9, nullptr},
      {"1, 000", 1000, nullptr},  // blanks are dropped first
      {"1,00", 1, ",00"},
      {"1,500", 1500, nullptr},
      {"12,5", 12, ",5"},
      {"1,0000", 1, ",0000"},
      {"1234,567", 1234, ",567"},  // a first group of more than three
      {"0,001", 0, ",001"},        // no group starts with 0
      {"1,000,00", 1000, ",00"},   // reading stops at the comma of a short group
      {"1,000,", 1000, ","},
      {"1,000.5,1", 1000.5, ",1"},  // commas only in the whole part
      {",5", 0, ",5"},
      {"¥100", 100, nullptr},
      {"￥1,200.5", 1200.5, nullptr},
      {"-¥5", -5, nullptr},
      {"¥-5", -5, nullptr},
      {"¥¥5", 0, "¥¥5"},
      {"5¥", 5, "¥"},
      {"3%", 0.03, nullptr},
      {"12.5％", 0.125, nullptr},
      {"0.1%", 0.001, nullptr},  // the decimal divided, not the double
      {"1e2%", 1, nullptr},
      {"¥1,000%", 10, nullptr},
      {"3%%", 0.03, "%"},
      {"%", 0, "%"},
      {"5万元", 5, "万元"},
      {"abc", 0, "abc"},
      {"12 元 ", 12, "元"},
      {"12e", 12, "e"},
      {"&H10", 16, nullptr},
      {"&Hxyz", 0, "&Hxyz"},
      {"", 0, nullptr},
      {" 2 5 ", 25, nullptr},
      {"１２３．５", 123.5, nullptr},
      {"1\n2\n", 12, nullptr},  // lines joined: a field of several lines is the GUI's to spread
  };
  for (const Case& c : cases) {
    AmountReading r = ReadAmountFully(c.text);
    EXPECT_EQ(r.value, c.value) << '"' << c.text << '"';
    EXPECT_EQ(r.value, ReadAmount(c.text)) << c.text;
    EXPECT_EQ(r.whole, c.rest == nullptr) << c.text;
    EXPECT_EQ(r.rest, c.rest == nullptr ? "" : c.rest) << c.text;
  }
  EXPECT_EQ(ReadingNote(ReadAmountFully("1,00")), "读作 1：“,00”未读入");
  EXPECT_EQ(ReadingNote(ReadAmountFully("-2.5元")), "读作 -2.5：“元”未读入");
}

TEST(ReadAmount, ExactDecimalConversion) {
  EXPECT_EQ(ReadAmount("0.1"), 0.1);
  EXPECT_EQ(ReadAmount("123456.789"), 123456.789);
  EXPECT_EQ(ReadAmount("1.7976931348623157e308"), 1.7976931348623157e308);
  // Near the ends of the range: subnormals are kept, what lies below the smallest one reads as
  // zero, and a mantissa's digits count towards the size as much as its exponent.
  EXPECT_EQ(ReadAmount("4.9406564584124654e-324"), 4.9406564584124654e-324);
  EXPECT_EQ(ReadAmount("1e-320"), 1e-320);
  EXPECT_EQ(ReadAmount("100000e-330"), 0.0);
  EXPECT_EQ(ReadAmount("-0.00001e-320"), 0.0);
  EXPECT_EQ(ReadAmount("0.0001e310"), 1e306);
}

TEST(ReadAmount, BeyondDoubleRangeIsOverflow) {
  for (const char* text : {"1e400", "-1e309", "1000e306", "-0.01e311",
                           "&H1"
                           "0000000000000000000000000000000000000000000000000000000000000000000000000"
                           "0000000000000000000000000000000000000000000000000000000000000000000000000"
                           "0000000000000000000000000000000000000000000000000000000000000000000000000"
                           "0000000000000000000000000000000000000000"}) {
    try {
      ReadAmount(text);
      ADD_FAILURE() << text << " read without a fault";
    } catch (const Fault& f) {
      EXPECT_EQ(f.kind, FaultKind::Overflow) << text;
    }
  }
  std::string longDigits(400, '9');
  EXPECT_THROW(ReadAmount(longDigits), Fault);
  EXPECT_EQ(ReadAmount("0." + longDigits), 1.0);
}

// A reading that succeeds leaves no floating-point fault raised: a press's fault checks see only
// what its arithmetic raised.
TEST(ReadAmount, RaisesNoFloatingPointFault) {
  std::string longDigits(400, '9');
  for (const std::string& text : {std::string("1e-400"), std::string("100000e-330"), std::string("1e-320"),
                                  std::string("1.7976931348623157e308"), std::string("0.0001e310"),
                                  std::string("&HFFFFFFFFFFFFFFFFFFFFFFFF"), "0." + longDigits,
                                  std::string("１２３．５"), std::string("2.0000000000000000001")}) {
    std::feclearexcept(FE_ALL_EXCEPT);
    ReadAmount(text);
    EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW), 0) << text;
  }
}

}  // namespace
}  // namespace varnello
