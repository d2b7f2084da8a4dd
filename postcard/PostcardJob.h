#pragma once

#include "barcode/BarcodePlacement.h"
#include "book/AddressCard.h"
#include "platform/Printer.h"
#include "postcard/PostcardChoices.h"
#include "postcard/PostcardText.h"
#include "printing/JobReview.h"
#include "printing/Trims.h"

#include <QList>
#include <QString>

#include <optional>

namespace postcard {

// What a postcard job is drawn with, besides the entries.
struct PostcardJobSettings {
    QString zipFace;       // the code boxes' face ("ＭＳ 明朝" or "OCR-B")
    QString textFace;      // every other line's face
    printing::Trims trims; // moves every text, the boxes too
    platform::PaperSize paper = platform::PaperSize::Postcard;
    Writing writing = Writing::Horizontal;
    std::optional<book::AddressCard> sender; // printed on every card when set
    bool printCode = true;                   // the free code line
    bool barcodes = false;                   // the customer barcode where Japan Post allows it
};

// The card's edges and layout table for horizontal writing, twips from the
// page origin before the trims: the recipient stays above the sender.
printing::HorizontalFrame horizontalCardFrame(bool withSender);

// The recipient's lines of a horizontal card, measured in measure's fonts.
printing::TypesetCard typesetHorizontalCard(platform::Printer& measure, const PostcardText& card,
                                            const PostcardJobSettings& settings);

// The lines of one card, vertical or horizontal as settings choose, the
// vertical sender included; measured in measure's fonts.
printing::TypesetCard typesetPostcard(platform::Printer& measure, const PostcardText& card,
                                      const PostcardJobSettings& settings);

// Where a card's customer barcode goes, the code line moved or left out to
// make room: right under the name on a horizontal card, at the foot of a
// vertical one, inside the region Japan Post lets barcodes stand (10 mm from
// the edges); nothing when barcodes are off, the card has none, or it has no
// room for one.
std::optional<barcode::BarcodePlace> placePostcardBarcode(platform::Printer& measure,
                                                          const PostcardText& card,
                                                          const PostcardJobSettings& settings,
                                                          printing::TypesetCard& typeset);

// For each entry the typesetting had to set smaller or cut short, what it
// gave up; with barcodes, the cards printed without one and why.
void notePostcardCompromises(platform::Printer& measure, const book::CardList& entries,
                             const PostcardJobSettings& settings, printing::JobReview& review);

// The question asked before a job of n postcards: "印刷枚数は3枚です。".
QString postcardCountQuestion(int count);

// The job's name in the printer queue: "Tagora はがき 5件" for 5 postcards.
QString postcardJobTitle(int count);

// Draws the postcards on a begun printer, one per page, a page break between
// two postcards and none after the last: the boxes in the code face at
// 12 points, the address lines at 11, the name line at 14 and the code at
// 10 in the text face, every position moved by the trims (55 twips per mm).
// Each box's digit is placed so that its ink is centred across the code box
// of the card, in either code face. Vertical writing keeps the boxes and sets
// the rest in columns (VerticalCard.h); a sender is printed in the lower-left
// of every card. The card's own code boxes are outlined for a preview.
void drawPostcards(platform::Printer& printer, const QList<PostcardText>& postcards,
                   const PostcardJobSettings& settings);

} // namespace postcard
