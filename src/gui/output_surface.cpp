#include "gui/output_surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>

namespace varnello {

OutputSurface::OutputSurface(QWidget* parent) : QAbstractScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  viewport()->setBackgroundRole(QPalette::Window);
  viewport()->setAutoFillBackground(true);
  setFocusPolicy(Qt::NoFocus);
}

void OutputSurface::linesChanged() {
  updateRange();
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
  viewport()->update();
}

void OutputSurface::clear() {
  buffer_.ClearOutput();
  widest_ = 0;
  measured_ = 0;
  updateRange();
  viewport()->update();
}

void OutputSurface::updateRange() {
  QFontMetrics fm(font());
  int lineHeight = fm.lineSpacing();
  const auto& lines = buffer_.lines();
  for (size_t i = measured_ > 0 ? measured_ - 1 : 0; i < lines.size(); ++i) {
    widest_ = std::max(widest_, fm.horizontalAdvance(QString::fromStdString(lines[i])));
  }
  measured_ = lines.size();
  int contentHeight = lineHeight * static_cast<int>(lines.size());
  verticalScrollBar()->setPageStep(viewport()->height());
  verticalScrollBar()->setSingleStep(lineHeight);
  verticalScrollBar()->setRange(0, std::max(0, contentHeight - viewport()->height()));
  horizontalScrollBar()->setPageStep(viewport()->width());
  horizontalScrollBar()->setRange(0, std::max(0, widest_ - viewport()->width()));
}

void OutputSurface::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateRange();
}

void OutputSurface::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.setPen(palette().color(QPalette::WindowText));
  QFontMetrics fm(font());
  int lineHeight = fm.lineSpacing();
  int dx = -horizontalScrollBar()->value();
  int dy = -verticalScrollBar()->value();
  const auto& lines = buffer_.lines();
  int first = std::max(0, -dy / lineHeight);
  for (int i = first; i < static_cast<int>(lines.size()); ++i) {
    int top = dy + i * lineHeight;
    if (top > viewport()->height()) break;
    painter.drawText(dx, top + fm.ascent(), QString::fromStdString(lines[static_cast<size_t>(i)]));
  }
}

}  // namespace varnello
