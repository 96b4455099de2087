// The text a tooltip shows (the working and balance of a printed line, a field's reading warning)
// reached from the keyboard: Ctrl+I on the line under the text cursor or in the focused field, or
// 说明 in the output's context menu, shows it in a small panel wrapped to a readable width.
#pragma once

#include <QString>

class QPoint;
class QWidget;

namespace varnello {

// Shows `text` in a panel under `at` (global), wrapped to about 36 characters' width; Escape or
// a click elsewhere closes it. Returns the panel (one per window, reused).
QWidget* ShowExplanation(QWidget* owner, const QString& text, const QPoint& at);
// The panel shown for `owner`'s window, or none.
QWidget* ExplanationPanel(const QWidget* owner);
// Tooltip text as rich text that wraps (a plain tooltip stands on one line however long).
QString WrappedToolTip(const QString& text);

}  // namespace varnello
