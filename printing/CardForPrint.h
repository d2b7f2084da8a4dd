#pragma once

#include "book/AddressCard.h"
#include "printing/HorizontalTypesetter.h"

#include <QString>

namespace printing {

// A card's fields as they are printed: half-width katakana in full width,
// spaces at the ends dropped. The stored card is never changed.
book::AddressCard cardForPrint(const book::AddressCard& card);

// The longest field a job lays out, in characters: a label line holds about
// 30 and a postcard's about 60, so a longer field is a mistake, and laying
// it out (millions of characters) would hold the job up for seconds.
constexpr qsizetype MaxPrintedFieldLength = 200;

// Why a card is left out of a job: it has no name, or neither address line
// 1 nor 2, or a field longer than MaxPrintedFieldLength (named); empty when
// it can be printed.
QString undeliverableReason(const book::AddressCard& card);

// The texts of a label or horizontal card: the postal line "〒" once and the
// cleaned code, the honorific's text, the code only when printCode.
HorizontalCardText horizontalTextOf(const book::AddressCard& card, bool printCode);

} // namespace printing
