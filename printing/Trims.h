#pragma once

namespace printing {

inline constexpr int TwipsPerMillimetre = 55;

// The X and Y trims of a job in whole twips; positive moves right and down.
struct OffsetsTwips {
    int xTwips = 0;
    int yTwips = 0;
};

// Millimetres on paper as twips: 55 per millimetre, rounded to whole twips
// (halves away from zero).
int millimetresToTwips(double millimetres);

// The print-position trims of a job, millimetres on paper; positive moves
// right and down; the offsets files hold them as marker positions.
struct Trims {
    double xMm = 0;
    double yMm = 0;

    // Both trims in twips, 55 per millimetre.
    OffsetsTwips twips() const { return {millimetresToTwips(xMm), millimetresToTwips(yMm)}; }

    bool operator==(const Trims&) const = default;
};

} // namespace printing
