#pragma once

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

} // namespace printing
