#pragma once

#include "book/AddressCard.h"
#include "platform/Printer.h"
#include "postcard/PostcardLayout.h"
#include "postcard/PostcardText.h"

#include <QString>

namespace postcard {

// The vertical card, in millimetres from the paper's top-left corner.
inline constexpr double VerticalNameCentreMm = 50;  // the card's middle
inline constexpr double VerticalNameTopMm = 30;
inline constexpr double VerticalNameBottomMm = 88;  // the top of the sender block
inline constexpr double VerticalNamePoints = 28;    // at most
inline constexpr double VerticalAddressRightMm = 90; // the first column's right edge
inline constexpr double VerticalAddressTopMm = 25;
inline constexpr double VerticalBuildingTopMm = 35; // address 3, in the next column
inline constexpr double VerticalAddressBottomMm = 136;
inline constexpr double VerticalAddressPoints = 14; // at most
inline constexpr double VerticalCodeLeftMm = 60;    // the code field, small, below the address
inline constexpr double VerticalCodeTopMm = 139;
inline constexpr double VerticalCodePoints = 8;

// The sender: columns in the lower-left, the postal code on one line beneath.
inline constexpr double SenderRightMm = 43;
inline constexpr double SenderTopMm = 90;
inline constexpr double SenderBottomMm = 134;
inline constexpr double SenderAddressPoints = 9; // at most
inline constexpr double SenderNamePoints = 12;   // at most
inline constexpr double SenderCodeLeftMm = 10;
inline constexpr double SenderCodeTopMm = 137;
inline constexpr double SenderCodePoints = 9;

// The size, at most maxPoints, at which text set in a column in the
// printer's current face fits into roomTwips; never below 4 points.
double fittingColumnPoints(platform::Printer& printer, const QString& text, double maxPoints, double roomTwips);

// Draws the address side of one vertical card on the current page, every
// position moved by dx, dy twips: the name (joint names one column each,
// their honorifics level) in the middle, the address in columns to its
// right, the code field small below them. Face: textFace.
void drawVerticalCard(platform::Printer& printer, const PostcardText& card, const QString& textFace, int dx, int dy);

// The sender in small vertical columns in the lower-left corner (left of
// 45 mm, below 85 mm) and its postal code on one line beneath.
void drawVerticalSender(platform::Printer& printer, const book::AddressCard& sender, const QString& textFace, int dx,
                        int dy);


} // namespace postcard
