#pragma once

#include "book/AddressCard.h"
#include "envelope/EnvelopeLayout.h"
#include "envelope/EnvelopeSize.h"
#include "platform/Printer.h"
#include "printing/JobReview.h"
#include "printing/PlacedRun.h"
#include "printing/Trims.h"

#include <QString>

#include <optional>

namespace envelope {

// What an envelope job is drawn with, besides the entries.
struct EnvelopeJobSettings {
    EnvelopeSize envelope;
    Writing writing = Writing::Vertical;
    QString textFace;      // every text's face, the code's too
    printing::Trims trims; // moves every text
    bool printCode = true; // the free code line
    // A back page after every front, with the sender (when there is one).
    bool printBack = false;
    std::optional<book::AddressCard> sender;
    BackLayout backLayout = BackLayout::Seam; // vertical writing only
    bool barcodes = false;                    // the customer barcode in its band below the address
};

// The page the job is begun on.
platform::PageFormat envelopePage(const EnvelopeJobSettings& settings);

// The front of one entry's envelope, measured in measure's fonts: the
// code's digits centred in the printed boxes when the envelope has them and
// the code has seven digits, else the code written out in full-width digits
// with a hyphen and no 〒 (as Japan Post asks of a printed code) where the
// boxes would be or above the address; then the address by the typesetting
// engine, the name the largest.
printing::TypesetCard typesetEnvelopeFront(platform::Printer& measure,
                                           const book::AddressCard& entry,
                                           const EnvelopeJobSettings& settings);

// The back of an envelope with the sender: vertical either side of the
// centre seam or in the left part, horizontal on the flap.
printing::TypesetCard typesetEnvelopeBack(platform::Printer& measure,
                                          const book::AddressCard& sender,
                                          const EnvelopeJobSettings& settings);

// Draws the entry's customer barcode in the front's band below the address,
// moved by offsets, when the settings ask for barcodes and the card has one.
void drawEnvelopeBarcode(platform::Printer& printer, const book::AddressCard& entry,
                         const EnvelopeJobSettings& settings, printing::OffsetsTwips offsets);

// For each entry the typesetting had to set smaller or cut short, what it
// gave up; with barcodes, the entries that get none and why.
void noteEnvelopeCompromises(platform::Printer& measure, const book::CardList& entries,
                             const EnvelopeJobSettings& settings, printing::JobReview& review);

// Pages of a job of count envelopes: two each when the back is printed.
int envelopePageCount(int count, const EnvelopeJobSettings& settings);

// The question asked before a job of n envelopes: "印刷枚数は3枚です。".
QString envelopeCountQuestion(int count);

// The job's name in the printer queue: "Tagora 封筒 5件" for 5 envelopes.
QString envelopeJobTitle(int count);

// Draws the envelopes on a begun printer: each front on a page of its own,
// followed by its back when the back is printed, no page break after the
// last; every position moved by the trims. The envelope's code boxes are
// outlined for a preview.
void drawEnvelopes(platform::Printer& printer, const book::CardList& entries,
                   const EnvelopeJobSettings& settings);

} // namespace envelope
