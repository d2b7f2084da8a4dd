#pragma once

#include "book/AddressCard.h"
#include "postcard/ZipBoxSplit.h"

#include <QList>
#include <QString>

namespace postcard {

// What is printed on one postcard.
struct PostcardText {
    QString nameLine; // name (joint names joined by "・"), "　" (U+3000), honorific text
    QString name;      // the name as stored, for a vertical card
    QString honorific; // the honorific text, for a vertical card
    QString address1;
    QString address2;
    QString address3;
    QString code;
    ZipBoxes zipDigits; // the text printed in each box, empty for none
};

// The text printed in a code box for the full-width character the box
// holds: a digit as a number is printed, " d " with the half-width digit (so
// it starts one space right of the box); any other character the same way,
// as the preview shows it; nothing for an empty box.
QString boxPrintText(const QString& boxCharacter);

// The postcard of one entry. An honorific outside 0 to 5 gives none.
PostcardText postcardTextOf(const book::AddressCard& entry);

// The postcards of every entry, in order.
QList<PostcardText> postcardTexts(const book::CardList& entries);

} // namespace postcard
