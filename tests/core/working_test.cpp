// The working of a press: every amount line's expression, evaluated with IEEE doubles from the
// fields as read, gives the printed figure bit for bit, in every window; recording the working
// changes no printed line and no fault; and the readable text of a few windows.
#include <gtest/gtest.h>

#include <bit>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/engine/read_amount.h"
#include "core/engine/topic.h"
#include "core/entries/entries.h"
#include "core/journal/journal.h"

namespace varnello {
namespace {

// Evaluates a working expression: TextN, decimal constants, + - * /, unary -, pow(a, b), fully
// parenthesised.
class Evaluator {
 public:
  Evaluator(const std::string& text, const std::map<int, double>& fields) : s_(text), fields_(fields) {}

  double Run() {
    double v = Primary();
    Skip();
    if (pos_ != s_.size()) Fail("trailing text");
    return v;
  }
  bool failed() const { return failed_; }

 private:
  void Skip() {
    while (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
  }
  bool Eat(char c) {
    Skip();
    if (pos_ < s_.size() && s_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  void Expect(char c) {
    if (!Eat(c)) Fail(std::string("expected ") + c);
  }
  double Fail(const std::string& what) {
    ADD_FAILURE() << what << " at " << pos_ << " in " << s_;
    failed_ = true;
    pos_ = s_.size();
    return 0;
  }

  double Primary() {
    Skip();
    if (pos_ >= s_.size()) return Fail("unexpected end");
    if (Eat('(')) {
      if (Eat('-')) {
        double v = -Primary();
        Expect(')');
        return v;
      }
      double a = Primary();
      Skip();
      char op = pos_ < s_.size() ? s_[pos_++] : '?';
      double b = Primary();
      Expect(')');
      switch (op) {
        case '+':
          return a + b;
        case '-':
          return a - b;
        case '*':
          return a * b;
        case '/':
          return a / b;
        default:
          return Fail("unknown operator");
      }
    }
    if (s_.compare(pos_, 4, "pow(") == 0) {
      pos_ += 4;
      double a = Primary();
      Expect(',');
      double b = Primary();
      Expect(')');
      return std::pow(a, b);
    }
    if (s_.compare(pos_, 4, "Text") == 0) {
      pos_ += 4;
      size_t start = pos_;
      while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
      auto it = fields_.find(std::atoi(s_.substr(start, pos_ - start).c_str()));
      return it == fields_.end() ? Fail("no such field") : it->second;
    }
    const char* begin = s_.c_str() + pos_;
    char* end = nullptr;
    double v = std::strtod(begin, &end);
    if (end == begin || *begin == '-' || *begin == '+') return Fail("bad constant");
    pos_ += static_cast<size_t>(end - begin);
    return v;
  }

  const std::string& s_;
  const std::map<int, double>& fields_;
  size_t pos_ = 0;
  bool failed_ = false;
};

// Field texts that make different branches of the windows print: ordinary figures, rates,
// negatives, exponents, zeros and (last) the empty window.
const std::vector<std::vector<std::string>> kInputs = {
    {"12000", "0.13", "3500.5", "0.06", "800", "25", "1.5", "0.1"},
    {"10", "0.5", "1000", "50", "0.25", "3", "7", "120"},
    {"-250", "0.17", "1e4", "-0.03", "36", "2.5", "0", "99999.99"},
    {"0.1", "0.2", "0.3", "1e-3", "12", "5", "1e300", "2"},
    {"1", "1", "1", "1", "1", "1", "1", "1"},
    {},
};

TEST(Working, EveryAmountLineOfEveryWindowIsReproducedByItsExpression) {
  int checked = 0;
  for (const TopicDesc* desc : AllTopics()) {
    for (size_t set = 0; set < kInputs.size(); ++set) {
      const std::vector<std::string>& figures = kInputs[set];
      std::map<int, std::string> texts;
      std::map<int, double> values;
      size_t i = set;  // each set starts at another field, so a field sees several figures
      for (const Item* f : FieldsOf(*desc)) {
        if (!figures.empty()) texts[f->field] = figures[i++ % figures.size()];
        values[f->field] = ReadAmount(texts[f->field]);
      }
      SCOPED_TRACE(std::string(desc->id.name()) + " inputs " + std::to_string(set));
      EntryRecord out = PressOnce(*desc, FieldTexts(texts), true);

      // Recording the working changes nothing that is printed.
      EntryRecord plain = PressOnce(*desc, FieldTexts(texts));
      EXPECT_EQ(out.lines(), plain.lines());
      EXPECT_EQ(out.fault(), plain.fault());
      EXPECT_EQ(out.fault().has_value(), !out.faultText().empty()) << out.faultText();
      std::set<size_t> amountLines;
      for (size_t line = 0; line < out.parts().size(); ++line) {
        if (out.parts()[line].amount) amountLines.insert(line);
      }

      std::set<size_t> explained;
      for (const WorkingLine& w : out.working()) {
        ASSERT_LT(w.line, out.lines().size());
        explained.insert(w.line);
        EXPECT_TRUE(out.lines()[w.line].ends_with(FormatAmount(w.value))) << out.lines()[w.line];
        EXPECT_TRUE(w.text.starts_with(out.lines()[w.line])) << w.text;
        Evaluator eval(w.expr, values);
        double v = eval.Run();
        EXPECT_EQ(std::bit_cast<std::uint64_t>(v), std::bit_cast<std::uint64_t>(w.value))
            << w.expr << " gives " << v << ", printed " << w.value;
        ++checked;
      }
      EXPECT_EQ(explained, amountLines);
    }
  }
  EXPECT_GT(checked, 5000);
}

// The working of the line that starts with `line` (its text), from one press with explain.
std::string WorkingOf(WindowId window, const std::map<int, std::string>& texts, const std::string& line) {
  EntryRecord r = PressOnce(*FindTopic(window), FieldTexts(texts), true);
  for (const WorkingLine& w : r.working()) {
    if (r.lines()[w.line] == line) return w.text;
  }
  return "<no line " + line + ">";
}

TEST(Working, ReadsLikeAnAccountantsWorking) {
  std::map<int, std::string> form3{{1, "1000"}, {2, "0.25"}, {3, "0.1"}, {4, "0.05"}};
  EXPECT_EQ(WorkingOf("Form3", form3, "调整未分配利润 637.5 "),
            "调整未分配利润 637.5 = 净利润 750 − 盈余公积 112.5\n"
            "净利润 750 = 少记折旧费用 1000 − 所得税 250\n"
            "盈余公积 112.5 = (任意盈余公积比例 0.05 + 法定盈余公积比例 0.1) × 净利润 750\n"
            "所得税 250 = 所得税税率 0.25 × 少记折旧费用 1000");
  EXPECT_EQ(WorkingOf("Form3", form3, "调减固定资产 1000 "), "调减固定资产 1000 = 少记折旧费用");

  std::map<int, std::string> form6{{1, "10"}, {2, "0.5"}, {3, "1000"}, {4, "50"}};
  EXPECT_EQ(WorkingOf("Form6", form6, "银行存款（贷） 10050 "),
            "银行存款（贷） 10050 = 数额 1000 × 每股价格 10 + 手续费等 50");
  EXPECT_EQ(WorkingOf("Form6", form6, "入账价值 9550 "),
            "入账价值 9550 = 买价 10000 − 投资收益 500 + 手续费等 50\n"
            "买价 10000 = 数额 1000 × 每股价格 10\n"
            "投资收益 500 = 数额 1000 × 每股股利 0.5");
}

TEST(Working, ReadsLikeAnAccountantsWorkingInLongerWindows) {
  EXPECT_EQ(WorkingOf("Form52", {{10, "2"}, {11, "5"}, {12, "1000"}, {13, "100"}}, "累计折旧（当期） 240 "),
            "累计折旧（当期） 240 = (固定资产原价 1000 − 净残值 100) × 年折旧率 0.266666666666667\n"
            "年折旧率 0.266666666666667 = 尚可使用年限 4 ÷ 年数总和 15\n"
            "尚可使用年限 4 = 预计使用年限 5 − (已使用年限 2 − 1)\n"
            "年数总和 15 = 预计使用年限 5 × (预计使用年限 5 + 1) ÷ 2");
  EXPECT_EQ(
      WorkingOf("Form101", {{10, "10000"}, {13, "200"}, {14, "800"}, {15, "200"}, {16, "50"}, {17, "700"}},
                "现金/银行存款（贷） 8050 "),
      "现金/银行存款（贷） 8050 = 职工工资 10000 − 个人所得税 200 − 养老保险（个人） 800 − "
      "医疗保险（个人） 200 − 失业保险（个人） 50 − 住房公积金（个人） 700");
  // An allowance above the year's requirement is reversed: the negative top-up, negated.
  std::map<int, std::string> form18{{1, "100"}, {2, "300"}, {3, "100"}};
  EXPECT_EQ(WorkingOf("Form18", form18, "坏账准备（借） 100 "),
            "坏账准备（借） 100 = −(应补提坏账准备 -100)\n"
            "应补提坏账准备 -100 = 坏账准备（本年应收） 100 − (坏账准备（上年应收） 300 − "
            "+坏账准备/-收回坏账（实际） 100)");
  EXPECT_EQ(WorkingOf("Form18", form18, "管理费用（借） 300 "), "管理费用（借） 300 = 坏账准备（上年应收）");
}

TEST(Working, FaultNamesTheFigureAndTheOperation) {
  EntryRecord empty = PressOnce(*FindTopic("Form107"), {}, true);
  EXPECT_EQ(empty.faultText(), "计算 每年租金 = 付款总额 ÷ 租期 时溢出：付款总额 与 租期 都为 0");
  EntryRecord zero = PressOnce(*FindTopic("Form107"), std::vector<FieldText>{{1, "5"}}, true);
  EXPECT_EQ(zero.faultText(), "计算 每年租金 = 付款总额 ÷ 租期 时除数为零：租期 为 0");
  EntryRecord huge = PressOnce(*FindTopic("Form6"), std::vector<FieldText>{{1, "1e300"}, {3, "1e300"}}, true);
  EXPECT_EQ(huge.fault(), FaultKind::Overflow);
  EXPECT_EQ(huge.faultText(), "计算 买价 = 数额 × 每股价格 时溢出：结果超出可表示的范围");
}

}  // namespace
}  // namespace varnello
