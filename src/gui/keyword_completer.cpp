#include "gui/keyword_completer.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyle>
#include <QTreeView>
#include <algorithm>

#include "core/search/keyword_index.h"
#include "gui/qt_convert.h"

namespace varnello {

KeywordCompleter::KeywordCompleter(QLineEdit* field) : QCompleter(field), field_(field) {
  setObjectName(QStringLiteral("keywordCompleter"));
  // Attached with setWidget rather than QLineEdit::setCompleter, so that moving through the list
  // leaves the typed text alone; only a choice replaces it.
  setWidget(field);
  field->installEventFilter(this);
  field->window()->installEventFilter(this);
  // textEdited, not textChanged: committed input-method text and keys update the list, while the
  // field's text set by a choice does not open it again.
  connect(field, &QLineEdit::textEdited, this, &KeywordCompleter::suggest);
  connect(this, qOverload<const QString&>(&QCompleter::activated), field, &QLineEdit::setText);
}

void KeywordCompleter::prepare() {
  if (view_ != nullptr) return;
  model_ = new QStandardItemModel(0, 2, this);
  view_ = new QTreeView;
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
  // The list floats beside the field without taking the keyboard: a grabbing popup would become
  // the input method's focus and let keys bypass the composition. So the field keeps the focus,
  // its arrow keys, Enter and Escape move through the list (eventFilter), and a click elsewhere
  // reaches its target (one click on 确定 dispatches) while the field's focus-out closes the list.
  view_->setWindowFlags(Qt::ToolTip);
  view_->setAttribute(Qt::WA_ShowWithoutActivating);
  // The keywords' pinyin is worked out once, on first use.
  KeywordIndex();
}

QStandardItemModel* KeywordCompleter::suggestions() {
  prepare();
  return model_;
}

QAbstractItemView* KeywordCompleter::popup() {
  prepare();
  return view_;
}

void KeywordCompleter::suggest(const QString& text) {
  prepare();
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
  if (watched == field_->window()) {
    // The list stays under the field: it closes when the window moves, resizes or hides.
    if (view_ != nullptr &&
        (event->type() == QEvent::Move || event->type() == QEvent::Resize || event->type() == QEvent::Hide))
      view_->hide();
    return false;
  }
  if (watched != field_ || view_ == nullptr || !view_->isVisible())
    return QCompleter::eventFilter(watched, event);
  if (event->type() == QEvent::FocusOut) {
    view_->hide();
    return false;
  }
  if (event->type() != QEvent::KeyPress) return QCompleter::eventFilter(watched, event);
  const int rows = model_->rowCount();
  const QModelIndex current = view_->currentIndex();
  switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Down: {
      int row = current.isValid() ? std::min(current.row() + 1, rows - 1) : 0;
      view_->setCurrentIndex(model_->index(row, 0));
      return true;
    }
    case Qt::Key_Up:
      // Up from the first row leaves the list with nothing chosen.
      view_->setCurrentIndex(current.isValid() ? model_->index(current.row() - 1, 0)
                                               : model_->index(rows - 1, 0));
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      view_->hide();
      if (!current.isValid()) return false;  // nothing chosen: Enter goes on to the field, which ignores it
      field_->setText(model_->item(current.row(), 0)->text());
      return true;
    case Qt::Key_Escape:
      view_->hide();
      return true;
    default:
      return QCompleter::eventFilter(watched, event);
  }
}

}  // namespace varnello
