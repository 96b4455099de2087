// How a topic window's fields are read, shown while typing: a warning sign inside a field whose
// text is not read whole, and a paste of several lines spread over the fields that follow.
#pragma once

#include <QString>
#include <vector>

class QLineEdit;

namespace varnello {

// What a field's text reads as when it is not read whole ("读作 1：“,00”未读入"); empty when it is.
QString ReadingWarning(const QString& text);

// Watches the fields, given in Tab order. Each field whose text is not read whole shows a warning
// sign at its end, with ReadingWarning as its tooltip and accessible description, from the moment
// it is typed. Text of several lines typed or pasted into a field fills that field and the fields
// that follow, one line each, as a column pasted from a spreadsheet does: the text before the
// paste stays with the first line, the text after it with the last.
void WatchFieldReading(const std::vector<QLineEdit*>& fields);

}  // namespace varnello
