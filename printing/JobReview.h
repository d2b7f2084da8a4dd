#pragma once

#include "book/AddressCard.h"

#include <QString>
#include <QStringList>

namespace printing {

// What a job tells the user before it prints, once: the cards it leaves
// out, the postal codes it cannot put into boxes, the cards it had to set
// smaller to keep every line on its label or card.
struct JobReview {
    book::CardList printable; // the entries the job prints, in their order
    QStringList leftOut;      // "後藤　聡（住所がありません）"
    QStringList uncleanCodes; // "山田　太郎（100-00）"
    QStringList reduced;      // "株式会社…（宛名を縮小）"
    QStringList repeated;     // "山田　太郎（2回）": printed as often as listed
    // "鈴木　一郎（住所に番地がありません）", when the job prints barcodes
    QStringList withoutBarcode;

    bool hasNews() const {
        return !leftOut.isEmpty() || !uncleanCodes.isEmpty() || !reduced.isEmpty() ||
               !repeated.isEmpty() || !withoutBarcode.isEmpty();
    }
    // Notes a card the typesetting had to set smaller or cut short.
    void noteCompromises(const book::AddressCard& card, const QStringList& compromises);
    // Notes a card printed without its customer barcode, and why.
    void noteWithoutBarcode(const book::AddressCard& card, const QString& why);
    // Every finding as one line each, for the command line's stderr.
    QStringList lines() const;
    // The findings as one message for a window, ending in the question
    // whether to print the rest.
    QString message() const;
};

// Leaves out the cards a post office could not deliver (no name, or
// neither address line 1 nor 2) and notes the postal codes that are not
// seven digits; they are printed as typed, outside the code boxes. A card
// listed more than once is noted: it is printed each time, as copies.
JobReview reviewEntries(const book::CardList& entries);

} // namespace printing
