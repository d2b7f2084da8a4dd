#include "printing/PlacedRun.h"

namespace printing {

double largestPoints(const TypesetCard& card, RunRole role) {
    double largest = 0;
    for (const PlacedRun& run : card.runs)
        if (run.role == role)
            largest = qMax(largest, run.points);
    return largest;
}

void drawRuns(platform::Printer& printer, const QList<PlacedRun>& runs, OffsetsTwips trims) {
    for (const PlacedRun& run : runs) {
        if (run.text.isEmpty())
            continue;
        printer.setFontName(run.face);
        printer.setFontSize(run.points);
        printer.setCurrentX(run.xTwips + trims.xTwips);
        printer.setCurrentY(run.yTwips + trims.yTwips);
        if (run.vertical) {
            printer.printVertical(run.text);
            continue;
        }
        if (run.stretchPercent != 100)
            printer.setFontStretch(run.stretchPercent);
        printer.print(run.text);
        if (run.stretchPercent != 100)
            printer.setFontStretch(100);
    }
}

} // namespace printing
