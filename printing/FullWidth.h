#pragma once

#include "book/PostalCode.h"

#include <QString>

namespace printing {

// Every half-width character in its full-width form, as postal codes are
// printed: ASCII U+0021 to U+007E become U+FF01 to U+FF5E ("-" is "－"), the
// space becomes "　", and half-width katakana become full-width katakana with
// a following voiced mark joined ("ｶﾞ" is "ガ", "ﾊﾟ" is "パ"). Everything
// else is kept as it is.
QString toFullWidth(const QString& text);

// Half-width katakana (common in imported data: ｶﾌﾞｼｷｶﾞｲｼｬ) in their
// full-width forms, a voiced mark joined; everything else as it is.
QString fullWidthKana(const QString& text);

// Every dash look-alike of a typed code or address: book::isHyphenLookAlike.
using book::isHyphenLookAlike;

// A postal code in full width with every dash as "－".
QString fullWidthPostalCode(const QString& postalCode);

} // namespace printing
