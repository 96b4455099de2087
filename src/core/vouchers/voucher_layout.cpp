#include "core/vouchers/voucher_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/entries/capital.h"
#include "core/files/csv.h"

namespace varnello {

namespace {

using Align = DrawnText::Align;

constexpr double kMargin = 10;  // page margin, top and bottom
constexpr double kLeft = 15;    // the table's left edge
constexpr double kTableWidth = 180;
constexpr double kRowHeight = 7;
constexpr double kHeaderRow = 6;
constexpr int kMinRows = 5;
// Heights around the table's lines: title, the row of number, date and attachments, the two
// header rows, the 合计 row, the signatures and the space between vouchers.
constexpr double kTitle = 11;
constexpr double kInfo = 7;
constexpr double kSignatures = 8;
constexpr double kGap = 4;
constexpr double kFixed = kTitle + kInfo + 2 * kHeaderRow + kSignatures + kGap;

constexpr std::string_view kDigitPlaces[] = {"亿", "千", "百", "十", "万", "千",
                                             "百", "十", "元", "角", "分"};
constexpr int kDigitCount = static_cast<int>(std::size(kDigitPlaces));

struct Columns {
  double summary, general, detail, amount;
};

Columns ColumnsOf(bool grid) {
  if (grid) return {30, 42, 37.6, 35.2};
  return {34, 44, 38, 32};
}

class Painter {
 public:
  explicit Painter(VoucherPage& page) : page_(page) {}
  void line(double x1, double y1, double x2, double y2, double width = 0.2) {
    page_.lines.push_back({x1, y1, x2, y2, width});
  }
  void box(double x, double y, double w, double h, double width = 0.2) {
    line(x, y, x + w, y, width);
    line(x, y + h, x + w, y + h, width);
    line(x, y, x, y + h, width);
    line(x + w, y, x + w, y + h, width);
  }
  void text(double x, double y, double w, double h, std::string text, double points, Align align,
            bool bold = false) {
    if (text.empty()) return;
    page_.texts.push_back({x, y, w, h, std::move(text), points, bold, align});
  }

 private:
  VoucherPage& page_;
};

// An amount in whole 分 written into one amount column: plain, or a digit a cell with ¥ (or the
// minus sign) in the cell before the first digit.
void Amount(Painter& p, double x, double y, double w, double h, std::int64_t fen, bool grid, bool total) {
  if (fen == 0 && !total) return;
  std::string sign = fen < 0 ? "-" : total ? "¥" : "";
  if (!grid) {
    p.text(x + 1, y, w - 2, h, sign + FenText(fen < 0 ? -fen : fen), 9.5, Align::Right, total);
    return;
  }
  std::string digits = std::to_string(fen < 0 ? -fen : fen);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  double cell = w / kDigitCount;
  int first = kDigitCount - static_cast<int>(digits.size());
  if (first < 0) {  // beyond the grid's 亿: written plainly
    p.text(x + 1, y, w - 2, h, sign + FenText(fen < 0 ? -fen : fen), 9.5, Align::Right, total);
    return;
  }
  for (std::size_t i = 0; i < digits.size(); ++i) {
    p.text(x + (first + static_cast<int>(i)) * cell, y, cell, h, std::string(1, digits[i]), 9.5,
           Align::Center, total);
  }
  if (!sign.empty() && first > 0) p.text(x + (first - 1) * cell, y, cell, h, sign, 9.5, Align::Center, total);
}

// The digit grid's column lines over an amount column, the 元 line heavier.
void GridLines(Painter& p, double x, double top, double bottom, double w) {
  double cell = w / kDigitCount;
  for (int i = 1; i < kDigitCount; ++i) {
    p.line(x + i * cell, top, x + i * cell, bottom, i == 9 ? 0.35 : 0.1);
  }
}

// One voucher with its top-left corner at (kLeft, top), `rows` body rows of `rowHeight`.
void DrawVoucher(Painter& p, const Voucher& v, const VoucherOptions& options,
                 const VoucherLayoutOptions& layout, double top, int rows, double rowHeight) {
  const bool grid = layout.digitGrid;
  const Columns c = ColumnsOf(grid);
  const double x0 = kLeft, x1 = x0 + c.summary, x2 = x1 + c.general, x3 = x2 + c.detail, x4 = x3 + c.amount,
               x5 = x4 + c.amount;
  double y = top;
  p.text(x0, y, kTableWidth, kTitle - 2, "记账凭证", 20, Align::Center, true);
  // The title's double rule.
  p.line(kLeft + 62, y + kTitle - 2.2, kLeft + kTableWidth - 62, y + kTitle - 2.2, 0.3);
  p.line(kLeft + 62, y + kTitle - 1.4, kLeft + kTableWidth - 62, y + kTitle - 1.4, 0.3);
  y += kTitle;
  std::optional<VoucherDate> date = ParseVoucherDate(options.date);
  p.text(x0, y, 60, kInfo, "凭证字号：" + WithoutControls(options.word) + "-" + std::to_string(v.number), 10,
         Align::Left);
  p.text(x0, y, kTableWidth, kInfo, "日期：" + (date ? DateOnVoucher(*date) : options.date), 10,
         Align::Center);
  p.text(x5 - 50, y, 50, kInfo, "附单据 " + std::to_string(options.attachments) + " 张", 10, Align::Right);
  y += kInfo;
  const double tableTop = y;
  const double bodyTop = y + 2 * kHeaderRow;
  const double totalTop = bodyTop + rows * rowHeight;
  const double tableBottom = totalTop + rowHeight;
  // Header: 摘要 | 会计科目 over 总账科目 and 明细科目 | 借方金额 | 贷方金额.
  p.text(x0, y, c.summary, 2 * kHeaderRow, "摘要", 10, Align::Center, true);
  p.text(x1, y, c.general + c.detail, kHeaderRow, "会计科目", 10, Align::Center, true);
  p.text(x1, y + kHeaderRow, c.general, kHeaderRow, "总账科目", 10, Align::Center, true);
  p.text(x2, y + kHeaderRow, c.detail, kHeaderRow, "明细科目", 10, Align::Center, true);
  for (double x : {x3, x4}) {
    std::string caption = x == x3 ? "借方金额" : "贷方金额";
    if (!grid) {
      p.text(x, y, c.amount, 2 * kHeaderRow, caption, 10, Align::Center, true);
      continue;
    }
    p.text(x, y, c.amount, kHeaderRow, caption, 10, Align::Center, true);
    double cell = c.amount / kDigitCount;
    for (int i = 0; i < kDigitCount; ++i) {
      p.text(x + i * cell, y + kHeaderRow, cell, kHeaderRow, std::string(kDigitPlaces[i]), 7, Align::Center);
    }
    p.line(x, y + kHeaderRow, x + c.amount, y + kHeaderRow);
    GridLines(p, x, y + kHeaderRow, totalTop + rowHeight, c.amount);
  }
  p.line(x1, y + kHeaderRow, x3, y + kHeaderRow);
  // Body rows.
  for (int r = 0; r < rows; ++r) {
    double ry = bodyTop + r * rowHeight;
    if (r < static_cast<int>(v.lines.size())) {
      const VoucherLine& line = v.lines[r];
      if (r == 0) p.text(x0 + 1.5, ry, c.summary - 3, rowHeight, v.summary, 9.5, Align::Left);
      std::string general = line.account.generalCode.empty()
                                ? line.account.general
                                : line.account.generalCode + " " + line.account.general;
      p.text(x1 + 1.5, ry, c.general - 3, rowHeight, general, 9.5, Align::Left);
      p.text(x2 + 1.5, ry, c.detail - 3, rowHeight, line.account.detail, 9.5, Align::Left);
      Amount(p, x3, ry, c.amount, rowHeight, line.debit, grid, false);
      Amount(p, x4, ry, c.amount, rowHeight, line.credit, grid, false);
    }
    p.line(x0, ry, x5, ry, r == 0 ? 0.3 : 0.15);
  }
  // 合计 in figures and in capital numerals.
  std::optional<std::string> capital = CapitalOfFen(v.debit).text;
  p.line(x0, totalTop, x5, totalTop, 0.3);
  p.text(x0, totalTop, c.summary, rowHeight, "合计", 10, Align::Center, true);
  p.text(x1 + 1.5, totalTop, c.general + c.detail - 3, rowHeight, "（大写）" + capital.value_or(""), 10,
         Align::Left, true);
  Amount(p, x3, totalTop, c.amount, rowHeight, v.debit, grid, true);
  Amount(p, x4, totalTop, c.amount, rowHeight, v.credit, grid, true);
  // Frame and column lines.
  p.box(x0, tableTop, kTableWidth, tableBottom - tableTop, 0.5);
  p.line(x1, tableTop, x1, tableBottom);
  p.line(x2, tableTop + kHeaderRow, x2, totalTop);
  p.line(x3, tableTop, x3, tableBottom);
  p.line(x4, tableTop, x4, tableBottom);
  // Signatures.
  double sy = tableBottom + 1;
  const std::string names[] = {"会计主管：", "记账：", "审核：", "出纳：",
                               "制单：" + WithoutControls(options.preparer)};
  double each = kTableWidth / std::size(names);
  for (std::size_t i = 0; i < std::size(names); ++i) {
    p.text(x0 + i * each, sy, each, kSignatures - 2, names[i], 10, Align::Left);
  }
}

}  // namespace

std::vector<VoucherPage> LayoutVouchers(const VoucherSet& set, const VoucherOptions& options,
                                        const VoucherLayoutOptions& layout) {
  const int perPage = std::clamp(layout.perPage, 1, 3);
  const double slot = (kPageHeightMm - 2 * kMargin) / perPage;
  std::vector<VoucherPage> pages;
  int used = perPage;  // slots taken on the last page
  for (const Voucher& v : set.vouchers) {
    int rows = std::max(kMinRows, static_cast<int>(v.lines.size()));
    double height = kFixed + (rows + 1) * kRowHeight;
    int slots = std::min(perPage, static_cast<int>(std::ceil(height / slot - 1e-9)));
    double rowHeight = kRowHeight;
    if (height > slots * slot) rowHeight = (slots * slot - kFixed) / (rows + 1);
    if (used + slots > perPage) {
      pages.emplace_back();
      used = 0;
    }
    Painter painter(pages.back());
    DrawVoucher(painter, v, options, layout, kMargin + used * slot, rows, rowHeight);
    used += slots;
  }
  return pages;
}

}  // namespace varnello
