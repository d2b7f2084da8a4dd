#pragma once

#include "book/PostalCode.h"

#include <QString>

namespace printing {

// A code as it is printed beside 〒: "８１２－００１１" for a valid code; the
// typed text in full width, its dashes as "－", otherwise.
QString fullWidthCode(const book::PostalCode& code);

// The postal line of a label: "〒" once, then fullWidthCode().
QString postalLine(const book::PostalCode& code);

// The postal line of a typed code.
QString zipLine(const QString& typed);

} // namespace printing
