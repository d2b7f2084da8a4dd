#pragma once

#include "book/AddressCard.h"
#include "printing/HorizontalTypesetter.h"

namespace labels {

// The texts drawn on one label.
struct LabelText {
    printing::HorizontalCardText card;
    bool empty = true; // a slot without an entry: nothing of it is printed

    // The label of one entry: the postal line with 〒 once and the code
    // cleaned to its seven digits where it has them, the honorific looked up
    // from its stored index (an index outside 0 to 5 adds none), half-width
    // katakana in full width, the code line only when it is printed.
    static LabelText forEntry(const book::AddressCard& entry, bool printCode = true);
};

// A job keeps its label texts in this many slots, 0 to 300.
inline constexpr int LabelTextSlots = 301;

} // namespace labels
