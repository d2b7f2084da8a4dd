#pragma once

#include "barcode/BarcodeData.h"
#include "platform/Printer.h"

#include <QPoint>
#include <QSize>

namespace barcode {

// Japan Post prints the barcode at a size named in points, 8 to 11.5; at
// 10 points the bars are 1.2 mm apart, 0.6 mm wide, and the long bar is
// 3.6 mm high. Every length scales with the size.
inline constexpr double StandardBarcodePoints = 10;
inline constexpr double SmallestBarcodePoints = 8;
inline constexpr double LargestBarcodePoints = 11.5;
// The blank Japan Post asks for on every side of the bars, millimetres.
inline constexpr double ClearSpaceMillimetres = 2;

// The lengths of the bars at one size, millimetres.
struct BarcodeMeasure {
    double pitchMm; // left edge to left edge of two bars
    double barWidthMm;
    double longBarMm;  // the long bar, the height of the whole code
    double semiLongMm; // a semi-long bar: the long bar less one timing bar's band
    double timingMm;   // the timing bar, in the middle band

    static BarcodeMeasure at(double points);
};

// The bars' box at a size: 66 pitches and one bar wide, one long bar high.
QSize barcodeSizeTwips(double points);
// The clear space around the bars, twips.
int clearSpaceTwips();

// Draws the bars of a barcode with their top-left corner at topLeftTwips
// (twips from the page origin) at the given size, each bar a filled
// rectangle; the bars stand at whole-twip places that never drift from the
// pitch by more than half a twip.
void drawCustomerBarcode(platform::Printer& printer, const BarcodeData& data, QPoint topLeftTwips,
                         double points = StandardBarcodePoints);

} // namespace barcode
