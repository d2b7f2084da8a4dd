#include "printing/CardForPrint.h"

#include "book/FieldLabel.h"
#include "book/Honorifics.h"
#include "book/JointNames.h"
#include "printing/FullWidth.h"
#include "printing/PostalCode.h"

using namespace Qt::StringLiterals;

namespace printing {

book::AddressCard cardForPrint(const book::AddressCard& card) {
    book::AddressCard printed = card;
    for (QString* field :
         {&printed.name, &printed.address1, &printed.address2, &printed.address3, &printed.code})
        *field = book::trimmedSpaces(fullWidthKana(*field));
    return printed;
}

QString undeliverableReason(const book::AddressCard& card) {
    // First, before anything walks through a field of millions of characters.
    for (int field = 1; field <= book::AddressCard::FieldCount; ++field) {
        const qsizetype length = card.field(field).size();
        if (length > MaxPrintedFieldLength)
            return u"%1が%2文字あり、%3文字を超えています"_s.arg(book::fieldLabel(field))
                .arg(length)
                .arg(MaxPrintedFieldLength);
    }
    if (book::trimmedSpaces(card.name).isEmpty())
        return u"宛名がありません"_s;
    if (book::trimmedSpaces(card.address1).isEmpty() &&
        book::trimmedSpaces(card.address2).isEmpty())
        return u"住所がありません"_s;
    return {};
}

HorizontalCardText horizontalTextOf(const book::AddressCard& card, bool printCode) {
    const book::AddressCard printed = cardForPrint(card);
    HorizontalCardText text;
    const book::PostalCode code = book::postalCodeOf(printed.postalCode);
    if (!code.isEmpty())
        text.postalLine = postalLine(code);
    text.addresses = {printed.address1, printed.address2, printed.address3};
    text.name = printed.name;
    text.honorific = book::honorificText(printed.honorific);
    if (printCode)
        text.code = printed.code;
    return text;
}

} // namespace printing
