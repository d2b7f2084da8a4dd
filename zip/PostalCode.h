#pragma once

#include <QString>

namespace zip {

// The 7 ASCII digits of a typed postal code, or an empty text when it is not
// one, as book::postalCodeOf reads it.
QString normalizedCode(const QString& typed);

// "1000013" as it is written on a card: "100-0013". Other text is returned as it is.
QString formattedCode(const QString& digits);

// An address in the form its parts are compared in: NFKC (full-width letters
// and digits, half-width katakana unified), without spaces, "ヶ" read as "ケ".
QString comparableAddress(const QString& text);

} // namespace zip
