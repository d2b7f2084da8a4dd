#include "printing/LineFit.h"

#include <QtGlobal>

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

} // namespace printing
