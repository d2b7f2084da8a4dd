#include "barcode/BarcodeDrawing.h"

#include "platform/Units.h"

namespace barcode {

BarcodeMeasure BarcodeMeasure::at(double points) {
    const double scale = points / 10;
    return {1.2 * scale, 0.6 * scale, 3.6 * scale, 2.4 * scale, 1.2 * scale};
}

QSize barcodeSizeTwips(double points) {
    const BarcodeMeasure measure = BarcodeMeasure::at(points);
    return {platform::paperTwipsOf(measure.pitchMm * (SymbolBars - 1) + measure.barWidthMm),
            platform::paperTwipsOf(measure.longBarMm)};
}

int clearSpaceTwips() {
    return platform::paperTwipsOf(ClearSpaceMillimetres);
}

void drawCustomerBarcode(platform::Printer& printer, const BarcodeData& data, QPoint topLeftTwips,
                         double points) {
    const BarcodeMeasure measure = BarcodeMeasure::at(points);
    const int width = platform::paperTwipsOf(measure.barWidthMm);
    const int top = topLeftTwips.y();
    const int height = platform::paperTwipsOf(measure.longBarMm);
    // The timing band sits in the middle; semi-long bars reach from it to the top or the bottom.
    const int timingTop = top + platform::paperTwipsOf((measure.longBarMm - measure.timingMm) / 2);
    const int timingBottom =
        top + platform::paperTwipsOf((measure.longBarMm + measure.timingMm) / 2);
    const QList<Bar> bars = data.bars();
    for (qsizetype i = 0; i < bars.size(); ++i) {
        const int x = topLeftTwips.x() + platform::paperTwipsOf(measure.pitchMm * double(i));
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
