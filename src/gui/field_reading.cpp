#include "gui/field_reading.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyle>
#include <memory>

#include "core/engine/fault.h"
#include "core/engine/read_amount.h"

namespace varnello {

QString ReadingWarning(const QString& text) {
  try {
    AmountReading reading = ReadAmountFully(text.toStdString());
    if (reading.whole) return {};
    return QString::fromStdString(ReadingNote(reading));
  } catch (const Fault&) {
    return QStringLiteral("数值超出范围：按“确定”时报告溢出");
  }
}

namespace {

const char* const kWarningName = "readingWarning";

void ShowReading(QLineEdit* field, QAction* mark) {
  QString warning = ReadingWarning(field->text());
  mark->setVisible(!warning.isEmpty());
  mark->setToolTip(warning);
  field->setToolTip(warning);
  field->setAccessibleDescription(warning);
}

// Text of several lines in fields[i]: one line each to it and the fields after it.
void Spread(const std::vector<QLineEdit*>& fields, size_t i) {
  static const QRegularExpression kLineBreak(QStringLiteral("\r\n|[\r\n\u2028\u2029]"));
  QStringList lines = fields[i]->text().split(kLineBreak);
  // A copied column ends with a line break: no empty line for it.
  while (lines.size() > 1 && lines.back().trimmed().isEmpty()) lines.pop_back();
  QLineEdit* last = fields[i];
  for (qsizetype k = 0; k < lines.size() && i + static_cast<size_t>(k) < fields.size(); ++k) {
    last = fields[i + static_cast<size_t>(k)];
    last->setText(lines[k]);
  }
  last->setFocus(Qt::OtherFocusReason);
}

}  // namespace

void WatchFieldReading(const std::vector<QLineEdit*>& fields) {
  auto shared = std::make_shared<std::vector<QLineEdit*>>(fields);
  for (size_t i = 0; i < fields.size(); ++i) {
    QLineEdit* field = fields[i];
    auto* mark =
        new QAction(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning), QString(), field);
    mark->setObjectName(QString::fromLatin1(kWarningName));
    // Added visible, then hidden (unless the text warrants it): the field shows its button for
    // the action only once the action changes.
    field->addAction(mark, QLineEdit::TrailingPosition);
    ShowReading(field, mark);
    QObject::connect(field, &QLineEdit::textChanged, mark, [field, mark] { ShowReading(field, mark); });
    QObject::connect(field, &QLineEdit::textEdited, field, [shared, i](const QString& text) {
      if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
          text.contains(QChar(0x2028)) || text.contains(QChar(0x2029)))
        Spread(*shared, i);
    });
  }
}

}  // namespace varnello
