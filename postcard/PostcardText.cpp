#include "postcard/PostcardText.h"

#include "book/Honorifics.h"
#include "printing/CardForPrint.h"
#include "printing/PostalCode.h"

using namespace Qt::StringLiterals;

namespace postcard {

QString boxPrintText(const QString& boxCharacter) {
    if (boxCharacter.isEmpty())
        return {};
    QString shown = boxCharacter;
    const QChar first = boxCharacter.front();
    if (boxCharacter.size() == 1 && first >= u'０' && first <= u'９')
        shown = QString(QChar(u'0' + (first.unicode() - u'０')));
    return u" "_s + shown + u" "_s;
}

PostcardText postcardTextOf(const book::AddressCard& typed, bool printCode, bool barcodes) {
    const book::AddressCard entry = printing::cardForPrint(typed);
    PostcardText text;
    text.nameLine = book::nameLine(entry);
    text.name = entry.name;
    text.honorific = book::honorificText(entry.honorific);
    text.address1 = entry.address1;
    text.address2 = entry.address2;
    text.address3 = entry.address3;
    text.code = printCode ? entry.code : QString();
    const book::PostalCode code = book::postalCodeOf(entry.postalCode);
    const ZipBoxes boxes = zipBoxesOf(entry.postalCode);
    for (int box = 0; box < ZipBoxCount; ++box)
        text.zipDigits[box] = boxPrintText(boxes[box]);
    if (!code.isValid() && !code.isEmpty())
        text.typedCode = printing::postalLine(code);
    text.horizontal = printing::horizontalTextOf(entry, printCode);
    // The boxes hold the code; only a code they cannot hold is written out.
    text.horizontal.postalLine = text.typedCode;
    if (barcodes)
        text.barcode = barcode::barcodeOfCard(typed);
    return text;
}

QList<PostcardText> postcardTexts(const book::CardList& entries, bool printCode, bool barcodes) {
    QList<PostcardText> texts;
    texts.reserve(entries.size());
    for (const book::AddressCard& entry : entries)
        texts.append(postcardTextOf(entry, printCode, barcodes));
    return texts;
}

} // namespace postcard
