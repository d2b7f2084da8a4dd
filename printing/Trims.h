#pragma once

#include "platform/Units.h"

namespace printing {

// The X and Y trims of a job in whole twips; positive moves right and down.
struct OffsetsTwips {
    int xTwips = 0;
    int yTwips = 0;
};

// The print-position trims of a job, millimetres on paper; positive moves
// right and down; the offsets files hold them as marker positions.
struct Trims {
    double xMm = 0;
    double yMm = 0;

    // Both trims in trim twips, 55 per millimetre.
    OffsetsTwips twips() const { return {platform::trimTwipsOf(xMm), platform::trimTwipsOf(yMm)}; }

    bool operator==(const Trims&) const = default;
};

} // namespace printing
