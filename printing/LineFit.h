#pragma once

#include <functional>

namespace printing {

// Text never stops short of its edge: a line that would pass the right edge
// of its label (or card), less this margin, is condensed until it fits.
inline constexpr int EdgeMarginTwips = 113; // 2 mm
// Below half width a line stops being readable; it is printed at half width
// and may then pass the edge.
inline constexpr int NarrowestStretchPercent = 50;

// The stretch, in percent, that fits a line of naturalTwips into roomTwips:
// 100 when it fits as it is, else just narrow enough, never below 50.
int fittingStretch(double naturalTwips, double roomTwips);

// The typesetting's rule is gentler on the eye: below 60 % of its width a
// line stops being easy to read, so it is set smaller instead, never below
// 4 points unless the caller allows smaller.
inline constexpr int TypesetNarrowestPercent = 60;
inline constexpr double SmallestFitPoints = 4;

struct SizeFit {
    double points;
    int stretch; // percent of the natural width
};

// The size and stretch at which a text of widthAt(points) twips fits into
// roomTwips: as it is, condensed down to 60 %, then smaller.
SizeFit fitWidth(const std::function<double(double)>& widthAt, double points, double roomTwips,
                 double smallest = SmallestFitPoints);

} // namespace printing
