#pragma once

#include <QString>

#include <array>

namespace postcard {

// A postcard has seven printed postal-code boxes: three, a gap, then four.
inline constexpr int ZipBoxCount = 7;

using ZipBoxes = std::array<QString, ZipBoxCount>;

// The seven boxes filled from a full-width postal code: with a dash (any
// of printing::isHyphenLookAlike) as its fourth character, boxes 0 to 2 take characters 1 to 3 and
// boxes 3 to 6 characters 5 to 8; otherwise boxes 0 to 6 take characters 1 to 7. Boxes past the end
// of the code stay empty; characters after the last used are dropped. Each box holds one character
// (a whole code point).
ZipBoxes zipBoxSplit(const QString& fullWidthCode);

// The boxes of a postal code as typed, whatever way its seven digits were
// written (〒, spaces, full width, any dash, no hyphen); all empty for a code
// that is not seven digits, which is never guessed at.
ZipBoxes zipBoxesOf(const QString& postalCode);

} // namespace postcard
