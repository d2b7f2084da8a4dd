#pragma once

#include "envelope/EnvelopeSize.h"
#include "printing/HorizontalTypesetter.h"
#include "printing/VerticalTypesetter.h"

#include <QList>
#include <QRect>
#include <QSizeF>

#include <array>

namespace envelope {

// Japan Post's code boxes on a standard-size envelope held upright: the top
// of the boxes 12 mm below the top edge and the right edge of the last box
// 8 mm left of the right edge, each box's left edge this far left of that
// end, the boxes as large and as far apart as a postcard's.
inline constexpr double CodeBoxTopMm = 12.0;
inline constexpr double CodeBoxEndFromRightMm = 8.0;
inline constexpr std::array<double, 7> CodeBoxLeftFromEndMm = {47.9, 40.9, 33.9, 26.1,
                                                               19.3, 12.5, 5.7};
inline constexpr double CodeBoxWidthMm = 5.7;
inline constexpr double CodeBoxHeightMm = 8.0;
inline constexpr double CodeBoxPoints = 14;

// The customer barcode's place: 67 bars 1.2 mm apart, 3.6 mm tall at most,
// with 2 mm kept clear on every side.
inline constexpr double BarcodeWidthMm = 66 * 1.2 + 0.6 + 2 * 2;
inline constexpr double BarcodeHeightMm = 3.6 + 2 * 2;

// How the sender stands on the back of an envelope held upright.
enum class BackLayout {
    Seam, // the address right of the centre seam, the name left of it
    Left, // address and name together in the left part
};

// Page position in twips, from the page origin, of a point this many
// millimetres from the paper's top or left edge as the page is drawn.
int pageTwips(double millimetres);

// The front of one envelope: where every text of the address may stand,
// twips from the page origin before the trims.
struct FrontLayout {
    QSizeF pageMm;           // the page as drawn, across and down
    QList<QRect> boxesTwips; // the printed code boxes, right to the last; empty when there are none
    // For vertical writing, a code the envelope has no boxes for is printed
    // across in the boxes' place; one the boxes cannot hold, just below them.
    printing::LineSlot codeLine;
    int codeLineRightTwips = 0; // a vertical envelope's code line ends here
    printing::VerticalFrame vertical;
    printing::HorizontalFrame horizontal;
    // Where the customer barcode goes, its clear space included: across,
    // below the address. No text of the front enters it.
    QRect barcodeTwips;
};

FrontLayout frontLayout(const EnvelopeSize& envelope, Writing writing);

// The back of one envelope, seen from the back with the flap at the top.
struct BackLayoutFrames {
    // Vertical writing: the sender's address and name; for the seam, the
    // address right of it and the name left of it, their feet level.
    printing::VerticalSenderFrame address;
    printing::VerticalSenderFrame name; // only for the seam
    // Horizontal writing: the sender's lines on the flap.
    printing::HorizontalFrame flap;
};

BackLayoutFrames backLayout(const EnvelopeSize& envelope, Writing writing, BackLayout layout);

} // namespace envelope
