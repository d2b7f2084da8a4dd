#pragma once

#include <cmath>

// Three scales meet on a page, and each has one name here. Page positions
// are true twips, 1440 to the inch. Font sizes are points, 20 twips each.
// The print-position trims the user sets count a rounder 55 "trim twips"
// to the millimetre, not true twips: every offsets file and every job
// printed so far moves by that scale, so it stays.
namespace platform {

inline constexpr int TwipsPerPoint = 20;
inline constexpr double TwipsPerInch = 1440.0;
inline constexpr double MillimetresPerInch = 25.4;
inline constexpr double PaperTwipsPerMillimetre = TwipsPerInch / MillimetresPerInch;
inline constexpr int TrimTwipsPerMillimetre = 55;

// A size in points (a font's em) as twips, unrounded.
constexpr double twipsOfPoints(double points) {
    return points * TwipsPerPoint;
}

// A length in twips as points, unrounded.
constexpr double pointsOfTwips(double twips) {
    return twips / TwipsPerPoint;
}

// A length on paper in millimetres as true twips, unrounded.
constexpr double paperTwipsUnrounded(double millimetres) {
    return millimetres * TwipsPerInch / MillimetresPerInch;
}

// A length on paper in millimetres as whole true twips.
inline int paperTwipsOf(double millimetres) {
    return int(std::lround(paperTwipsUnrounded(millimetres)));
}

// A length in true twips as millimetres on paper, unrounded.
constexpr double paperMillimetresOf(double twips) {
    return twips / PaperTwipsPerMillimetre;
}

// A trim in millimetres as whole trim twips, 55 to the millimetre, halves
// away from zero.
inline int trimTwipsOf(double millimetres) {
    return int(std::lround(millimetres * TrimTwipsPerMillimetre));
}

} // namespace platform
