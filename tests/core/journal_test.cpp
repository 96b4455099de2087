#include "core/journal/journal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/engine/press.h"
#include "core/entries/entries.h"

namespace varnello {
namespace {

TEST(FormatAmount, Table) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {0.0, " 0 "},
      {-0.0, " 0 "},
      {1500, " 1500 "},
      {-20.5, "-20.5 "},
      {1234.50, " 1234.5 "},
      {2.0 / 3.0, " 0.666666666666667 "},
      {1.0 / 3.0, " 0.333333333333333 "},
      {0.5, " 0.5 "},
      {-0.5, "-0.5 "},
      {100, " 100 "},
      {123456789012345.0, " 123456789012345 "},
      {1234567890123456.0, " 1.23456789012346E+15 "},
      {1e15, " 1E+15 "},
      {999999999999999.9, " 1E+15 "},  // rounds up to the exponent form
      {999999999999999.0, " 999999999999999 "},
      {-1e20, "-1E+20 "},
      {1.5e300, " 1.5E+300 "},
      {0.0001, " 0.0001 "},
      {0.00001234, " 1.234E-05 "},
      {112.5, " 112.5 "},
      {0.1 + 0.2, " 0.3 "},
      {std::numeric_limits<double>::max(), " 1.79769313486232E+308 "},
      {std::numeric_limits<double>::denorm_min(), " 4.94065645841247E-324 "},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatAmount(c.value), c.text) << c.value;
}

void PrintEveryKind(Press& p) {
  p.Heading("股价变动");
  p.Credit("利润分配-未分配利润", -300.0);
  p.Blank();
  p.Line("空", FigureHolder());
  p.Open("面值");
  p.Debit("", 5.0);
  p.Open("x");
}

TEST(EntryRecord, LineKindsAndClear) {
  TopicDesc desc = *FindTopic("Form6");
  desc.press = &PrintEveryKind;
  EntryRecord out = PressOnce(desc, {});
  EXPECT_EQ(out.lines(), (std::vector<std::string>{"股价变动", "利润分配-未分配利润（贷）-300 ", "", "空",
                                                   "面值（借） 5 ", "x"}));
  EXPECT_TRUE(out.lastLineOpen());
  using Kind = EntryRecord::Kind;
  std::vector<Kind> kinds;
  for (const EntryRecord::Line& line : out.parts()) kinds.push_back(line.kind);
  EXPECT_EQ(kinds, (std::vector<Kind>{Kind::Heading, Kind::Journal, Kind::Blank, Kind::Journal, Kind::Journal,
                                      Kind::Heading}));
  EXPECT_EQ(out.amountOf(1), -300.0);
  EXPECT_EQ(out.amountOf(3), std::nullopt);
  EXPECT_EQ(out.parts()[4].open, std::string_view("面值").size());
  out.clear();
  EXPECT_TRUE(out.lines().empty());
  EXPECT_FALSE(out.lastLineOpen());
}

// Lines kept as one text: empty lines count, line breaks matter to equality, and the lines read
// back the same through every way a consumer takes them.
TEST(TextLines, LinesInOneText) {
  TextLines lines;
  EXPECT_TRUE(lines.empty());
  lines.AddLine();
  lines.Append("面值");
  lines.Append("（借）");
  lines.AddLine();
  lines.AddLine();
  lines.Append("x");
  lines.AddLine();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines.front(), "面值（借）");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "x");
  EXPECT_EQ(lines.back(), "");
  const std::vector<std::string> expected{"面值（借）", "", "x", ""};
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(lines.ToStrings(), expected);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 2, lines.end()), (std::vector<std::string>{"x", ""}));
  EXPECT_EQ(lines, (TextLines{"面值（借）", "", "x", ""}));
  EXPECT_FALSE(lines == (TextLines{"面值（借）", "x", ""}));  // the same text, other lines
  EXPECT_FALSE(lines == (std::vector<std::string>{"面值（借）", "", "x"}));
  lines.clear();
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(lines, std::vector<std::string>{});
}

TEST(FigureHolder, EmptyPrintsNothingAndCountsAsZero) {
  FigureHolder h;
  EXPECT_TRUE(h.empty());
  EXPECT_EQ(h.value().value(), 0.0);
  h = Figure(2.5);
  EXPECT_FALSE(h.empty());
  EXPECT_EQ(h.value().value(), 2.5);
  // Printed the way a topic window prints it: the caption alone.
  TopicDesc desc = *FindTopic("Form6");
  desc.press = [](Press& p) {
    FigureHolder holder;
    p.Debit("应收利息", holder);
    holder = Figure(2.5);
    p.Debit("应收利息", holder);
  };
  EXPECT_EQ(PressOnce(desc, {}).lines(), (std::vector<std::string>{"应收利息（借）", "应收利息（借） 2.5 "}));
}

}  // namespace
}  // namespace varnello
