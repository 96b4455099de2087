#include "core/practice/exercise.h"

#include <algorithm>
#include <array>
#include <random>
#include <vector>

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

// Records whether a press printed a journal line (a caption and an amount) with an amount other
// than zero.
class NonZeroWatch : public JournalSink {
 public:
  void PrintHeading(std::string_view) override {}
  void PrintJournalLine(std::string_view, std::optional<double> amount) override {
    if (amount && *amount != 0.0) seen = true;
  }
  void PrintBlankLine() override {}
  void PrintOpenText(std::string_view) override {}
  void ClearOutput() override {}
  bool seen = false;
};

bool Sound(const TopicDesc& desc, const std::map<int, std::string>& texts) {
  NonZeroWatch watch;
  return !RunPress(desc, FieldTexts(texts), watch) && watch.seen;
}

}  // namespace

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
  constexpr int kAttempts = 64;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::seed_seq mix{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32),
                      static_cast<std::uint32_t>(desc.id.number()), static_cast<std::uint32_t>(attempt)};
    std::array<std::uint32_t, 2> state{};
    mix.generate(state.begin(), state.end());
    Draw draw((std::uint64_t{state[0]} << 32) | state[1]);
    long long scale = 1000 * draw.Between(10, 100);
    texts.clear();
    for (const Item* field : fields)
      texts[field->field] = DrawFigure(FigureKindOf(field->caption), scale, draw);
    if (Sound(desc, texts)) break;
  }
  return texts;
}

}  // namespace varnello
