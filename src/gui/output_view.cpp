#include "gui/output_view.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>

#include "gui/qt_convert.h"

namespace varnello {

OutputView::OutputView(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setFrameShape(QFrame::NoFrame);
  setUndoRedoEnabled(false);  // nothing to undo, and no history growing with every press
  setTabChangesFocus(true);
  // Printed in the window-text colour on the window background, like the rest of the client area.
  QPalette p = palette();
  p.setColor(QPalette::Base, p.color(QPalette::Window));
  p.setColor(QPalette::Text, p.color(QPalette::WindowText));
  setPalette(p);
}

void OutputView::linesChanged() {
  const auto& lines = buffer_.lines();
  if (lines.size() < shown_) {  // cleared through the sink
    document()->clear();
    shown_ = 0;
  }
  QTextCursor cursor(document());
  cursor.beginEditBlock();
  if (shown_ > 0) {
    // Open text may have continued the last line shown.
    QTextBlock last = document()->lastBlock();
    QString text = ToQString(lines[shown_ - 1]);
    if (last.text() != text) {
      cursor.setPosition(last.position());
      cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
      cursor.insertText(text);
    }
  }
  cursor.movePosition(QTextCursor::End);
  for (size_t i = shown_; i < lines.size(); ++i) {
    if (i > 0) cursor.insertBlock();
    cursor.insertText(ToQString(lines[i]));
  }
  cursor.endEditBlock();
  shown_ = lines.size();
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void OutputView::clearOutput() {
  buffer_.ClearOutput();
  document()->clear();
  shown_ = 0;
}

int OutputView::lineAtPosition(int position) const {
  if (shown_ == 0) return -1;
  QTextBlock block = document()->findBlock(position);
  return block.isValid() ? block.blockNumber() : -1;
}

int OutputView::lineAt(const QPoint& viewportPoint) const {
  if (shown_ == 0) return -1;
  QTextBlock block = cursorForPosition(viewportPoint).block();
  QRectF box = blockBoundingGeometry(block).translated(contentOffset());
  if (viewportPoint.y() < box.top() || viewportPoint.y() >= box.bottom()) return -1;
  return block.blockNumber();
}

std::pair<int, int> OutputView::selectedLines() const {
  QTextCursor c = textCursor();
  if (!c.hasSelection()) return {-1, -1};
  return {lineAtPosition(c.selectionStart()), lineAtPosition(c.selectionEnd())};
}

QMenu* OutputView::createContextMenu(const QPoint& viewportPoint) {
  QMenu* menu = createStandardContextMenu(viewportPoint);
  emit contextMenuAboutToShow(menu, lineAt(viewportPoint));
  return menu;
}

void OutputView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createContextMenu(event->pos());
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

}  // namespace varnello
