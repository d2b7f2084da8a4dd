#pragma once

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

// True for every character typed or pasted for a hyphen, in a postal code
// or between an address's numbers: the hyphen-minus and its full-width form, the long vowel marks ー and ｰ, the
// hyphens and dashes U+2010 to U+2015, the minus sign − and the box line ─.
bool isHyphenLookAlike(QChar c);

// A postal code in full width with every dash as "－".
QString fullWidthPostalCode(const QString& postalCode);


} // namespace printing
