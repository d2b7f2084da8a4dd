#include "barcode/BarcodeDrawing.h"

#include <cmath>

namespace barcode {

namespace {

constexpr double TwipsPerPaperMillimetre = 1440.0 / 25.4;

} // namespace

BarcodeMeasure BarcodeMeasure::at(double points) {
    const double scale = points / 10;
    return {1.2 * scale, 0.6 * scale, 3.6 * scale, 2.4 * scale, 1.2 * scale};
}

int paperTwips(double millimetres) {
    return int(std::lround(millimetres * TwipsPerPaperMillimetre));
}

QSize barcodeSizeTwips(double points) {
    const BarcodeMeasure measure = BarcodeMeasure::at(points);
    return {paperTwips(measure.pitchMm * (SymbolBars - 1) + measure.barWidthMm),
            paperTwips(measure.longBarMm)};
}

int clearSpaceTwips() {
    return paperTwips(ClearSpaceMillimetres);
}

void drawCustomerBarcode(platform::Printer& printer, const BarcodeData& data, QPoint topLeftTwips,
                         double points) {
    const BarcodeMeasure measure = BarcodeMeasure::at(points);
    const int width = paperTwips(measure.barWidthMm);
    const int top = topLeftTwips.y();
    const int height = paperTwips(measure.longBarMm);
    // The timing band sits in the middle; semi-long bars reach from it to the top or the bottom.
    const int timingTop = top + paperTwips((measure.longBarMm - measure.timingMm) / 2);
    const int timingBottom = top + paperTwips((measure.longBarMm + measure.timingMm) / 2);
    const QList<Bar> bars = data.bars();
    for (qsizetype i = 0; i < bars.size(); ++i) {
        const int x = topLeftTwips.x() + paperTwips(measure.pitchMm * double(i));
        switch (bars[i]) {
        case Bar::Long:
            printer.fillRect(QRect(x, top, width, height));
            break;
        case Bar::Ascender:
            printer.fillRect(QRect(x, top, width, timingBottom - top));
            break;
        case Bar::Descender:
            printer.fillRect(QRect(x, timingTop, width, top + height - timingTop));
            break;
        case Bar::Timing:
            printer.fillRect(QRect(x, timingTop, width, timingBottom - timingTop));
            break;
        }
    }
}

} // namespace barcode
