#pragma once

#include <QString>

namespace book {

// Numbers kept in text fields are read leniently, as the windows have always
// done: leading blanks skipped, then the longest leading decimal number
// ("12abc" is 12, " -3.5" is -3.5); 0 when the text does not start with one.
double leadingNumber(const QString& text);

// leadingNumber() rounded to the nearest whole number, halves to the even one
// (2.5 is 2, 3.5 is 4), as stored indexes are read.
int leadingInteger(const QString& text);

} // namespace book
