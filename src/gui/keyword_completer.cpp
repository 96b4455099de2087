#include "gui/keyword_completer.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyle>
#include <QTreeView>
#include <QWindow>
#include <algorithm>

#include "core/search/keyword_index.h"
#include "gui/qt_convert.h"

namespace varnello {

KeywordCompleter::KeywordCompleter(QLineEdit* field)
    : QCompleter(field), field_(field), model_(new QStandardItemModel(0, 2, this)), view_(new QTreeView) {
  setObjectName(QStringLiteral("keywordCompleter"));
  // The list is filled by the core's matching, not filtered by QCompleter.
  setModel(model_);
  setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  setCompletionColumn(0);
  setMaxVisibleItems(12);
  view_->setHeaderHidden(true);
  view_->setRootIsDecorated(false);
  view_->setUniformRowHeights(true);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setPopup(view_);
  // Attached with setWidget rather than QLineEdit::setCompleter, so that moving through the list
  // leaves the typed text alone; only a choice replaces it.
  setWidget(field);
  // textEdited, not textChanged: committed input-method text and keys update the list, while the
  // field's text set by a choice does not open it again.
  connect(field, &QLineEdit::textEdited, this, &KeywordCompleter::suggest);
  connect(this, qOverload<const QString&>(&QCompleter::activated), field, &QLineEdit::setText);
}

void KeywordCompleter::suggest(const QString& text) {
  model_->removeRows(0, model_->rowCount());
  std::vector<KeywordMatch> matches = FindKeywords(text.toStdString());
  if (matches.empty()) {
    popup()->hide();
    return;
  }
  const QColor subjectColor = view_->palette().color(QPalette::PlaceholderText);
  const QFontMetrics metrics = view_->fontMetrics();
  // Rows a little taller than the text, as in other drop-down lists.
  const QSize rowSize(0, metrics.height() + 6);
  int keywordWidth = 0, subjectWidth = 0;
  for (const KeywordMatch& m : matches) {
    auto* keyword = new QStandardItem(ToQString(m.entry->keyword));
    auto* subject = new QStandardItem(ToQString(m.entry->subject));
    subject->setForeground(subjectColor);
    for (QStandardItem* item : {keyword, subject}) {
      item->setEditable(false);
      item->setSizeHint(rowSize);
    }
    keywordWidth = std::max(keywordWidth, metrics.horizontalAdvance(keyword->text()));
    subjectWidth = std::max(subjectWidth, metrics.horizontalAdvance(subject->text()));
    model_->appendRow({keyword, subject});
  }
  // Wide enough for the longest keyword and subject, a full-width blank between them, and never
  // narrower than the field.
  const int margin = 2 * (view_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view_) + 1);
  view_->setColumnWidth(0, keywordWidth + margin + metrics.horizontalAdvance(QChar(0x3000)));
  int width = view_->columnWidth(0) + subjectWidth + 2 * margin + 2 * view_->frameWidth();
  if (model_->rowCount() > maxVisibleItems()) width += view_->verticalScrollBar()->sizeHint().width();
  complete(QRect(0, 0, std::max(width, field_->width()), field_->height()));
  // Nothing is chosen until the user moves to a row: Enter alone chooses nothing.
  view_->setCurrentIndex(QModelIndex());
}

bool KeywordCompleter::eventFilter(QObject* watched, QEvent* event) {
  if (watched != view_ || event->type() != QEvent::MouseButtonPress)
    return QCompleter::eventFilter(watched, event);
  auto* press = static_cast<QMouseEvent*>(event);
  const QPointF global = press->globalPosition();
  if (view_->rect().contains(press->position().toPoint())) return QCompleter::eventFilter(watched, event);
  // A press outside the list closes it, and it also reaches what lies under the pointer, so that
  // one click on 确定 dispatches the typed keyword, as it does when no list is open. Qt's own
  // replay of the press is turned off so it is never delivered twice.
  view_->setAttribute(Qt::WA_NoMouseReplay);
  bool handled = QCompleter::eventFilter(watched, event);
  QWidget* target = QApplication::widgetAt(global.toPoint());
  QWindow* window = target != nullptr ? target->window()->windowHandle() : nullptr;
  if (window != nullptr && !view_->isVisible()) {
    const QPointF local = window->mapFromGlobal(global);
    QMouseEvent replay(QEvent::MouseButtonPress, local, local, global, press->button(), press->buttons(),
                       press->modifiers(), press->pointingDevice());
    QCoreApplication::sendEvent(window, &replay);
  }
  return handled;
}

}  // namespace varnello
