#pragma once

#include "book/AddressCard.h"
#include "printing/HorizontalTypesetter.h"

#include <QString>

namespace printing {

// A card's fields as they are printed: half-width katakana in full width,
// spaces at the ends dropped. The stored card is never changed.
book::AddressCard cardForPrint(const book::AddressCard& card);

// Why a card cannot be delivered and is left out of a job: it has no name,
// or neither address line 1 nor 2; empty when it can.
QString undeliverableReason(const book::AddressCard& card);

// The texts of a label or horizontal card: the postal line "〒" once and the
// cleaned code, the honorific's text, the code only when printCode.
HorizontalCardText horizontalTextOf(const book::AddressCard& card, bool printCode);

} // namespace printing
