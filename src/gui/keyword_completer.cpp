#include "gui/keyword_completer.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTreeView>
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
  for (const KeywordMatch& m : matches) {
    auto* keyword = new QStandardItem(ToQString(m.entry->keyword));
    auto* subject = new QStandardItem(ToQString(m.entry->subject));
    subject->setForeground(subjectColor);
    keyword->setEditable(false);
    subject->setEditable(false);
    model_->appendRow({keyword, subject});
  }
  // Wide enough for the longest keyword and subject, never narrower than the field.
  view_->resizeColumnToContents(0);
  view_->resizeColumnToContents(1);
  view_->setColumnWidth(0, view_->columnWidth(0) + view_->fontMetrics().horizontalAdvance(QChar(0x3000)));
  int width = view_->columnWidth(0) + view_->columnWidth(1) + 2 * view_->frameWidth();
  if (model_->rowCount() > maxVisibleItems()) width += view_->verticalScrollBar()->sizeHint().width();
  complete(QRect(0, 0, std::max(width, field_->width()), field_->height()));
  // Nothing is chosen until the user moves to a row: Enter alone chooses nothing.
  view_->setCurrentIndex(QModelIndex());
}

}  // namespace varnello
