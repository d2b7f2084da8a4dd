#pragma once

#include "book/AddressCard.h"

#include <QString>

namespace labels {

// The texts drawn on one label, and the leftward shift of its name line.
struct LabelText {
    QString zipLine;   // "〒" and the postal code in full width
    QString address1;
    QString address2;
    QString address3;  // the building line
    QString nameLine;  // name, "　", honorific
    QString code;
    qint16 NameShift = 0; // twips
    bool empty = true; // a slot without an entry: nothing of it is printed

    // The label of one entry: honorific looked up from its stored index (an
    // index outside 0 to 5 adds none), postal code in full width.
    static LabelText forEntry(const book::AddressCard& entry);

    // The line 1 to 6 in drawing order.
    const QString& line(int number) const;
};

// A job keeps its label texts in this many slots, 0 to 300.
inline constexpr int LabelTextSlots = 301;

} // namespace labels
