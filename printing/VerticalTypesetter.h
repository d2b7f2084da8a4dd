#pragma once

#include "book/AddressCard.h"
#include "platform/Printer.h"
#include "printing/PlacedRun.h"

#include <QRect>
#include <QString>

namespace printing {

// What the address side of a vertical card shows, as the book holds it.
struct VerticalAddressee {
    QString name; // may hold joint names and, before a person, the company
    QString honorific;
    QString address1;
    QString address2;
    QString address3; // the building
    QString code;     // printed small, across
};

// Where a vertical card's texts may stand, twips from the page origin, and
// the sizes they are set at, in points.
struct VerticalFrame {
    int addressRightTwips = 0; // the first address column's right edge
    int addressTopTwips = 0;
    int addressBottomTwips = 0;
    double addressPoints = 14; // at most
    double addressLeastPoints =
        11;                  // below this an address only shrinks when columns cannot hold it
    int nameCentreTwips = 0; // the name block stays centred here while it can
    int nameTopTwips = 0;
    int nameBottomTwips = 0; // the lowest a name may end, where it stands clear beside the sender
    int nameLeftLimitTwips = 0; // the stamp's right edge
    double namePoints = 28;     // at most
    double nameToAddress = 1.4; // the name at least this many times the address
    QRect senderTwips;          // the sender's corner, which the name keeps clear of
    int clearanceTwips = 0;     // between the name block and the sender's corner
    int codeXTwips = 0;
    int codeYTwips = 0;
    int codeRightTwips = 0;
    double codePoints = 8;
};

// Where the sender stands, twips from the page origin, and its sizes at most.
struct VerticalSenderFrame {
    QRect columnsTwips; // the columns from the right edge leftwards, top to bottom
    double addressPoints = 9;
    double namePoints = 10.5;
    int codeXTwips = 0; // the postal code on one line beneath
    int codeYTwips = 0;
    double codePoints = 9;
};

// The recipient's side set by the conventions of hand-addressing: the name
// (company ahead of a person split off into its own column, joint names a
// column each) centred and the largest, the address in columns at the right,
// broken at natural places before it is shrunk. measure: the printer whose
// face measures the columns; face: the text face.
TypesetCard typesetVerticalAddressee(platform::Printer& measure, const VerticalAddressee& addressee,
                                     const QString& face, const VerticalFrame& frame);

// The sender in small columns in its corner, its name the largest of them
// and every text smaller than belowPoints.
TypesetCard typesetVerticalSender(platform::Printer& measure, const book::AddressCard& sender,
                                  const QString& face, const VerticalSenderFrame& frame,
                                  double belowPoints);

} // namespace printing
