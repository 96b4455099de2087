#include "cli/book_pages.h"

#include <algorithm>
#include <numeric>

namespace varnello::cli {

namespace {

constexpr double kMargin = 15;                         // mm on every side
constexpr double kRow = 6.5;                           // mm a row
constexpr double kColumnPerUnit = 1.7;                 // mm a half-width character takes at 9 points
constexpr double kWidth = kPageWidthMm - 2 * kMargin;  // the printable width
constexpr double kBottom = kPageHeightMm - kMargin;    // the last usable height

}  // namespace

std::vector<VoucherPage> ReportPages(const std::vector<ReportTable>& tables) {
  std::vector<VoucherPage> pages(1);
  double y = kMargin;
  auto room = [&](double needed) {
    if (y + needed <= kBottom) return;
    pages.emplace_back();
    y = kMargin;
  };
  auto text = [&](double x, double w, std::string s, bool bold, DrawnText::Align align, double points) {
    DrawnText t;
    t.x = x, t.y = y, t.w = w, t.h = kRow;
    t.text = std::move(s);
    t.bold = bold;
    t.align = align;
    t.points = points;
    pages.back().texts.push_back(std::move(t));
  };
  for (const ReportTable& t : tables) {
    std::size_t n = t.header.size();
    if (n == 0) continue;
    std::vector<double> widths(n, 0);
    auto measure = [&](const std::vector<std::string>& cells) {
      for (std::size_t c = 0; c < n && c < cells.size(); ++c) {
        widths[c] = std::max(widths[c], static_cast<double>(DisplayWidth(cells[c]) + 2) * kColumnPerUnit);
      }
    };
    measure(t.header);
    for (const auto& row : t.rows) measure(row);
    double total = std::accumulate(widths.begin(), widths.end(), 0.0);
    if (total > kWidth) {
      for (double& w : widths) w *= kWidth / total;
      total = kWidth;
    }
    auto rule = [&](const std::vector<std::string>& cells, bool bold) {
      double x = kMargin;
      VoucherPage& page = pages.back();
      page.lines.push_back({kMargin, y, kMargin + total, y, 0.2});
      page.lines.push_back({kMargin, y + kRow, kMargin + total, y + kRow, 0.2});
      for (std::size_t c = 0; c < n; ++c) {
        page.lines.push_back({x, y, x, y + kRow, 0.2});
        bool right = c < t.amounts.size() && t.amounts[c];
        if (c < cells.size()) {
          text(x + 1, widths[c] - 2, cells[c], bold, right ? DrawnText::Align::Right : DrawnText::Align::Left,
               9);
        }
        x += widths[c];
      }
      page.lines.push_back({x, y, x, y + kRow, 0.2});
      y += kRow;
    };
    room(3 * kRow);
    text(kMargin, kWidth, t.title, true, DrawnText::Align::Left, 11);
    y += kRow;
    rule(t.header, true);
    for (const auto& row : t.rows) {
      if (y + kRow > kBottom) {
        room(2 * kRow);
        rule(t.header, true);
      }
      rule(row, false);
    }
    for (const std::string& note : t.notes) {
      room(kRow);
      text(kMargin, kWidth, note, false, DrawnText::Align::Left, 9);
      y += kRow;
    }
    y += kRow;
  }
  return pages;
}

}  // namespace varnello::cli
