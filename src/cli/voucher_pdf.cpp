#include "cli/voucher_pdf.h"

#include <cairo-pdf.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <memory>
#include <string_view>

#include "core/vouchers/import_xlsx.h"

namespace varnello::cli {

namespace {

constexpr double kPointsPerMm = 72 / 25.4;
// The faces the windows print in (宋体), as fontconfig resolves them on a Debian system.
constexpr char kFamilies[] = "SimSun,AR PL UMing CN,AR PL UMing,Noto Serif CJK SC,serif";
constexpr double kSmallestPoints = 5;

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

void DrawText(cairo_t* cr, PangoLayout* layout, const DrawnText& t) {
  std::unique_ptr<PangoFontDescription, decltype(&pango_font_description_free)> font(
      pango_font_description_from_string(kFamilies), pango_font_description_free);
  pango_font_description_set_weight(font.get(), t.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_layout_set_text(layout, t.text.data(), static_cast<int>(t.text.size()));
  // Smaller until it fits its box.
  double points = t.points;
  int width = 0, height = 0;
  for (;;) {
    pango_font_description_set_absolute_size(font.get(), points * PANGO_SCALE);
    pango_layout_set_font_description(layout, font.get());
    pango_layout_get_size(layout, &width, &height);
    if (width <= t.w * kPointsPerMm * PANGO_SCALE || points <= kSmallestPoints) break;
    points = std::max(kSmallestPoints, points * 0.92);
  }
  double w = static_cast<double>(width) / PANGO_SCALE, h = static_cast<double>(height) / PANGO_SCALE;
  double boxX = t.x * kPointsPerMm, boxW = t.w * kPointsPerMm;
  double x = t.align == DrawnText::Align::Left    ? boxX
             : t.align == DrawnText::Align::Right ? boxX + boxW - w
                                                  : boxX + (boxW - w) / 2;
  double y = t.y * kPointsPerMm + (t.h * kPointsPerMm - h) / 2;
  cairo_move_to(cr, x, y);
  pango_cairo_show_layout(cr, layout);
}

std::optional<std::string> Document(const std::vector<VoucherPage>& pages, const std::string& title,
                                    std::string* error) {
  std::string bytes;
  cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(Append, &bytes, kPageWidthMm * kPointsPerMm,
                                                                 kPageHeightMm * kPointsPerMm);
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, title.c_str());
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "Varnello");
  cairo_t* cr = cairo_create(surface);
  PangoLayout* layout = pango_cairo_create_layout(cr);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  for (const VoucherPage& page : pages) {
    for (const DrawnLine& l : page.lines) {
      cairo_set_line_width(cr, l.width * kPointsPerMm);
      cairo_move_to(cr, l.x1 * kPointsPerMm, l.y1 * kPointsPerMm);
      cairo_line_to(cr, l.x2 * kPointsPerMm, l.y2 * kPointsPerMm);
      cairo_stroke(cr);
    }
    for (const DrawnText& t : page.texts) DrawText(cr, layout, t);
    cairo_show_page(cr);
  }
  g_object_unref(layout);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  cairo_status_t status = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS) {
    if (error != nullptr) *error = cairo_status_to_string(status);
    return std::nullopt;
  }
  return bytes;
}

std::optional<std::string> Render(const std::vector<VoucherPage>& pages, std::string* error) {
  return Document(pages, "记账凭证", error);
}

const VoucherPdfModule kModule{Render, ImportXlsx, Document, ReportsXlsx};

}  // namespace
}  // namespace varnello::cli

extern "C" __attribute__((visibility("default"))) const varnello::cli::VoucherPdfModule*
varnello_voucher_pdf() {
  return &varnello::cli::kModule;
}
