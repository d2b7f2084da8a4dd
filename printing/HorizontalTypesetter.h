#pragma once

#include "platform/Printer.h"
#include "printing/PlacedRun.h"

#include <QRect>
#include <QString>

#include <array>
#include <functional>

namespace printing {

// Where one line of a fixed layout sits when it fits: the top-left of its
// first character, twips from the page origin before the trims, and its size.
struct LineSlot {
    int xTwips = 0;
    int yTwips = 0;
    double points = 11;
};

// A label or a horizontal card: its edges and its layout table.
struct HorizontalFrame {
    QRect boundsTwips; // nothing is printed outside it
    LineSlot postal;
    std::array<LineSlot, 3> addresses;
    LineSlot name;
    LineSlot code;
    // How far left of its slot a name line of this text starts (a long name
    // starts further left on the standard sheet); none when unset.
    std::function<int(const QString& nameLine)> nameShift;
};

// What a card says, as the horizontal typesetting takes it.
struct HorizontalCardText {
    QString postalLine; // "〒８１２－００１１"; empty for none
    std::array<QString, 3> addresses;
    QString name;      // as stored; joint names parted by "／"
    QString honorific; // its text, "様"
    QString code;      // empty when the code is not printed
};

// Sets a card in its frame in the printer's measure, by the rules of a
// careful hand: every line in its slot when it fits; a line too long is
// carried onto an empty line below at a natural break, else condensed (to
// 60 %) and then set smaller; the name is never set smaller than the
// address, and the honorific stays on the name's line; joint names are
// stacked with given names aligned, each with its own honorific, when the
// frame has room below, else on one line; when the lines cannot all stand
// in a small frame without touching, they are stacked from its top by
// priority (name, postal code, address, code) and the rest left out.
TypesetCard typesetHorizontal(platform::Printer& measure, const QString& face,
                              const HorizontalCardText& card, const HorizontalFrame& frame);

} // namespace printing
