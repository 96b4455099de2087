// The application font: 宋体 9 pt, resolved to an installed Song/Ming face; and the look that goes
// with it: placeholders in a grey of their own, focus marks shown, section headings emphasised.
#pragma once

class QFont;
class QLabel;
class QWidget;

namespace varnello {

void InstallAppFont();

// Placeholder text in an opaque grey between the text and the base colour (a translucent colour
// comes out solid in text drawn without antialiasing), and the focus mark shown on whichever
// control has the keyboard, however it came there (Tab, a mnemonic, a click).
void InstallAppLook();

// Whether the face that draws `font` has a real bold weight (else Qt would thicken the strokes
// itself, which clogs small Song characters).
bool HasBoldFace(const QFont& font);
// Emphasises a heading: in bold where a face with a real bold weight draws its characters (the
// label's own, else a CJK face installed with one), else in regular weight and a dark blue.
void EmphasiseHeading(QLabel* label);

}  // namespace varnello
