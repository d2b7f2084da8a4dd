#pragma once

#include "platform/Printer.h"
#include "platform/Units.h"
#include "postcard/ZipBoxSplit.h"

#include <array>

namespace postcard {

// Where one text of the postcard goes: twips from the page origin, before
// the user's trims, and its size in points.
struct TextPlace {
    int xTwips;
    int yTwips;
    double points;
};

// The code boxes of a Japanese postcard: 380 twips apart within each group,
// 440 between box 2 and box 3, all on one line.
inline constexpr std::array<int, ZipBoxCount> ZipBoxXTwips = {2370, 2750, 3130, 3570,
                                                              3950, 4330, 4710};
inline constexpr int ZipBoxYTwips = 590;
inline constexpr double ZipBoxPoints = 12;

inline constexpr TextPlace Address1Place{1500, 2850, 11};
inline constexpr TextPlace Address2Place{1500, 3150, 11};
inline constexpr TextPlace Address3Place{1800, 3450, 11};
inline constexpr TextPlace NameLinePlace{2200, 3900, 14};
inline constexpr TextPlace CodePlace{2500, 4500, 10};

// The code boxes printed on a Japanese postcard, millimetres from the
// paper's top-left corner: the left edge of each box, then the size all
// share. Only drawings of the card use them; a job never prints the boxes.
inline constexpr std::array<double, ZipBoxCount> CardBoxLeftMillimetres = {44.0, 51.0, 58.0, 65.8,
                                                                           72.6, 79.4, 86.2};
inline constexpr double CardBoxTopMillimetres = 12.0;
inline constexpr double CardBoxWidthMillimetres = 5.7;
inline constexpr double CardBoxHeightMillimetres = 8.0;
inline constexpr double CardWidthMillimetres = 100.0;
inline constexpr double CardHeightMillimetres = 148.0;

// Page position in twips (from the page origin) of a point this many
// millimetres from the paper's top or left edge, to the nearest twip.
inline int cardTwips(double millimetres) {
    return platform::paperTwipsOf(millimetres) - platform::PageOriginInsetTwips;
}

} // namespace postcard
