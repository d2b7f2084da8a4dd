#pragma once

#include "book/AddressCard.h"
#include "platform/Printer.h"

#include <QString>

namespace postcard {

// The sender on a horizontal card: three small lines in the lower-left.
inline constexpr double HorizontalSenderLeftMm = 8;
inline constexpr double HorizontalSenderTopMm = 122;
inline constexpr double HorizontalSenderPitchMm = 4.5;
inline constexpr double HorizontalSenderRightMm = 72;
inline constexpr double HorizontalSenderPoints = 9;

// The sender as three small lines in the lower-left of a horizontal card:
// postal code and address 1 and 2, address 3, name.
void drawHorizontalSender(platform::Printer& printer, const book::AddressCard& sender,
                          const QString& textFace, int dx, int dy);

} // namespace postcard
