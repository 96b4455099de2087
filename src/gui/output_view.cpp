#include "gui/output_view.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QToolTip>
#include <set>

#include "core/entries/capital.h"
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

// Plain-text layout with a little room under every line (a fifth of the font's height), so that
// lines of CJK text do not touch; the text itself is untouched.
class SpacedLayout : public QPlainTextDocumentLayout {
 public:
  SpacedLayout(QTextDocument* document, const QWidget* view)
      : QPlainTextDocumentLayout(document), view_(view) {}
  QRectF blockBoundingRect(const QTextBlock& block) const override {
    QRectF r = QPlainTextDocumentLayout::blockBoundingRect(block);
    if (!r.isNull()) r.setHeight(r.height() + spacing());
    return r;
  }
  int spacing() const { return qRound(view_->fontMetrics().height() / 5.0); }

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
  if (marks_.empty()) return;
  QPainter painter(viewport());
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
  linesChanged();
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
  const auto& lines = record_.lines();
  if (lines.size() < shown_) {  // cleared by a press
    document()->clear();
    shown_ = 0;
  }
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
  // Printed lines in the plain format, the working under them in a muted colour.
  QTextCharFormat plain;
  QTextCharFormat muted;
  muted.setForeground(palette().color(QPalette::PlaceholderText));
  cursor.movePosition(QTextCursor::End);
  for (size_t i = shown_; i < lines.size(); ++i) {
    if (i > 0) cursor.insertBlock(QTextBlockFormat(), plain);
    cursor.setCharFormat(plain);
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
  cursor.endEditBlock();
  shown_ = lines.size();
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void OutputView::clearOutput() {
  record_.clear();
  marks_.clear();
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
      QToolTip::showText(help->globalPos(), text, viewport());
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

}  // namespace varnello
