#pragma once

#include <QString>

namespace postcard {

// Twips to move a code box's text " d " left so that its digit starts where
// it starts in the Mincho face, for which the boxes' X were laid out. A face
// with a wider space (OCR-B's is 0.72 em, the Mincho's 0.29 em) would
// otherwise push every digit onto the right edge of its box. 0 for the
// Mincho and for faces with a space no wider. Measures the installed face
// that prints zipFace; needs a QGuiApplication.
int boxTextShiftTwips(const QString& zipFace, double points);

} // namespace postcard
