#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/engine/fp_faults.h"
#include "core/engine/press.h"
#include "core/engine/topic.h"
#include "core/entries/entries.h"
#include "core/journal/journal.h"

namespace varnello {
namespace {

// Runs a press body on field texts and returns the fault kind it ended with (if any).
template <typename Body>
std::optional<FaultKind> RunBody(EntryRecord& out, const std::map<int, std::string>& texts, Body body) {
  std::vector<FieldText> source = FieldTexts(texts);
  TopicDesc desc = *FindTopic("Form6");
  desc.press = +body;
  PressInto(desc, source, out);
  return out.fault();
}

TEST(FaultRule, KindsOfFault) {
  EntryRecord out;
  auto kind = [&](auto body) { return RunBody(out, {{1, "0"}, {2, "1e300"}, {3, "-8"}}, body); };
  EXPECT_EQ(kind([](Press& p) { p.Div(5, p.Read(1)); }), FaultKind::DivisionByZero);
  EXPECT_EQ(kind([](Press& p) { p.Div(p.Read(1), p.Read(1)); }), FaultKind::Overflow);  // 0/0
  EXPECT_EQ(kind([](Press& p) { p.Check(5 / p.Read(1)); }), FaultKind::DivisionByZero);
  EXPECT_EQ(kind([](Press& p) { p.Check(p.Read(2) * p.Read(2)); }), FaultKind::Overflow);
  EXPECT_EQ(kind([](Press& p) { p.Check(1 / (p.Read(2) * p.Read(2))); }), FaultKind::Overflow);
  EXPECT_EQ(kind([](Press& p) { p.Pow(p.Read(3), 0.5); }), FaultKind::Overflow);
  EXPECT_EQ(kind([](Press& p) { p.Pow(p.Read(1), -1); }), FaultKind::DivisionByZero);
  EXPECT_EQ(kind([](Press& p) { p.Read(4); }), std::nullopt);
  // A negative base with a whole exponent has a real power; a cube root of it has none here.
  EXPECT_EQ(kind([](Press& p) { EXPECT_EQ(p.Pow(p.Read(3), 3.0), -512.0); }), std::nullopt);
  EXPECT_EQ(kind([](Press& p) { p.Pow(p.Read(3), 1.0 / 3.0); }), FaultKind::Overflow);
  // Underflow and inexact results are not faults.
  EXPECT_EQ(kind([](Press& p) { p.Check(1e-300 * 1e-300); }), std::nullopt);
  EXPECT_EQ(kind([](Press& p) { p.Check(1.0 / 3.0); }), std::nullopt);
}

TEST(FaultRule, LinesBeforeTheFaultStayNothingAfter) {
  EntryRecord out;
  auto fault = RunBody(out, {{1, "0"}}, [](Press& p) {
    Figure n = p.Read(1);
    p.Heading("支付租金");
    Figure x = p.Div(100, n);
    p.Line("never", x);
  });
  EXPECT_EQ(fault, FaultKind::DivisionByZero);
  ASSERT_EQ(out.lines().size(), 1u);
  EXPECT_EQ(out.lines()[0], "支付租金");
}

TEST(FaultRule, OverflowOnReadEndsThePress) {
  EntryRecord out;
  auto fault = RunBody(out, {{1, "5"}, {2, "1e999"}}, [](Press& p) {
    p.Line("a", p.Read(1));
    p.Line("b", p.Read(2));
  });
  EXPECT_EQ(fault, FaultKind::Overflow);
  EXPECT_EQ(out.lines().size(), 1u);
}

TEST(FaultRule, AFaultDoesNotLeakIntoTheNextPress) {
  EntryRecord out;
  EXPECT_EQ(RunBody(out, {}, [](Press& p) { p.Check(1 / p.Read(1)); }), FaultKind::DivisionByZero);
  EXPECT_EQ(RunBody(out, {{1, "2"}}, [](Press& p) { p.Check(p.Read(1) + 1); }), std::nullopt);
}

}  // namespace
}  // namespace varnello

namespace varnello {
namespace {

// The fault box's explanation names the fields that read as 0, in fill order, and no others.
TEST(FaultRule, AdviceNamesTheFieldsThatReadAsZero) {
  const TopicDesc* form107 = FindTopic("Form107");
  ASSERT_NE(form107, nullptr);
  std::map<int, std::string> texts{{1, "5000"}, {2, " 0 "}, {3, "abc"}};
  std::string advice = FaultAdvice(*form107, FaultKind::DivisionByZero, FieldTexts(texts));
  EXPECT_NE(advice.find("除以零"), std::string::npos) << advice;
  EXPECT_NE(advice.find("“租期”、“净残值”。"), std::string::npos) << advice;
  EXPECT_EQ(advice.find("付款总额"), std::string::npos) << advice;
  texts = {{1, "1"}, {2, "1e999"}, {3, "1"}};
  advice = FaultAdvice(*form107, FaultKind::Overflow, FieldTexts(texts));
  EXPECT_NE(advice.find("超出了数值范围"), std::string::npos) << advice;
  EXPECT_EQ(advice.find("请检查"), std::string::npos) << advice;
}

// With the working known, the explanation names only the fields the faulting figure used, and
// says of each that reads as 0 whether it was left empty; a fault with no such field names the
// fields it used.
TEST(FaultRule, AdviceNamesOnlyTheFieldsTheFaultingFigureUsed) {
  const TopicDesc* form107 = FindTopic("Form107");
  ASSERT_NE(form107, nullptr);
  struct Case {
    std::map<int, std::string> texts;
    std::vector<int> used;
    const char* names;
  };
  for (const Case& c : std::vector<Case>{
           {{}, {1, 2}, "这一步用到的栏目中，“付款总额”为空，“租期”为空。"},
           {{{1, "5000"}, {2, " 0 "}}, {1, 2}, "这一步用到的栏目中，“租期”读作 0。"},
           {{{1, "5000"}, {2, "  "}, {3, "x"}}, {1, 2}, "这一步用到的栏目中，“租期”为空。"},
           {{{1, "1e308"}, {2, "1e-308"}, {3, "0"}}, {1, 2}, "这一步用到的栏目：“付款总额”、“租期”。"},
       }) {
    std::vector<FieldText> texts = FieldTexts(c.texts);
    EntryRecord outcome = PressOnce(*form107, texts, true);
    ASSERT_TRUE(outcome.fault().has_value());
    EXPECT_EQ(outcome.faultFields(), c.used);
    std::string advice = FaultAdvice(*form107, *outcome.fault(), texts, outcome.faultFields());
    EXPECT_NE(advice.find("本次计算已停止"), std::string::npos) << advice;
    EXPECT_TRUE(advice.ends_with(c.names)) << advice;
    EXPECT_EQ(advice.find("净残值"), std::string::npos) << advice;
  }
  // A figure that faults in reading names the field read.
  EntryRecord huge = PressOnce(*form107, std::vector<FieldText>{{2, "1e999"}}, true);
  EXPECT_EQ(huge.faultFields(), std::vector<int>{2});
}

// Where the platform has no floating-point flags, the operations note their faults themselves:
// what they note must be what the processor raises, for every kind of operand.
TEST(FaultRecord, NotesWhatTheProcessorRaises) {
  using limits = std::numeric_limits<double>;
  const double values[] = {0.0,
                           -0.0,
                           1.0,
                           -1.0,
                           0.5,
                           3.0,
                           -8.0,
                           1e200,
                           1e-200,
                           limits::max(),
                           limits::min(),
                           limits::denorm_min(),
                           -1e308,
                           1.0 / 3,
                           limits::infinity(),
                           -limits::infinity(),
                           limits::quiet_NaN()};
  for (double a : values) {
    for (double b : values) {
      volatile double x = a, y = b;
      auto raised = [](auto op) {
        std::feclearexcept(FE_ALL_EXCEPT);
        double r = op();
        return std::pair{r, TestFaults()};
      };
      auto [sum, sumFaults] = raised([&] { return x + y; });
      EXPECT_EQ(FaultsOf(a, b, sum), sumFaults) << a << " + " << b;
      auto [difference, differenceFaults] = raised([&] { return x - y; });
      EXPECT_EQ(FaultsOf(a, b, difference), differenceFaults) << a << " - " << b;
      auto [product, productFaults] = raised([&] { return x * y; });
      EXPECT_EQ(FaultsOf(a, b, product), productFaults) << a << " * " << b;
      auto [quotient, quotientFaults] = raised([&] { return x / y; });
      EXPECT_EQ(DivisionFaultsOf(a, b, quotient), quotientFaults) << a << " / " << b;
      auto [power, powerFaults] = raised([&] { return std::pow(x, y); });
      EXPECT_EQ(PowerFaultsOf(a, b, power), powerFaults) << "pow(" << a << ", " << b << ")";
    }
  }
  std::feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace
}  // namespace varnello
