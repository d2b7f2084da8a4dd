#pragma once

#include "barcode/CardBarcode.h"
#include "book/AddressCard.h"
#include "postcard/ZipBoxSplit.h"
#include "printing/HorizontalTypesetter.h"

#include <QList>
#include <QString>

namespace postcard {

// What is printed on one postcard.
struct PostcardText {
    QString nameLine;  // name (joint names joined by "・"), "　" (U+3000), honorific text
    QString name;      // the name as stored, for a vertical card
    QString honorific; // the honorific text, for a vertical card
    QString address1;
    QString address2;
    QString address3;
    QString code;
    ZipBoxes zipDigits; // the text printed in each box, empty for none
    QString typedCode;  // "〒100-00": a code not of seven digits, printed as typed below the boxes
    printing::HorizontalCardText horizontal; // the lines of a horizontal card
    barcode::CardBarcode barcode;            // the customer barcode, when the job prints them
};

// The text printed in a code box for the full-width character the box
// holds: a digit as a number is printed, " d " with the half-width digit (so
// it starts one space right of the box); any other character the same way,
// as the preview shows it; nothing for an empty box.
QString boxPrintText(const QString& boxCharacter);

// The postcard of one entry: half-width katakana in full width, the boxes
// filled from the code's seven digits however they were typed (empty for a
// code of another length, which is printed as typed instead), the code line
// only when printCode, the customer barcode only when barcodes. An honorific
// outside 0 to 5 gives none.
PostcardText postcardTextOf(const book::AddressCard& entry, bool printCode = true,
                            bool barcodes = false);

// The postcards of every entry, in order.
QList<PostcardText> postcardTexts(const book::CardList& entries, bool printCode = true,
                                  bool barcodes = false);

} // namespace postcard
