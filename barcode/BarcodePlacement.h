#pragma once

#include "barcode/BarcodeDrawing.h"
#include "platform/Printer.h"
#include "printing/PlacedRun.h"

#include <QPoint>
#include <QRect>

#include <optional>

namespace barcode {

// Where the bars of a barcode stand: their top-left corner, twips from the
// page origin before the trims, and their size in points.
struct BarcodePlace {
    QPoint topLeftTwips;
    double points = StandardBarcodePoints;
};

// What an output allows a barcode: the area its bars must stay inside (a
// label less the clear space, a card's printable region), the highest their
// top may be (below the addressee's name and the clear space), and their
// left edge when there is room for it.
struct BarcodeRoom {
    QRect barsAreaTwips;
    int topTwips = 0;
    int preferredLeftTwips = 0;
};

// The box a run covers on paper, twips from the page origin, measured in
// measure's fonts: one em high and as wide as its text (one em wide and as
// long as its column when vertical).
QRect runBoxTwips(platform::Printer& measure, const printing::PlacedRun& run);

// The lowest edge of the addressee's name (its runs and the honorific's),
// twips from the page origin; nothing when the card has no name run.
std::optional<int> nameBottomTwips(platform::Printer& measure,
                                   const QList<printing::PlacedRun>& runs);

// Places a barcode in a typeset card at the largest size from 10 down to 8
// points whose bars fit the room and whose clear space touches no text. A
// code line in the way moves below the clear space when the room has space
// for it there, else it is left out ("コードを省略" among the compromises).
// Nothing, and the card unchanged, when no size fits.
std::optional<BarcodePlace> placeBarcode(platform::Printer& measure, printing::TypesetCard& card,
                                         const BarcodeRoom& room);

} // namespace barcode
