#pragma once

#include <QString>

namespace postcard {

// Where box's text is printed so that the ink of its character sits centred
// across the code box printed on the card (CardBoxLeftMillimetres): twips
// from the page origin, before the user's trims. The ink is measured in the
// installed face that prints zipFace at points, so the Mincho's and OCR-B's
// digits, whose spaces and side bearings differ, both land centred. Without
// a QGuiApplication there are no fonts to measure: then the layout's box X
// (ZipBoxXTwips). Results are kept per face, size and text.
int boxTextXTwips(const QString& zipFace, double points, int box, const QString& boxText);

// The centre of code box box across the card, twips from the page origin.
int cardBoxCentreTwips(int box);

} // namespace postcard
