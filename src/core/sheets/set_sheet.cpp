#include "core/sheets/set_sheet.h"

#include <algorithm>
#include <cstdint>

#include "core/catalogue/catalogue.h"
#include "core/engine/fault.h"
#include "core/engine/press.h"
#include "core/engine/window_id.h"
#include "core/entries/entries.h"
#include "core/practice/marking.h"

namespace varnello {

namespace {

using Align = DrawnText::Align;

constexpr double kLeft = kSheetMarginMm;
constexpr double kRight = kPageWidthMm - kSheetMarginMm;
constexpr double kWidth = kRight - kLeft;
constexpr double kTop = kSheetMarginMm;
// The page number stands in the bottom margin's upper half.
constexpr double kBottom = kPageHeightMm - kSheetMarginMm;
constexpr double kFooter = 6;

constexpr double kMmPerPoint = 25.4 / 72;
constexpr double kTitleHeight = 12;
constexpr double kNameHeight = 12;
constexpr double kQuestionPoints = 10.5;
constexpr double kQuestionLine = 5.5;
constexpr double kNumberWidth = 16;  // "第12题" before the question's lines
constexpr double kHeaderRow = 7;
constexpr double kAnswerRow = 8;
constexpr double kGap = 6;
// The answer table's columns: 会计科目 | 借/贷 | 金额.
constexpr double kAccountColumn = 110, kSideColumn = 22,
                 kAmountColumn = kWidth - kAccountColumn - kSideColumn;
// The key: 借/贷 | account | amount, then the working below, indented.
constexpr double kKeyRow = 6;
constexpr double kWorkingLine = 4.5;
constexpr double kWorkingPoints = 8.5;
constexpr double kKeySide = 9, kKeyAmount = 40, kCreditIndent = 8;
constexpr double kWorkingIndent = 6;

// The bytes of the UTF-8 character starting at `s[i]` (a stray byte counts alone).
std::size_t CharLength(std::string_view s, std::size_t i) {
  auto c = static_cast<unsigned char>(s[i]);
  std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xe ? 3 : (c >> 3) == 0x1e ? 4 : 1;
  return std::min(n, s.size() - i);
}

bool ClosingMark(std::string_view ch) {
  for (std::string_view mark : {"，", "。", "、", "；", "：", "）", "！", "？", ",", ".", ";", ":", ")"}) {
    if (ch == mark) return true;
  }
  return false;
}

bool OpeningMark(std::string_view ch) {
  for (std::string_view mark : {"（", "“", "《", "("}) {
    if (ch == mark) return true;
  }
  return false;
}

// The bytes of the last UTF-8 character of a non-empty text.
std::size_t CharBefore(std::string_view s) {
  std::size_t n = 1;
  while (n < s.size() && (static_cast<unsigned char>(s[s.size() - n]) & 0xc0) == 0x80) ++n;
  return n;
}

double Em(double points) {
  return points * kMmPerPoint;
}

double WidthOf(std::string_view text, double points) {
  double ems = 0;
  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
    ems += static_cast<unsigned char>(text[i]) < 0x80 ? 0.6 : 1.0;
  }
  return ems * Em(points);
}

// The units a line is broken between: a run of ASCII letters and digits (with . , % kept in
// it), a blank, or one other character; a closing mark joins the unit before it, an opening mark
// the unit after it.
std::vector<std::string_view> Units(std::string_view text) {
  std::vector<std::string_view> units;
  auto word = [](char c) {
    auto u = static_cast<unsigned char>(c);
    return u < 0x80 && c != ' ' && c != '\t';
  };
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t start = i;
    if (word(text[i])) {
      while (i < text.size() && word(text[i])) ++i;
    } else {
      i += CharLength(text, i);
    }
    std::string_view unit = text.substr(start, i - start);
    bool joins =
        !units.empty() && (ClosingMark(unit) || (word(unit[0]) && ClosingMark(unit.substr(0, 1))) ||
                           OpeningMark(units.back().substr(units.back().size() - CharBefore(units.back()))));
    if (joins) {
      std::string_view& last = units.back();
      last = std::string_view(last.data(), last.size() + unit.size());
    } else {
      units.push_back(unit);
    }
  }
  return units;
}

class Pages {
 public:
  explicit Pages(std::string title) : title_(std::move(title)) { pages_.emplace_back(); }

  VoucherPage& page() { return pages_.back(); }
  double y = kTop;

  // Room for `height` below y, on a new page if this one has too little (but not when the page is
  // still empty: the block then goes on it and is squeezed by its caller).
  void need(double height) {
    if (y + height <= kBottom - kFooter || y == kTop) return;
    pages_.emplace_back();
    y = kTop;
  }
  double room() const { return kBottom - kFooter - y; }

  void line(double x1, double y1, double x2, double y2, double width = 0.2) {
    page().lines.push_back({x1, y1, x2, y2, width});
  }
  void text(double x, double top, double w, double h, std::string text, double points, Align align,
            bool bold = false) {
    if (text.empty()) return;
    page().texts.push_back({x, top, w, h, std::move(text), points, bold, align});
  }
  // Wrapped lines of `text` from y in a column at x; y moves below them.
  void paragraph(double x, double w, std::string_view text, double points, double lineHeight) {
    for (std::string& l : WrapText(text, w, points)) {
      this->text(x, y, w, lineHeight, std::move(l), points, Align::Left);
      y += lineHeight;
    }
  }

  // Every page numbered at its foot, the set's title beside.
  std::vector<VoucherPage> finish() && {
    const std::size_t n = pages_.size();
    for (std::size_t i = 0; i < n; ++i) {
      VoucherPage& p = pages_[i];
      double top = kBottom - kFooter + 1;
      p.texts.push_back({kLeft, top, kWidth / 2, kFooter - 1, title_, 8, false, Align::Left});
      p.texts.push_back({kLeft + kWidth / 2, top, kWidth / 2, kFooter - 1,
                         "第 " + std::to_string(i + 1) + " 页 共 " + std::to_string(n) + " 页", 8, false,
                         Align::Right});
    }
    return std::move(pages_);
  }

 private:
  std::string title_;
  std::vector<VoucherPage> pages_;
};

std::string NumberText(int number) {
  return "第" + std::to_string(number) + "题";
}

// The question's number and text, wrapped beside the number; y moves below them.
void QuestionText(Pages& p, const SheetQuestion& q) {
  p.text(kLeft, p.y, kNumberWidth, kQuestionLine, NumberText(q.number), kQuestionPoints, Align::Left, true);
  std::string_view text = q.question;
  if (text.empty()) text = q.problem;
  double start = p.y;
  p.paragraph(kLeft + kNumberWidth, kWidth - kNumberWidth, text, kQuestionPoints, kQuestionLine);
  p.y = std::max(p.y, start + kQuestionLine);
}

double QuestionHeight(const SheetQuestion& q) {
  std::string_view text = q.question.empty() ? std::string_view(q.problem) : std::string_view(q.question);
  std::size_t lines = std::max<std::size_t>(1, WrapText(text, kWidth - kNumberWidth, kQuestionPoints).size());
  return static_cast<double>(lines) * kQuestionLine;
}

std::string Title(std::string_view setId, std::string_view what) {
  return "练习集 " + std::string(setId) + std::string(what);
}

}  // namespace

std::vector<std::string> WrapText(std::string_view text, double widthMm, double points) {
  std::vector<std::string> lines;
  std::string line;
  double used = 0;
  for (std::string_view unit : Units(text)) {
    double w = WidthOf(unit, points);
    if (!line.empty() && used + w > widthMm) {
      // Blanks at the break are dropped.
      while (!line.empty() && line.back() == ' ') line.pop_back();
      lines.push_back(std::move(line));
      line.clear();
      used = 0;
      if (unit == " ") continue;
    }
    line += unit;
    used += w;
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

std::vector<SheetQuestion> SheetQuestionsOf(const ExerciseSet& set) {
  std::vector<SheetQuestion> questions;
  for (const SetExercise& e : set.exercises) {
    SheetQuestion& q = questions.emplace_back();
    q.number = e.number;
    q.question = e.question;
    std::optional<WindowId> id = WindowId::Parse(e.window);
    const TopicDesc* desc = id ? FindTopic(*id) : nullptr;
    if (desc == nullptr) {
      q.problem = "没有窗口 " + e.window;
      continue;
    }
    std::vector<FieldText> texts;
    for (const auto& [n, text] : e.fields) texts.push_back({n, text});
    EntryRecord press = PressOnce(*desc, texts, true);
    if (press.fault()) {
      q.problem = "这组数字算不出分录：" + std::string(FaultMessage(*press.fault()));
      continue;
    }
    std::vector<Entry> entries = EntriesOf(press);
    if (e.entry >= entries.size()) {
      q.problem = e.window + " 没有第 " + std::to_string(e.entry) + " 个分录";
      continue;
    }
    for (const EntryRow& row : entries[e.entry].rows) {
      // As the marking's key: a balance line states a balance, no entry to write.
      if (row.side == Side::None || row.balanceLine) continue;
      SheetKeyLine& k = q.key.emplace_back();
      k.account = row.account;
      k.side = row.side;
      k.amount = row.amount.value_or(0);
      for (const WorkingLine& w : press.working()) {
        if (w.line != row.line) continue;
        k.working.push_back(PlainAmount(k.amount) + " " + w.formula);
        k.working.insert(k.working.end(), w.steps.begin(), w.steps.end());
      }
    }
  }
  return questions;
}

std::vector<VoucherPage> LayoutQuestionSheet(std::string_view setId,
                                             const std::vector<SheetQuestion>& questions) {
  Pages p(Title(setId, ""));
  p.text(kLeft, p.y, kWidth, kTitleHeight, Title(setId, ""), 16, Align::Center, true);
  p.y += kTitleHeight;
  // 姓名 ____  学号 ____ on the right half, the lines to write on.
  double x = kLeft + kWidth / 2 - 10, base = p.y + kNameHeight - 3;
  for (std::string_view caption : {"姓名", "学号"}) {
    p.text(x, p.y + 2, 12, kNameHeight - 4, std::string(caption) + "：", 11, Align::Left);
    p.line(x + 12, base, x + 12 + 33, base, 0.25);
    x += 50;
  }
  p.y += kNameHeight + 2;
  for (const SheetQuestion& q : questions) {
    const int rows = static_cast<int>(q.key.size()) + kSpareAnswerRows;
    double tableHeight = kHeaderRow + rows * kAnswerRow;
    p.need(QuestionHeight(q) + 2 + tableHeight);
    QuestionText(p, q);
    p.y += 2;
    // A question too tall for a whole page: its rows are made lower to fit.
    double row = kAnswerRow;
    if (p.room() < tableHeight) row = std::max(4.0, (p.room() - kHeaderRow) / rows);
    const double x1 = kLeft + kAccountColumn, x2 = x1 + kSideColumn, top = p.y;
    p.text(kLeft, top, kAccountColumn, kHeaderRow, "会计科目", 10, Align::Center, true);
    p.text(x1, top, kSideColumn, kHeaderRow, "借/贷", 10, Align::Center, true);
    p.text(x2, top, kAmountColumn, kHeaderRow, "金额", 10, Align::Center, true);
    const double bottom = top + kHeaderRow + rows * row;
    for (int r = 0; r <= rows; ++r) {
      double ry = top + kHeaderRow + r * row;
      p.line(kLeft, ry, kRight, ry, r == 0 ? 0.3 : 0.15);
    }
    p.line(kLeft, top, kRight, top, 0.4);
    p.line(kLeft, bottom, kRight, bottom, 0.4);
    for (double cx : {kLeft, x1, x2, kRight})
      p.line(cx, top, cx, bottom, cx == kLeft || cx == kRight ? 0.4 : 0.2);
    p.y = bottom + kGap;
  }
  return std::move(p).finish();
}

std::vector<VoucherPage> LayoutKeySheet(std::string_view setId, const std::vector<SheetQuestion>& questions) {
  Pages p(Title(setId, " 答案"));
  p.text(kLeft, p.y, kWidth, kTitleHeight, Title(setId, " 答案"), 16, Align::Center, true);
  p.y += kTitleHeight + 2;
  // The working stands below its line, indented past the side and account's start.
  const double workingX = kLeft + kNumberWidth + kKeySide + kWorkingIndent, workingWidth = kRight - workingX;
  for (const SheetQuestion& q : questions) {
    double height = QuestionHeight(q) + 2;
    for (const SheetKeyLine& k : q.key) {
      height += kKeyRow;
      for (const std::string& w : k.working) {
        height += static_cast<double>(WrapText(w, workingWidth, kWorkingPoints).size()) * kWorkingLine;
      }
    }
    p.need(height);
    QuestionText(p, q);
    p.y += 2;
    for (const SheetKeyLine& k : q.key) {
      p.need(kKeyRow);
      // Credit lines stand indented below the debit ones, as entries are written.
      const double x = kLeft + kNumberWidth + (k.side == Side::Credit ? kCreditIndent : 0);
      p.text(x, p.y, kKeySide, kKeyRow, std::string(SideText(k.side)) + "：", kQuestionPoints, Align::Left,
             true);
      p.text(x + kKeySide, p.y, kRight - kKeyAmount - 2 - x - kKeySide, kKeyRow, k.account, kQuestionPoints,
             Align::Left);
      p.text(kRight - kKeyAmount, p.y, kKeyAmount, kKeyRow, PlainAmount(k.amount), kQuestionPoints,
             Align::Right);
      p.y += kKeyRow;
      for (const std::string& w : k.working) {
        for (std::string& l : WrapText(w, workingWidth, kWorkingPoints)) {
          p.need(kWorkingLine);
          p.text(workingX, p.y, workingWidth, kWorkingLine, std::move(l), kWorkingPoints, Align::Left);
          p.y += kWorkingLine;
        }
      }
    }
    p.y += kGap;
  }
  return std::move(p).finish();
}

}  // namespace varnello
