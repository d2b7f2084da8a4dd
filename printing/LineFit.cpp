#include "printing/LineFit.h"

#include <cmath>

namespace printing {

int fittingStretch(double naturalTwips, double roomTwips) {
    if (naturalTwips <= roomTwips)
        return 100;
    if (roomTwips <= 0)
        return NarrowestStretchPercent;
    // Rounded down, so the condensed line is never a fraction too long.
    const int percent = int(std::floor(100.0 * roomTwips / naturalTwips));
    return qMax(NarrowestStretchPercent, percent);
}

void printFitted(platform::Printer& printer, const QString& text, int xTwips, int rightEdgeTwips) {
    const int room = rightEdgeTwips - EdgeMarginTwips - xTwips;
    const int stretch = text.isEmpty() ? 100 : fittingStretch(printer.textWidth(text), room);
    if (stretch == 100) {
        printer.print(text);
        return;
    }
    printer.setFontStretch(stretch);
    printer.print(text);
    printer.setFontStretch(100);
}

} // namespace printing
