#include "printing/LineFit.h"

#include <QtGlobal>

#include <algorithm>
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

SizeFit fitWidth(const std::function<double(double)>& widthAt, double points, double roomTwips,
                 double smallest) {
    const double natural = widthAt(points);
    if (natural <= roomTwips || natural <= 0)
        return {points, 100};
    const int percent = int(std::floor(100.0 * roomTwips / natural));
    if (percent >= TypesetNarrowestPercent)
        return {points, percent};
    double smaller =
        std::floor(points * roomTwips / (natural * TypesetNarrowestPercent / 100.0) * 10) / 10;
    smaller = std::max(smallest, smaller);
    while (smaller > smallest && widthAt(smaller) * TypesetNarrowestPercent / 100.0 > roomTwips)
        smaller = std::max(smallest, smaller - 0.1);
    return {smaller, TypesetNarrowestPercent};
}

} // namespace printing
