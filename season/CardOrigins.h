#pragma once

#include <QList>

namespace season {

// Where each card of a book just written came from: before.at(i) is the
// card number (from 1) that card i + 1 had in the book as it was on disk,
// 0 for a card new to the book. Unknown origins (another program's change,
// a book read again) are found by matching the cards' names and addresses.
struct CardOrigins {
    QList<int> before;
    bool known = false;

    // Found by matching names and addresses.
    static CardOrigins unknown() { return {}; }
    // Cards 1 to countBefore where they were; those after them are new.
    static CardOrigins kept(int count, int countBefore);
    // Card `removed` (from 1) of countBefore taken out, the rest closing up;
    // cards beyond countBefore − 1 are new.
    static CardOrigins removed(int count, int removed, int countBefore);
};

} // namespace season
