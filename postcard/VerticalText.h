#pragma once

#include <QString>

namespace postcard {

// A name or address line as a vertical column prints it: every half-width
// character in its full-width form (Latin letters stand upright), each
// digit as a kanji numeral (１０ is 一〇, 0 is 〇), and a hyphen or dash
// next to a digit or a Latin letter as "ー", whose vertical form is a
// vertical line ("1-2-3" is 一ー二ー三).
QString verticalText(const QString& line);

} // namespace postcard
