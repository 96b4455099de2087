#include "core/engine/working.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <set>
#include <utility>

#include "core/journal/journal.h"
#include "core/journal/number_text.h"

namespace varnello {

Step* Figure::Record(Step::Op op, Figure a, Figure b, double value) {
  Working* w = (a.step_ != nullptr ? a.step_ : b.step_)->owner;
  Step s;
  s.op = op;
  s.value = value;
  s.a = w->StepOf(a);
  s.b = op == Step::Op::Neg ? nullptr : w->StepOf(b);
  return w->NewStep(std::move(s));
}

Figure Power(Figure base, Figure exponent) {
  Figure r(std::pow(base.value_, exponent.value_));
  if constexpr (kNoteFaults) NoteFaults(PowerFaultsOf(base.value_, exponent.value_, r.value_));
  if (base.step_ != nullptr || exponent.step_ != nullptr) [[unlikely]]
    r.step_ = Figure::Record(Step::Op::Pow, base, exponent, r.value_);
  return r;
}

std::string_view NameOf(const Step& s) {
  return s.name.empty() ? std::string_view(s.printedAs) : std::string_view(s.name);
}

namespace {

// An amount as the journal shows it, without the sign slot and the trailing space.
std::string Num(double v) {
  return PlainAmount(v);
}

// The shortest decimal that reads back as exactly v.
std::string Exact(double v) {
  char buf[kMaxNumberText];
  std::string text(buf, WriteShortest(buf, v));
  return std::signbit(v) ? "(" + text + ")" : text;
}

bool IsLeaf(const Step& s) {
  return s.op == Step::Op::Field || s.op == Step::Op::Constant;
}

// Renders recorded figures as text. Named figures other than the one being explained stand as
// their name (and value); unnamed operations are written out in place.
class Writer {
 public:
  Writer(const Step* root, bool values) : root_(root), values_(values) {}

  std::string Operand(const Step& s) {
    if (s.op == Step::Op::Constant) return Num(s.value);
    if (s.op == Step::Op::Field || (&s != root_ && !NameOf(s).empty())) {
      if (!IsLeaf(s)) named_.push_back(&s);
      std::string name = s.name.empty() && s.op == Step::Op::Field ? "Text" + std::to_string(s.field)
                                                                   : std::string(NameOf(s));
      return values_ ? name + " " + Num(s.value) : name;
    }
    return Inline(s);
  }

  // An operation written out: × ÷ + − with the parentheses its grouping needs.
  std::string Inline(const Step& s) {
    // Left operand first, so that the named figures are explained in reading order.
    auto binary = [this, &s](int level, std::string_view op, bool leftGroups) {
      std::string text = Side(*s.a, level, leftGroups);
      text += op;
      text += Side(*s.b, level, true);
      return text;
    };
    switch (s.op) {
      case Step::Op::Add:
        return binary(1, " + ", false);
      case Step::Op::Sub:
        return binary(1, " − ", false);
      case Step::Op::Mul:
        return binary(2, " × ", false);
      case Step::Op::Div:
        return binary(2, " ÷ ", false);
      case Step::Op::Neg:
        // −(坏账 -50) rather than −坏账 -50.
        if (Level(*s.a) == 5 && std::signbit(s.a->value)) return "−(" + Operand(*s.a) + ")";
        return "−" + Side(*s.a, 3, true);
      case Step::Op::Pow:
        return binary(4, " ^ ", true);
      default:
        return Operand(s);
    }
  }

  const std::vector<const Step*>& named() const { return named_; }
  // Adds a figure to explain after this one.
  void Also(const Step* s) { named_.push_back(s); }

 private:
  int Level(const Step& s) const {
    if (IsLeaf(s) || (&s != root_ && !NameOf(s).empty())) return 5;
    switch (s.op) {
      case Step::Op::Add:
      case Step::Op::Sub:
        return 1;
      case Step::Op::Mul:
      case Step::Op::Div:
        return 2;
      case Step::Op::Neg:
        return 3;
      default:
        return 4;
    }
  }

  // An operand of an operator of level `level`; the right operand is parenthesised also at the
  // same level, so that the grouping of the arithmetic shows.
  std::string Side(const Step& s, int level, bool right) {
    int l = Level(s);
    std::string text = Operand(s);
    return l < level || (right && l == level) ? "(" + text + ")" : text;
  }

  const Step* root_;
  bool values_;
  std::vector<const Step*> named_;
};

std::string Expr(const Step& s) {
  switch (s.op) {
    case Step::Op::Field:
      return "Text" + std::to_string(s.field);
    case Step::Op::Constant:
      return Exact(s.value);
    case Step::Op::Add:
      return "(" + Expr(*s.a) + " + " + Expr(*s.b) + ")";
    case Step::Op::Sub:
      return "(" + Expr(*s.a) + " - " + Expr(*s.b) + ")";
    case Step::Op::Mul:
      return "(" + Expr(*s.a) + " * " + Expr(*s.b) + ")";
    case Step::Op::Div:
      return "(" + Expr(*s.a) + " / " + Expr(*s.b) + ")";
    case Step::Op::Neg:
      return "(-" + Expr(*s.a) + ")";
    case Step::Op::Pow:
      return "pow(" + Expr(*s.a) + ", " + Expr(*s.b) + ")";
  }
  return {};
}

// The first operation, in the order of computing, whose result is not a finite number.
const Step* FirstFault(const Step* s) {
  if (s == nullptr || IsLeaf(*s)) return nullptr;
  if (const Step* f = FirstFault(s->a)) return f;
  if (const Step* f = FirstFault(s->b)) return f;
  return std::isfinite(s->value) ? nullptr : s;
}

// The fields a figure was computed from, left operand first, each once.
void CollectFields(const Step* s, std::vector<int>& fields) {
  if (s == nullptr) return;
  if (s->op == Step::Op::Field) {
    if (std::find(fields.begin(), fields.end(), s->field) == fields.end()) fields.push_back(s->field);
    return;
  }
  CollectFields(s->a, fields);
  CollectFields(s->b, fields);
}

}  // namespace

Working::Working(std::map<int, std::string> fieldCaptions) : captions_(std::move(fieldCaptions)) {}

Step* Working::NewStep(Step step) {
  step.owner = this;
  return &steps_.emplace_back(std::move(step));
}

Step* Working::StepOf(Figure f) {
  if (f.step() != nullptr) return f.step();
  Step s;
  s.op = Step::Op::Constant;
  s.value = f.value();
  return NewStep(std::move(s));
}

Figure Working::Field(int n, double value) {
  Step s;
  s.op = Step::Op::Field;
  s.field = n;
  s.value = value;
  auto it = captions_.find(n);
  if (it != captions_.end()) s.name = it->second;
  return Figure(value, NewStep(std::move(s)));
}

void Working::Printed(size_t line, std::string_view lineStart, const Posting& printed, Figure f) {
  printed_.push_back({line, std::string(lineStart) + CaptionOf(printed), f});
  Step* s = f.step();
  if (s == nullptr || IsLeaf(*s) || !s->name.empty() || s->plain) return;
  // A figure without a name of its own is called by the first caption that prints it, and
  // rather by one that names a figure (入账价值) than by a posting to an account.
  bool posting = printed.side != Side::None && !printed.account.empty();
  std::string name(printed.account);
  if (s->printedAs.empty() || !posting) {
    s->printedAs = std::move(name);
    s->plain = !posting;
  }
}

std::vector<WorkingLine> Working::Lines() const {
  std::vector<WorkingLine> lines;
  lines.reserve(printed_.size());
  for (const Printing& p : printed_) {
    WorkingLine w;
    w.line = p.line;
    w.value = p.figure.value();
    const Step* root = p.figure.step();
    if (root == nullptr) {
      w.formula = "= " + Num(w.value);
      w.expr = Exact(w.value);
    } else {
      Writer writer(root, true);
      if (root->op == Step::Op::Field) {
        w.formula = "= " + (root->name.empty() ? "Text" + std::to_string(root->field) : root->name);
      } else {
        w.formula = "= " + writer.Inline(*root);
      }
      // Each named figure it uses, in steps, each once.
      std::set<const Step*> done{root};
      for (size_t i = 0; i < writer.named().size(); ++i) {
        const Step* s = writer.named()[i];
        if (!done.insert(s).second) continue;
        Writer inner(s, true);
        std::string text = std::string(NameOf(*s)) + " " + Num(s->value) + " = " + inner.Inline(*s);
        w.steps.push_back(std::move(text));
        for (const Step* n : inner.named()) writer.Also(n);
      }
      w.expr = Expr(*root);
    }
    w.text = p.caption + FormatAmount(w.value) + w.formula;
    for (const std::string& step : w.steps) w.text += "\n" + step;
    lines.push_back(std::move(w));
  }
  return lines;
}

std::vector<std::string> IndentedWorking(const WorkingLine& w) {
  std::vector<std::string> lines;
  lines.reserve(1 + w.steps.size());
  lines.push_back("    " + w.formula);
  for (const std::string& step : w.steps) lines.push_back("      " + step);
  return lines;
}

void Working::FaultedReading(int n) {
  auto it = captions_.find(n);
  std::string name = it != captions_.end() ? it->second : "Text" + std::to_string(n);
  faultText_ =
      "读取 " + name + " 时" + std::string(FaultMessage(FaultKind::Overflow)) + "：数值超出可表示的范围";
  faultFields_ = {n};
}

void Working::Faulted(FaultKind kind, const Step* figure) {
  if (figure == nullptr) return;
  faultFields_.clear();
  CollectFields(figure, faultFields_);
  const Step* op = FirstFault(figure);
  if (op == nullptr) op = figure;
  Writer whole(figure, false);
  std::string text = "计算 ";
  if (!NameOf(*figure).empty() && !IsLeaf(*figure)) text += std::string(NameOf(*figure)) + " = ";
  text += IsLeaf(*figure) ? whole.Operand(*figure) : whole.Inline(*figure);
  text += " 时" + std::string(FaultMessage(kind)) + "：";
  Writer part(op, false);
  auto operand = [&part](const Step* s) { return part.Operand(*s); };
  if (op->op == Step::Op::Div && op->b->value == 0) {
    text +=
        op->a->value == 0 ? operand(op->a) + " 与 " + operand(op->b) + " 都为 0" : operand(op->b) + " 为 0";
  } else if (op->op == Step::Op::Pow && op->a->value == 0 && op->b->value < 0) {
    text += "底数 " + operand(op->a) + " 为 0，指数 " + operand(op->b) + " 为 " + Num(op->b->value);
  } else if (op->op == Step::Op::Pow && op->a->value < 0 && std::trunc(op->b->value) != op->b->value) {
    text += "底数 " + operand(op->a) + " 为 " + Num(op->a->value) + "，指数 " + operand(op->b) + " 为 " +
            Num(op->b->value) + "，不是整数";
  } else if (IsLeaf(*op)) {
    text += operand(op) + " 超出可表示的范围";
  } else {
    text += op == figure ? "结果" : part.Inline(*op) + " ";
    text += std::isnan(op->value) ? "没有确定的值" : "超出可表示的范围";
  }
  faultText_ = std::move(text);
}

}  // namespace varnello
