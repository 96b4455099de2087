#include "core/practice/exercise.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "core/entries/entries.h"

namespace varnello {

namespace {

bool Has(std::string_view caption, std::string_view part) {
  return caption.find(part) != std::string_view::npos;
}

bool HasAny(std::string_view caption, std::initializer_list<std::string_view> parts) {
  for (std::string_view p : parts) {
    if (Has(caption, p)) return true;
  }
  return false;
}

// A draw from a seeded generator. The bounded draw is written out rather than taken from
// <random>'s distributions, whose results differ between standard libraries: an exercise must
// give the same figures wherever it is made.
class Draw {
 public:
  explicit Draw(std::uint64_t seed) : engine_(seed) {}
  // A whole number in [lo, hi].
  long long Between(long long lo, long long hi) {
    return lo + static_cast<long long>(engine_() % static_cast<std::uint64_t>(hi - lo + 1));
  }
  template <size_t N>
  std::string_view OneOf(const std::array<std::string_view, N>& choices) {
    return choices[static_cast<size_t>(Between(0, N - 1))];
  }

 private:
  std::mt19937_64 engine_;
};

// hundredths as a decimal text without trailing zeros: 13 -> "0.13", 50 -> "0.5", 700 -> "7".
std::string Hundredths(long long h) {
  std::string text = std::to_string(h / 100);
  long long frac = h % 100;
  if (frac != 0) {
    text += '.';
    text += static_cast<char>('0' + frac / 10);
    if (frac % 10 != 0) text += static_cast<char>('0' + frac % 10);
  }
  return text;
}

// `scale` is the exercise's size of business, so that its amounts are of a piece: principal
// amounts from half to twice the scale, fees from 1 % to 10 % of it.
std::string DrawFigure(FigureKind kind, long long scale, Draw& draw) {
  switch (kind) {
    case FigureKind::Rate:
      return Hundredths(draw.Between(1, 50));
    case FigureKind::VatRate:
      return std::string(draw.OneOf(std::array<std::string_view, 3>{"0.13", "0.09", "0.06"}));
    case FigureKind::IncomeRate:
      return std::string(draw.OneOf(std::array<std::string_view, 3>{"0.25", "0.2", "0.15"}));
    case FigureKind::Exchange:
      return Hundredths(draw.Between(650, 730));
    case FigureKind::Years:
      return std::to_string(draw.Between(3, 10));
    case FigureKind::YearsUsed:
      return std::to_string(draw.Between(1, 3));
    case FigureKind::Months:
      return std::to_string(draw.Between(1, 12));
    case FigureKind::Quarters:
      return std::to_string(draw.Between(1, 4));
    case FigureKind::Days:
      return std::to_string(30 * draw.Between(1, 6));
    case FigureKind::DaysLeft:
      return std::to_string(draw.Between(1, 29));
    case FigureKind::Times:
      return std::to_string(draw.Between(1, 6));
    case FigureKind::Quantity:
      return std::to_string(100 * draw.Between(1, 50));
    case FigureKind::TotalWork:
      return std::to_string(1000 * draw.Between(10, 50));
    case FigureKind::Work:
      return std::to_string(100 * draw.Between(5, 50));
    case FigureKind::UnitPrice:
      return std::to_string(draw.Between(1, 50));
    case FigureKind::PerShare:
      return Hundredths(10 * draw.Between(1, 20));
    case FigureKind::Fee:
      return std::to_string(std::max(100LL, scale * draw.Between(1, 10) / 100 / 100 * 100));
    case FigureKind::Money:
      return std::to_string(std::max(1000LL, scale * draw.Between(50, 200) / 100 / 1000 * 1000));
  }
  return "0";
}

// How a window's figures hang together, beyond what each caption asks for. Fields that must agree
// are derived from the others after every field has been drawn, in the order of the table.
enum class Rule {
  Kind,      // the field is drawn as `kind` whatever its caption says
  Sum,       // the sum of `plus` less the sum of `minus` (the field's own draw may stand in either)
  Part,      // lo % to hi % of the sum of `plus`, in hundreds (exactly lo % when lo == hi, in 元)
  Product,   // the product of `plus`, times lo % to hi %, in 元
  PerMonth,  // plus[0] spread over plus[1] years of twelve months, in hundreds, rounded down
};

struct FieldRule {
  WindowId window;
  int field = 0;
  Rule rule = Rule::Sum;
  std::array<int, 9> plus = {};  // field numbers; 0 ends the list
  std::array<int, 3> minus = {};
  int lo = 0, hi = 0;
  FigureKind kind = FigureKind::Money;
};

constexpr FieldRule KindOf(WindowId w, int field, FigureKind kind) {
  return {w, field, Rule::Kind, {}, {}, 0, 0, kind};
}
constexpr FieldRule SumOf(WindowId w, int field, std::array<int, 9> plus, std::array<int, 3> minus = {}) {
  return {w, field, Rule::Sum, plus, minus};
}
constexpr FieldRule PartOf(WindowId w, int field, std::array<int, 9> plus, int lo, int hi) {
  return {w, field, Rule::Part, plus, {}, lo, hi};
}
constexpr FieldRule ProductOf(WindowId w, int field, std::array<int, 9> plus, int lo, int hi) {
  return {w, field, Rule::Product, plus, {}, lo, hi};
}

constexpr FieldRule kRules[] = {
    // 出售价格 is the price of one share.
    KindOf("Form8", 1, FigureKind::UnitPrice),
    ProductOf("Form8", 3, {1, 2}, 85, 105),
    // 票据面值 = 货款 + 增值税.
    PartOf("Form15", 4, {3}, 13, 13),
    SumOf("Form15", 1, {3, 4}),
    // 销售价格 is a unit price and 折扣 a trade discount, as fractions.
    KindOf("Form17", 2, FigureKind::UnitPrice),
    KindOf("Form17", 4, FigureKind::Rate),
    // 支付债价合计 = 面值 + 未领取利息 + 交易费用.
    SumOf("Form37", 1, {4, 2, 3}),
    // Bonds bought at about their face value, each, and sold for about what they cost.
    KindOf("Form43", 2, FigureKind::UnitPrice),
    ProductOf("Form43", 3, {2}, 90, 110),
    ProductOf("Form43", 7, {1, 3}, 95, 110),
    // 累计折旧 = the depreciation charged to the five accounts.
    SumOf("Form53", 6, {1, 2, 3, 4, 5}),
    // 开发费用 = 材料费 + 人员工资 + 其他费用.
    SumOf("Form62", 1, {2, 3, 4}),
    PartOf("Form69", 2, {1}, 13, 13),
    // Payroll: wages are the base; withheld shares and the company's contributions are parts of
    // them; the costs charged add up to what is owed.
    KindOf("Form101", 10, FigureKind::Money),
    PartOf("Form101", 11, {10}, 10, 30),
    PartOf("Form101", 13, {10}, 1, 5),
    PartOf("Form101", 14, {10}, 8, 8),
    PartOf("Form101", 15, {10}, 2, 2),
    PartOf("Form101", 16, {10}, 1, 1),
    PartOf("Form101", 17, {10}, 5, 12),
    SumOf("Form101", 12, {17}),
    PartOf("Form101", 5, {10}, 16, 16),
    PartOf("Form101", 6, {10}, 8, 10),
    PartOf("Form101", 7, {10}, 1, 1),
    PartOf("Form101", 8, {10}, 1, 1),
    PartOf("Form101", 9, {10}, 1, 1),
    PartOf("Form101", 1, {10}, 5, 15),
    PartOf("Form101", 2, {10}, 5, 15),
    PartOf("Form101", 3, {10}, 5, 15),
    PartOf("Form101", 18, {10}, 5, 15),
    PartOf("Form101", 19, {10}, 5, 15),
    SumOf("Form101", 4, {5, 6, 7, 8, 9, 10, 11, 12}, {1, 2, 3}),
    SumOf("Form101", 4, {4}, {18, 19}),
    // 租金 is less than the deposit it is kept from.
    PartOf("Form104", 3, {2}, 10, 60),
    // Equipment bought in instalments: 余付 = 总额 + 增值税 - 首付, paid monthly over the years.
    PartOf("Form108", 2, {1}, 13, 13),
    PartOf("Form108", 3, {1}, 10, 30),
    SumOf("Form108", 4, {1, 2}, {3}),
    {"Form108", 5, Rule::PerMonth, {4, 6}},
    // The insurer's payment covers the loss, so that the disposal ends in a gain.
    SumOf("Form110", 5, {2, 4, 5}, {3, 1}),
    PartOf("Form110", 3, {2}, 50, 90),
    // The loss brought forward is below the year's profit.
    PartOf("Form114", 3, {1}, 0, 30),
    // 应付股利 = 可调用股利 + 盈余公积.
    SumOf("Form124", 1, {2, 3}),
};

// A derived figure as a field's text: whole 元 without a fraction, else to the 分.
std::string FigureText(double value) {
  char buffer[64];
  long long fen = std::llround(value * 100);
  if (fen % 100 == 0) {
    std::snprintf(buffer, sizeof buffer, "%lld", fen / 100);
  } else {
    std::snprintf(buffer, sizeof buffer, "%.2f", static_cast<double>(fen) / 100);
  }
  return buffer;
}

void ApplyRules(WindowId window, std::map<int, std::string>& texts, Draw& draw) {
  auto value = [&texts](int field) { return std::strtod(texts[field].c_str(), nullptr); };
  for (const FieldRule& r : kRules) {
    if (r.window != window || r.rule == Rule::Kind) continue;
    double sum = 0, product = 1;
    for (int f : r.plus) {
      if (f == 0) break;
      sum += value(f);
      product *= value(f);
    }
    for (int f : r.minus) {
      if (f != 0) sum -= value(f);
    }
    double result = sum;
    double share = static_cast<double>(draw.Between(r.lo, r.hi)) / 100;
    switch (r.rule) {
      case Rule::Sum:
      case Rule::Kind:
        break;
      case Rule::Part:
        result = r.lo == r.hi ? std::round(sum * share) : std::round(sum * share / 100) * 100;
        break;
      case Rule::Product:
        result = std::round(product * share);
        break;
      case Rule::PerMonth:
        result = std::floor(value(r.plus[0]) / (12 * value(r.plus[1])) / 100) * 100;
        break;
    }
    texts[r.field] = FigureText(result);
  }
}

bool SoundEntries(const TopicDesc& desc, const std::map<int, std::string>& texts) {
  EntryRecord press = PressOnce(desc, FieldTexts(texts));
  if (press.fault()) return false;
  bool nonZero = false;
  for (const Entry& entry : EntriesOf(press)) {
    EntryCheck check = CheckEntry(entry);
    nonZero = nonZero || check.nonZero;
    if (check.negative || !check.balanced) return false;
  }
  return nonZero;
}

}  // namespace

EntryCheck CheckEntry(const Entry& entry) {
  EntryCheck check;
  for (const EntryRow& row : entry.rows) {
    double amount = row.amount.value_or(0);
    if (amount != 0) check.nonZero = true;
    // Below half a 分 a figure prints as a negative zero to the 分: not a negative amount.
    if (row.side != Side::None && !row.balanceLine && amount <= -0.005) check.negative = true;
  }
  check.balanced = BalanceOf(entry).balanced;
  return check;
}

FigureKind FigureKindOf(std::string_view caption) {
  // Rates and shares first: 年利率 and 年贴现率 are rates, not years.
  if (HasAny(caption, {"增值税税率", "增值税率"})) return FigureKind::VatRate;
  if (Has(caption, "所得税税率")) return FigureKind::IncomeRate;
  if (Has(caption, "中间价")) return FigureKind::Exchange;
  if (HasAny(caption, {"率", "比例", "占比", "股份", "份额", "折扣条件"})) return FigureKind::Rate;
  // Money that speaks of a year or month: balances and profits of a period, yearly payments.
  if (HasAny(caption, {"年初", "本年", "每年", "每月", "本月", "上月", "当月", "利润"}))
    return FigureKind::Money;
  if (HasAny(caption, {"已使用年限", "已计年限", "使用年数", "转让时间"})) return FigureKind::YearsUsed;
  if (HasAny(caption, {"（月）", "(月)", "存续期"})) return FigureKind::Months;
  if (HasAny(caption, {"（季）", "(季)"})) return FigureKind::Quarters;
  if (Has(caption, "未贴现时间")) return FigureKind::DaysLeft;
  if (HasAny(caption, {"（天）", "(天)", "天数"})) return FigureKind::Days;
  if (HasAny(caption, {"年限", "年数", "寿命", "（年）", "(年)", "租期", "待摊时间"}))
    return FigureKind::Years;
  if (Has(caption, "次数")) return FigureKind::Times;
  if (Has(caption, "总工作量")) return FigureKind::TotalWork;
  if (Has(caption, "工作量")) return FigureKind::Work;
  if (HasAny(caption, {"数量", "数额"})) return FigureKind::Quantity;
  if (HasAny(caption, {"每股股利", "股票面值", "股本单价"})) return FigureKind::PerShare;
  if (HasAny(caption, {"每股价格", "单价", "发行面值", "回购价格"})) return FigureKind::UnitPrice;
  if (HasAny(caption, {"费", "税", "折旧", "残", "赔", "股利", "利息", "押金", "摊销", "减值", "折扣", "保险",
                       "公积金", "工资", "奖金"}))
    return FigureKind::Fee;
  return FigureKind::Money;
}

std::map<int, std::string> MakeExercise(const TopicDesc& desc, std::uint64_t seed) {
  std::vector<const Item*> fields = FieldsOf(desc);
  std::map<int, std::string> texts;
  // A handful of draws always suffices in practice; the bound only keeps a window whose every
  // draw faults from looping (it then keeps the last draw).
  constexpr int kAttempts = 256;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::seed_seq mix{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32),
                      static_cast<std::uint32_t>(desc.id.number()), static_cast<std::uint32_t>(attempt)};
    std::array<std::uint32_t, 2> state{};
    mix.generate(state.begin(), state.end());
    Draw draw((std::uint64_t{state[0]} << 32) | state[1]);
    long long scale = 1000 * draw.Between(10, 100);
    texts.clear();
    for (const Item* field : fields) {
      texts[field->field] = DrawFigure(FieldKind(desc, field->field), scale, draw);
    }
    ApplyRules(desc.id, texts, draw);
    if (SoundEntries(desc, texts)) break;
  }
  return texts;
}

FigureKind FieldKind(const TopicDesc& desc, int field) {
  for (const FieldRule& r : kRules) {
    if (r.window == desc.id && r.field == field && r.rule == Rule::Kind) return r.kind;
  }
  for (const Item* item : FieldsOf(desc)) {
    if (item->field == field) return FigureKindOf(item->caption);
  }
  return FigureKind::Money;
}

namespace {

// The amounts of an entry as compared for a change, and whether the entry is there at all.
std::vector<std::optional<double>> AmountsOf(const EntryRecord& press, std::size_t index) {
  std::vector<std::optional<double>> amounts;
  if (press.fault() || index >= press.entries().size()) return {std::nullopt};
  const EntryRecord::EntryAt& entry = press.entries()[index];
  for (std::size_t r = entry.firstRow; r < entry.endRow; ++r)
    amounts.push_back(press.amount(press.rows()[r]).value_or(0));
  return amounts;
}

std::string Trimmed(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.10g", value);
  return buffer;
}

// A caption with the unit of its figure: "期限（月）" and 3 make "期限 3 个月", a rate shows as a
// percentage, money in 元.
std::string CaptionWithFigure(std::string caption, FigureKind kind, const std::string& text) {
  double value = std::strtod(text.c_str(), nullptr);
  struct Unit {
    std::string_view inCaption;
    std::string_view after;
  };
  static constexpr Unit kUnits[] = {{"（年）", " 年"}, {"(年)", " 年"},       {"（月）", " 个月"},
                                    {"(月)", " 个月"}, {"（季）", " 个季度"}, {"(季)", " 个季度"},
                                    {"（天）", " 天"}, {"(天)", " 天"}};
  for (const Unit& u : kUnits) {
    if (caption.ends_with(u.inCaption)) {
      caption.resize(caption.size() - u.inCaption.size());
      return caption + " " + text + std::string(u.after);
    }
  }
  switch (kind) {
    case FigureKind::Rate:
    case FigureKind::VatRate:
    case FigureKind::IncomeRate:
      return caption + " " + Trimmed(value * 100) + "%";
    case FigureKind::Years:
    case FigureKind::YearsUsed:
      return caption + " " + text + " 年";
    case FigureKind::Months:
      return caption + " " + text + " 个月";
    case FigureKind::Quarters:
      return caption + " " + text + " 个季度";
    case FigureKind::Days:
    case FigureKind::DaysLeft:
      return caption + " " + text + " 天";
    case FigureKind::Times:
      return caption + " " + text + " 次";
    case FigureKind::Exchange:
    case FigureKind::Quantity:
    case FigureKind::TotalWork:
    case FigureKind::Work:
      return caption + " " + text;
    case FigureKind::UnitPrice:
    case FigureKind::PerShare:
    case FigureKind::Fee:
    case FigureKind::Money:
      break;
  }
  return caption + " " + text + " 元";
}

}  // namespace

std::vector<int> FieldsOfEntry(const TopicDesc& desc, const std::map<int, std::string>& texts,
                               std::size_t index) {
  std::vector<std::optional<double>> base = AmountsOf(PressOnce(desc, FieldTexts(texts)), index);
  std::vector<int> fields;
  for (const Item* field : FieldsOf(desc)) {
    std::map<int, std::string> changed = texts;
    double value = std::strtod(changed[field->field].c_str(), nullptr);
    changed[field->field] = Trimmed(value * 1.37 + 1);
    if (AmountsOf(PressOnce(desc, FieldTexts(changed)), index) != base) fields.push_back(field->field);
  }
  return fields;
}

std::string QuestionText(const TopicDesc& desc, const std::map<int, std::string>& texts, std::size_t index) {
  EntryRecord press = PressOnce(desc, FieldTexts(texts));
  std::string heading;
  if (index < press.entries().size() && press.entries()[index].headingLine != kNoLine)
    heading = press.heading(press.entries()[index]);
  // A caption that more than one field bears is told apart by the section it stands in.
  std::map<std::string_view, int> bearers;
  for (const Item* field : FieldsOf(desc)) ++bearers[field->caption];
  std::map<int, std::string> captions;
  for (const Column& column : desc.columns) {
    std::string_view section;
    for (const Item& item : column) {
      if (item.field == 0 && !item.note) section = item.caption;
      if (item.field == 0) continue;
      std::string caption(item.caption);
      if (bearers[item.caption] > 1 && !section.empty()) caption += "（" + std::string(section) + "）";
      captions[item.field] = caption;
    }
  }
  std::string figures;
  for (int field : FieldsOfEntry(desc, texts, index)) {
    auto it = texts.find(field);
    if (!figures.empty()) figures += "，";
    figures +=
        CaptionWithFigure(captions[field], FieldKind(desc, field), it == texts.end() ? "0" : it->second);
  }
  std::string text = heading;
  if (!heading.empty() && !figures.empty()) text += "：";
  text += figures;
  return text + (text.empty() ? "" : "。") + "请编制会计分录。";
}

}  // namespace varnello
