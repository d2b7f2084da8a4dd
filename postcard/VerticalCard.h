#pragma once

#include "book/AddressCard.h"
#include "platform/Printer.h"
#include "postcard/PostcardLayout.h"
#include "postcard/PostcardText.h"
#include "printing/PlacedRun.h"
#include "printing/VerticalTypesetter.h"

#include <QString>

namespace postcard {

// The vertical card, in millimetres from the paper's top-left corner.
inline constexpr double VerticalNameCentreMm = 50; // the card's middle
inline constexpr double VerticalNameTopMm = 30;
inline constexpr double VerticalNameBottomMm =
    132; // beside the sender; above it, the clearance decides
inline constexpr double VerticalNameLeftLimitMm = 30; // right of the stamp
inline constexpr double VerticalNamePoints = 28;      // at most
inline constexpr double VerticalAddressRightMm = 90;  // the first column's right edge
inline constexpr double VerticalAddressTopMm = 25;    // below the code boxes
inline constexpr double VerticalAddressBottomMm = 136;
inline constexpr double VerticalAddressPoints = 14;      // at most
inline constexpr double VerticalAddressLeastPoints = 11; // before columns alone cannot hold it
inline constexpr double VerticalCodeLeftMm = 60;         // the code field, small, below the address
inline constexpr double VerticalCodeTopMm = 139;
inline constexpr double VerticalCodePoints = 8;

// The sender: columns in the lower-left corner, the postal code on one line beneath.
inline constexpr double SenderLeftMm = 6;
inline constexpr double SenderRightMm = 34;
inline constexpr double SenderTopMm = 92;
inline constexpr double SenderBottomMm = 134;
inline constexpr double SenderAddressPoints = 9; // at most
inline constexpr double SenderNamePoints = 10.5; // at most, below the least address size
inline constexpr double SenderCodeLeftMm = 10;
inline constexpr double SenderCodeTopMm = 137;
inline constexpr double SenderCodeBottomMm = 141;
inline constexpr double SenderCodePoints = 9;
// The space kept between the name block and the sender's corner.
inline constexpr double SenderClearanceMm = 8;

// Where the recipient's texts may stand on a vertical card.
printing::VerticalFrame verticalCardFrame();
// Where the sender stands on a vertical card.
printing::VerticalSenderFrame verticalSenderFrame();

// The address side of one vertical card set for printing, and the sender
// when there is one, its texts kept smaller than the recipient's address;
// positions before the trims. Face: textFace.
printing::TypesetCard typesetVerticalCard(platform::Printer& printer, const PostcardText& card,
                                          const book::AddressCard* sender, const QString& textFace);

} // namespace postcard
