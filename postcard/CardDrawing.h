#pragma once

#include "postcard/ZipBoxSplit.h"

#include <QPixmap>

namespace postcard {

// Screen pictures of a postcard for the windows, drawn at pixelsPerMm.

// The blank card with its seven red code boxes.
QPixmap blankCardPicture(double pixelsPerMm);

// What a job prints, as a block whose top-left corner is the page origin:
// seven digits over the boxes and the address, name and code lines.
QPixmap printedBlockPicture(double pixelsPerMm);

} // namespace postcard
