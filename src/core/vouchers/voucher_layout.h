// The printed voucher (记账凭证) laid out as drawing primitives on A4 pages, in millimetres from the
// page's top-left corner, so that the windows (painting with Qt) and the command line (writing a
// PDF) draw the same voucher.
#pragma once

#include <string>
#include <vector>

#include "core/vouchers/voucher.h"

namespace varnello {

inline constexpr double kPageWidthMm = 210;
inline constexpr double kPageHeightMm = 297;

struct DrawnLine {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  double width = 0.2;  // mm
};

// A text on one line inside a box: aligned left, centred or right, centred vertically; a text
// wider than its box is drawn smaller until it fits.
struct DrawnText {
  enum class Align { Left, Center, Right };
  double x = 0, y = 0, w = 0, h = 0;
  std::string text;
  double points = 10;
  bool bold = false;
  Align align = Align::Left;
};

struct VoucherPage {
  std::vector<DrawnLine> lines;
  std::vector<DrawnText> texts;
};

struct VoucherLayoutOptions {
  int perPage = 2;         // 1, 2 or 3 vouchers to an A4 page
  bool digitGrid = false;  // amounts in the columns 亿 千 百 十 万 千 百 十 元 角 分
};

// The pages of the vouchers, in order. A voucher has at least five lines (blank ones below its
// own); one too long for its share of the page takes the shares it needs, a whole page at most.
std::vector<VoucherPage> LayoutVouchers(const VoucherSet& set, const VoucherOptions& options,
                                        const VoucherLayoutOptions& layout);

}  // namespace varnello
