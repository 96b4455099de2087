#include "gui/output_view.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTextBlock>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <set>

#include "core/entries/capital.h"
#include "gui/app_font.h"
#include "gui/explanation_panel.h"
#include "gui/qt_convert.h"

namespace varnello {

namespace {

bool& WorkingShownFlag() {
  static bool shown = false;
  return shown;
}

std::set<OutputView*>& Views() {
  static std::set<OutputView*> views;
  return views;
}

// The block property that marks the last block of a press followed by another press: the view
// leaves room under it and draws a rule there. Only the view shows it; the text stays as printed.
constexpr int kPressEnds = QTextFormat::UserProperty + 1;

// Plain-text layout with a little room under every line (a fifth of the font's height), so that
// lines of CJK text do not touch, and a line's height more under the last line of a press that
// another follows; the text itself is untouched.
class SpacedLayout : public QPlainTextDocumentLayout {
 public:
  SpacedLayout(QTextDocument* document, const QWidget* view)
      : QPlainTextDocumentLayout(document), view_(view) {}
  QRectF blockBoundingRect(const QTextBlock& block) const override {
    QRectF r = QPlainTextDocumentLayout::blockBoundingRect(block);
    if (r.isNull()) return r;
    r.setHeight(r.height() + spacing());
    if (block.blockFormat().boolProperty(kPressEnds)) r.setHeight(r.height() + pressGap());
    return r;
  }
  int spacing() const { return qRound(view_->fontMetrics().height() / 5.0); }
  int pressGap() const { return view_->fontMetrics().height(); }

 private:
  const QWidget* view_;
};

}  // namespace

OutputView::~OutputView() {
  Views().erase(this);
}

void OutputView::setWorkingShown(bool shown) {
  if (WorkingShownFlag() == shown) return;
  WorkingShownFlag() = shown;
  for (OutputView* v : Views()) v->rebuild();
}

bool OutputView::workingShown() {
  return WorkingShownFlag();
}

QString OutputView::workingOf(int line) const {
  const WorkingLine* w = line < 0 ? nullptr : record_.workingOf(static_cast<size_t>(line));
  return w == nullptr ? QString() : ToQString(w->text);
}

namespace {

// The capital numerals of a printed line: from the amount as computed when the working has it
// (the print may have rounded it), else from the printed digits.
Capital CapitalAt(const EntryRecord& record, int line, std::optional<double> computed) {
  if (line < 0 || static_cast<size_t>(line) >= record.lines().size()) return {};
  Capital printed = CapitalOfPrinted(record.amountOf(static_cast<size_t>(line)));
  if (printed.refusal == CapitalRefusal::NotANumber || !computed) return printed;
  return CapitalOfAmount(*computed);
}

}  // namespace

std::optional<double> OutputView::computedOf(int line) const {
  const WorkingLine* w = line < 0 ? nullptr : record_.workingOf(static_cast<size_t>(line));
  return w == nullptr ? std::nullopt : std::optional<double>(w->value);
}

std::optional<QString> OutputView::capitalOf(int line) const {
  Capital capital = CapitalAt(record_, line, computedOf(line));
  if (!capital.text) return std::nullopt;
  return ToQString(*capital.text);
}

QString OutputView::capitalRefusalOf(int line) const {
  Capital capital = CapitalAt(record_, line, computedOf(line));
  if (capital.text || capital.refusal == CapitalRefusal::NotANumber) return {};
  return ToQString(CapitalRefusalText(capital.refusal));
}

void OutputView::markLine(size_t line, const QString& note) {
  marks_[line] = note;
  viewport()->update();
}

QString OutputView::markOf(int line) const {
  auto it = line < 0 ? marks_.end() : marks_.find(static_cast<size_t>(line));
  return it == marks_.end() ? QString() : it->second;
}

void OutputView::paintEvent(QPaintEvent* event) {
  QPlainTextEdit::paintEvent(event);
  QPainter painter(viewport());
  // A rule in the room between two presses.
  if (!pressStarts_.empty()) {
    auto* layout = static_cast<SpacedLayout*>(document()->documentLayout());
    QColor rule = palette().color(QPalette::PlaceholderText);
    painter.setPen(QPen(rule, 1, Qt::DashLine));
    for (size_t start : pressStarts_) {
      QTextBlock block = blockOfLine(start);
      if (!block.isValid()) continue;
      QRectF box = blockBoundingGeometry(block).translated(contentOffset());
      int y = qRound(box.top() - layout->pressGap() / 2.0 - layout->spacing() / 2.0);
      if (y < 0 || y > viewport()->height()) continue;
      painter.drawLine(QPoint(static_cast<int>(document()->documentMargin()), y),
                       QPoint(viewport()->width() - static_cast<int>(document()->documentMargin()), y));
    }
  }
  if (marks_.empty()) return;
  QIcon icon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
  for (const auto& [line, note] : marks_) {
    QTextBlock block = blockOfLine(line);
    if (!block.isValid()) continue;
    QRectF box = blockBoundingGeometry(block).translated(contentOffset());
    if (box.bottom() < 0 || box.top() > viewport()->height()) continue;
    int size = fontMetrics().height();
    int x = static_cast<int>(box.left() + document()->documentMargin()) +
            fontMetrics().horizontalAdvance(block.text()) + size / 2;
    icon.paint(&painter, QRect(x, static_cast<int>(box.top()), size, size));
  }
}

QString OutputView::toolTipOf(int line) const {
  QString text = markOf(line);
  if (QString working = workingOf(line); !working.isEmpty()) {
    if (!text.isEmpty()) text += QLatin1Char('\n');
    text += working;
  }
  if (std::optional<QString> capital = capitalOf(line)) {
    if (!text.isEmpty()) text += QLatin1Char('\n');
    text += QStringLiteral("大写金额：%1（右键可复制）").arg(*capital);
  } else if (QString refusal = capitalRefusalOf(line); !refusal.isEmpty()) {
    if (!text.isEmpty()) text += QLatin1Char('\n');
    text += QStringLiteral("大写金额：%1").arg(refusal);
  }
  return text;
}

void OutputView::rebuild() {
  document()->clear();
  shown_ = 0;
  showLines(false);
}

void OutputView::markPressEnds() {
  for (size_t start : pressStarts_) {
    QTextBlock block = blockOfLine(start);
    QTextBlock before = block.isValid() ? block.previous() : QTextBlock();
    if (!before.isValid() || before.blockFormat().boolProperty(kPressEnds)) continue;
    QTextCursor cursor(before);
    QTextBlockFormat format = before.blockFormat();
    format.setProperty(kPressEnds, true);
    cursor.setBlockFormat(format);
  }
}

void OutputView::scrollToLine(size_t line) {
  QTextBlock block = blockOfLine(line);
  if (!block.isValid()) return;
  // The scroll bar of a plain-text view counts blocks: the value is the first block in view.
  verticalScrollBar()->setValue(block.blockNumber());
}

QTextBlock OutputView::blockOfLine(size_t line) const {
  for (QTextBlock b = document()->lastBlock(); b.isValid(); b = b.previous()) {
    if (b.userState() == static_cast<int>(line)) return b;
  }
  return {};
}

OutputView::OutputView(QWidget* parent) : QPlainTextEdit(parent) {
  Views().insert(this);
  auto* document = new QTextDocument(this);
  const QTextDocument* given = QPlainTextEdit::document();
  document->setDocumentMargin(given->documentMargin());
  document->setDefaultFont(given->defaultFont());
  document->setDocumentLayout(new SpacedLayout(document, this));
  setDocument(document);
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
  showLines(true);
}

void OutputView::showLines(bool pressed) {
  const auto& lines = record_.lines();
  if (lines.size() < shown_) {  // cleared by a press
    document()->clear();
    pressStarts_.clear();
    shown_ = 0;
  }
  // A press that starts on a line of its own after earlier lines is set apart from them.
  const size_t start = record_.pressStart();
  if (pressed && start > 0 && start == shown_ && start < lines.size()) pressStarts_.insert(start);
  QTextCursor cursor(document());
  cursor.beginEditBlock();
  if (shown_ > 0) {
    // Open text may have continued the last line shown.
    QTextBlock last = blockOfLine(shown_ - 1);
    QString text = ToQString(lines[shown_ - 1]);
    if (last.isValid() && last.text() != text) {
      cursor.setPosition(last.position());
      cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
      cursor.insertText(text);
    }
  }
  // Account lines in the plain format; headings and lines that only inform (a figure without a
  // side: 入账价值 9550) set apart from them; the working under the lines in a muted colour. Only
  // the view shows the difference: the text copied and saved is the same.
  QTextCharFormat plain;
  QTextCharFormat heading;
  if (HasBoldFace(font())) {
    heading.setFontWeight(QFont::Bold);
  } else {
    heading.setForeground(QColor(0x1f, 0x3f, 0x8f));
  }
  QTextCharFormat informing;
  informing.setForeground(QColor(0x6b, 0x52, 0x1e));
  QTextCharFormat muted;
  muted.setForeground(palette().color(QPalette::PlaceholderText));
  std::set<size_t> sided;  // journal lines with a side
  for (const EntryRecord::Row& row : record_.rows())
    if (row.line >= shown_ && row.side != Side::None) sided.insert(row.line);
  auto formatOf = [&](size_t i) -> const QTextCharFormat& {
    if (i >= record_.parts().size()) return plain;
    const EntryRecord::Line& part = record_.parts()[i];
    if (part.kind == EntryRecord::Kind::Heading) return heading;
    if (part.kind == EntryRecord::Kind::Journal && part.amount && !sided.contains(i)) return informing;
    return plain;
  };
  cursor.movePosition(QTextCursor::End);
  for (size_t i = shown_; i < lines.size(); ++i) {
    if (i > 0) cursor.insertBlock(QTextBlockFormat(), plain);
    cursor.setCharFormat(formatOf(i));
    cursor.insertText(ToQString(lines[i]));
    cursor.block().setUserState(static_cast<int>(i));
    const WorkingLine* working = WorkingShownFlag() ? record_.workingOf(i) : nullptr;
    if (working == nullptr) continue;
    for (const std::string& text : IndentedWorking(*working)) {
      cursor.insertBlock(QTextBlockFormat(), muted);
      cursor.insertText(ToQString(text), muted);
      cursor.block().setUserState(-1);
    }
  }
  markPressEnds();
  cursor.endEditBlock();
  shown_ = lines.size();
  // The press's first line at the top of the view (as far as the lines below it reach).
  if (!pressed) return;
  const size_t top = std::min(start, lines.empty() ? 0 : lines.size() - 1);
  scrollToLine(top);
  // Again once the layout of the new lines has settled, which may set the scroll range anew, so
  // that the scroll bar's thumb stands where the view is.
  QTimer::singleShot(0, this, [this, top] {
    if (top < shown_) scrollToLine(top);
    verticalScrollBar()->update();
  });
}

void OutputView::clearOutput() {
  record_.clear();
  marks_.clear();
  pressStarts_.clear();
  document()->clear();
  shown_ = 0;
}

int OutputView::lineAtPosition(int position) const {
  if (shown_ == 0) return -1;
  // A line of working belongs to the amount line above it.
  QTextBlock block = document()->findBlock(position);
  while (block.isValid() && block.userState() < 0) block = block.previous();
  return block.isValid() ? block.userState() : -1;
}

int OutputView::lineAt(const QPoint& viewportPoint) const {
  if (shown_ == 0) return -1;
  QTextBlock block = cursorForPosition(viewportPoint).block();
  QRectF box = blockBoundingGeometry(block).translated(contentOffset());
  if (viewportPoint.y() < box.top() || viewportPoint.y() >= box.bottom()) return -1;
  return lineAtPosition(block.position());
}

std::pair<int, int> OutputView::selectedLines() const {
  QTextCursor c = textCursor();
  if (!c.hasSelection()) return {-1, -1};
  return {lineAtPosition(c.selectionStart()), lineAtPosition(c.selectionEnd())};
}

QMenu* OutputView::createContextMenu(const QPoint& viewportPoint) {
  QMenu* menu = createStandardContextMenu(viewportPoint);
  // Every entry can be chosen by its letter: Qt's 全选 comes without one.
  if (auto* all = menu->findChild<QAction*>(QStringLiteral("select-all"));
      all && !all->text().contains('&')) {
    QString text = all->text();
    qsizetype tab = text.indexOf(QLatin1Char('\t'));
    all->setText(text.insert(tab < 0 ? text.size() : tab, QStringLiteral("(&A)")));
  }
  menu->addSeparator();
  QAction* working = menu->addAction(QStringLiteral("显示算式(&W)"));
  working->setCheckable(true);
  working->setChecked(WorkingShownFlag());
  connect(working, &QAction::toggled, this, [](bool on) { setWorkingShown(on); });
  // What hovering the line shows, for the keyboard (the menu key opens this menu at the cursor).
  const int line = lineAt(viewportPoint);
  QAction* explain = menu->addAction(QStringLiteral("说明(&I)\tCtrl+I"));
  explain->setObjectName(QStringLiteral("explainLine"));
  explain->setEnabled(!toolTipOf(line).isEmpty());
  const QPoint at = viewport()->mapToGlobal(viewportPoint);
  connect(explain, &QAction::triggered, this,
          [this, line, at] { ShowExplanation(this, toolTipOf(line), at); });
  emit contextMenuAboutToShow(menu, lineAt(viewportPoint));
  return menu;
}

bool OutputView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    QString text = toolTipOf(lineAt(help->pos()));
    if (text.isEmpty()) {
      QToolTip::hideText();
    } else {
      QToolTip::showText(help->globalPos(), WrappedToolTip(text), viewport());
    }
    return true;
  }
  return QPlainTextEdit::viewportEvent(event);
}

void OutputView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createContextMenu(event->pos());
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void AttachExplanationKey(QWidget* window) {
  auto* key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_I), window);
  key->setObjectName(QStringLiteral("explanationKey"));
  key->setContext(Qt::WindowShortcut);
  QObject::connect(key, &QShortcut::activated, window, [window] {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || focus->window() != window) return;
    QString text;
    QPoint at;
    if (auto* view = qobject_cast<OutputView*>(focus)) {
      text = view->toolTipOf(view->lineAtPosition(view->textCursor().position()));
      at = view->viewport()->mapToGlobal(view->cursorRect().bottomLeft());
    } else {
      text = focus->toolTip();
      at = focus->mapToGlobal(QPoint(0, focus->height()));
    }
    if (text.isEmpty()) text = QStringLiteral("这里没有说明。");
    ShowExplanation(focus, text, at);
  });
}

}  // namespace varnello
