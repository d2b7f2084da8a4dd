#pragma once

#include <QString>

namespace labels {

// Every half-width character in its full-width form, as postal codes are
// printed: ASCII U+0021 to U+007E become U+FF01 to U+FF5E ("-" is "－"), the
// space becomes "　", and half-width katakana become full-width katakana with
// a following voiced mark joined ("ｶﾞ" is "ガ", "ﾊﾟ" is "パ"). Everything
// else is kept as it is.
QString toFullWidth(const QString& text);

// The postal line of a label or postcard: "〒" and the code in full width.
QString zipLine(const QString& postalCode);

} // namespace labels
