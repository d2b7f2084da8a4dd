#pragma once

#include "book/AddressCard.h"

#include <QDate>
#include <QString>

namespace season {

// A card's name as the record compares it: NFKC, no blanks, every dash one
// hyphen, so "山田　太郎" and "山田 太郎" are the same person.
QString nameKey(const book::AddressCard& card);
// The three address lines joined the same way, so a line moved from
// address2 to address1 by another program still matches.
QString addressKey(const book::AddressCard& card);
// Name and address: the key a record finds its card by.
QString cardKey(const book::AddressCard& card);

// The New Year a season ends in: from October on, the next year's.
int comingNewYear(const QDate& today);

} // namespace season
