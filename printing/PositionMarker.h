#pragma once

#include "printing/OffsetsFile.h"

namespace printing {

enum class MarkerDirection { Left, Right, Up, Down };

// Limits the step buttons move the marker within, twips: X 1000 to 1400
// (−10 to 10 mm), Y 260 to 700 (−11 to 11 mm).
inline constexpr int MarkerMinX = 1000;
inline constexpr int MarkerMaxX = 1400;
inline constexpr int MarkerMinY = 260;
inline constexpr int MarkerMaxY = 700;

// The marker after one press of a step button: 20 twips that way while the
// value is inside the limit, else unchanged. A value read from the file off
// the grid or outside the range moves from where it is (1510: ＞ does
// nothing, ＜ gives 1490). The third value is never touched.
MarkerPosition steppedMarker(const MarkerPosition& position, MarkerDirection direction);

// The marker for offsets typed in millimetres (positive right and down),
// kept within the step buttons' limits and on whole twips; the third value
// is never touched.
MarkerPosition typedMarker(const MarkerPosition& position, double xMm, double yMm);

} // namespace printing
